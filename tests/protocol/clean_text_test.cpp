// Texts the user typed on their way into the document.
#include "protocol/clean_text.h"

#include <gtest/gtest.h>

namespace protocol {
namespace {

struct CleanCase {
    const char* name;
    std::string_view input;
    std::string_view expected;
};

class CleanTextTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanTextTest, KeepsWhatADocumentCarriesAndNothingElse) {
    EXPECT_EQ(CleanText(GetParam().input), GetParam().expected);
}

#define REPLACED "\xEF\xBF\xBD"

template <std::size_t N> constexpr std::string_view Bytes(const char (&text)[N]) {
    return {text, N - 1};
}

INSTANTIATE_TEST_SUITE_P(
    Text, CleanTextTest,
    ::testing::Values(
        CleanCase{"CyrillicAndSigns", "Ёж №5 «ПК» — 2,5 л/с", "Ёж №5 «ПК» — 2,5 л/с"},
        CleanCase{"TabAndLineBreaksStay", "а\tб\r\nв\nг\rд", "а\tб\r\nв\nг\rд"},
        CleanCase{"FourByteLetterStays", "\xF0\x9F\x94\xA5", "\xF0\x9F\x94\xA5"},
        CleanCase{"HighestPlaneStays", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        CleanCase{"ControlCharactersDropped", Bytes("а\x00б\x01\x07\x0B\x0C\x1B\x1Fв"), "абв"},
        CleanCase{"DeleteAndC1Dropped",
                  "a\x7F"
                  "b\xC2\x85"
                  "c\xC2\x9F"
                  "d",
                  "abcd"},
        CleanCase{"NonCharactersDropped",
                  "a\xEF\xBF\xBE"
                  "b\xEF\xBF\xBF"
                  "c",
                  "abc"},
        CleanCase{"LoneContinuationReplaced",
                  "a\x80"
                  "b",
                  "a" REPLACED "b"},
        CleanCase{"TruncatedCyrillicReplaced", "Пожар\xD0", "Пожар" REPLACED},
        CleanCase{"TruncatedBeforeAsciiKeepsAscii",
                  "\xE2\x82"
                  "A",
                  REPLACED REPLACED "A"},
        CleanCase{"OverlongReplaced", "\xC0\xAF", REPLACED REPLACED},
        CleanCase{"OverlongThreeBytesReplaced", "\xE0\x80\xAF", REPLACED REPLACED REPLACED},
        CleanCase{"SurrogateReplaced", "\xED\xA0\x80", REPLACED REPLACED REPLACED},
        CleanCase{"BeyondUnicodeReplaced", "\xF4\x90\x80\x80", REPLACED REPLACED REPLACED REPLACED},
        CleanCase{"ByteFFReplaced",
                  "\xFF"
                  "x",
                  REPLACED "x"},
        CleanCase{"Windows1251BytesReplaced", "\xCF\xCA", REPLACED REPLACED}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace protocol
