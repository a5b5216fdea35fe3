#include "common/utf8.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace common {
namespace {

struct DecodeCase {
    const char* name;
    std::string text;
    std::optional<char32_t> character;
    std::size_t length;
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

class Decoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, ReadsOneCharacterOrRefusesOneByte) {
    const DecodeCase& c = GetParam();
    const Utf8Step step = DecodeAt(c.text, 0);
    EXPECT_EQ(step.character, c.character);
    EXPECT_EQ(step.length, c.length);
    if (step.character) {
        std::string encoded;
        AppendUtf8(encoded, *step.character);
        EXPECT_EQ(encoded, c.text.substr(0, c.length));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Utf8, Decoding,
    testing::Values(DecodeCase{"Ascii", "A", U'A', 1}, DecodeCase{"Cyrillic", "Я", U'Я', 2},
                    DecodeCase{"ThreeBytes", "€", U'€', 3},
                    DecodeCase{"FourBytes", "\xF0\x9F\x94\xA5", U'\U0001F525', 4},
                    DecodeCase{"HighestCodePoint", "\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Malformed, Decoding,
    testing::Values(DecodeCase{"StrayContinuation", "\x80", std::nullopt, 1},
                    DecodeCase{"OverlongTwo", "\xC0\x80", std::nullopt, 1},
                    DecodeCase{"OverlongThree", "\xE0\x80\x80", std::nullopt, 1},
                    DecodeCase{"Surrogate", "\xED\xA0\x80", std::nullopt, 1},
                    DecodeCase{"AboveRange", "\xF4\x90\x80\x80", std::nullopt, 1},
                    DecodeCase{"LeadF5", "\xF5\x80\x80\x80", std::nullopt, 1},
                    DecodeCase{"CutShort", "\xD0", std::nullopt, 1},
                    DecodeCase{"MissingContinuation",
                               "\xD0"
                               "A",
                               std::nullopt, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct LastCase {
    const char* name;
    std::string text;
    std::size_t start;
};

class LastCharacter : public testing::TestWithParam<LastCase> {};

TEST_P(LastCharacter, StartsAtItsFirstByte) {
    EXPECT_EQ(LastCharacterStart(GetParam().text), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(Utf8, LastCharacter,
                         testing::Values(LastCase{"Empty", "", 0}, LastCase{"Ascii", "ab", 1},
                                         LastCase{"Cyrillic", "аб", 2},
                                         LastCase{"FourBytes", "a\xF0\x9F\x94\xA5", 1},
                                         LastCase{"OnlyContinuations", "\x80\x80", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace common
