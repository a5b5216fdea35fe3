#include "wizard/numeric_input.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace wizard {
namespace {

struct KeyCase {
    const char* name;
    bool decimal;
    const char* kept;
    char32_t key;
    char separator;
    bool accepted;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class KeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTest, AcceptsOnlyNumberCharacters) {
    const auto& c = GetParam();
    EXPECT_EQ(AcceptsCharacter(c.decimal ? VolumeRules : FloorsRules, c.kept, c.key, c.separator),
              c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    ::testing::Values(KeyCase{"FloorsDigit", false, "1", U'7', ',', true},
                      KeyCase{"FloorsMinus", false, "", U'-', ',', true},
                      KeyCase{"FloorsSecondMinus", false, "-1", U'-', ',', false},
                      KeyCase{"FloorsMinusReplacingSelectedMinus", false, "5", U'-', ',', true},
                      KeyCase{"FloorsComma", false, "1", U',', ',', false},
                      KeyCase{"FloorsPoint", false, "1", U'.', '.', false},
                      KeyCase{"FloorsLetter", false, "1", U'a', ',', false},
                      KeyCase{"FloorsBlank", false, "1", U' ', ',', false},
                      KeyCase{"FloorsCyrillic", false, "1", U'б', ',', false},
                      KeyCase{"FloorsPlus", false, "1", U'+', ',', false},
                      KeyCase{"FloorsEnter", false, "1", U'\r', ',', false},
                      KeyCase{"VolumeDigit", true, "25", U'0', ',', true},
                      KeyCase{"VolumeSeparator", true, "25", U',', ',', true},
                      KeyCase{"VolumeSecondSeparator", true, "2,5", U',', ',', false},
                      KeyCase{"VolumeOtherSeparator", true, "25", U'.', ',', false},
                      KeyCase{"VolumePointLocale", true, "25", U'.', '.', true},
                      KeyCase{"VolumeCommaInPointLocale", true, "25", U',', '.', false},
                      KeyCase{"VolumeSecondMinus", true, "-2", U'-', ',', false},
                      KeyCase{"VolumeExponent", true, "2", U'e', ',', false}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    bool decimal;
    std::string text;
    std::optional<double> value;
    std::optional<std::string> rewritten;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class TextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextTest, TakesNumbersAndBoundsThem) {
    const auto& c = GetParam();
    const TextOutcome outcome = ExamineText(c.decimal ? VolumeRules : FloorsRules, c.text, ',');
    EXPECT_EQ(outcome.value, c.value);
    EXPECT_EQ(outcome.text, c.rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Floors, TextTest,
    ::testing::Values(
        TextCase{"Inside", false, "17", 17.0, std::nullopt},
        TextCase{"Lowest", false, "1", 1.0, std::nullopt},
        TextCase{"Highest", false, "25", 25.0, std::nullopt},
        TextCase{"LeadingZeroKept", false, "07", 7.0, std::nullopt},
        TextCase{"AboveBound", false, "30", 25.0, "25"}, TextCase{"Zero", false, "0", 1.0, "1"},
        TextCase{"Negative", false, "-5", 1.0, "1"}, TextCase{"MinusZero", false, "-0", 1.0, "1"},
        TextCase{"HugeIsBounded", false, std::string(400, '9'), 25.0, "25"},
        TextCase{"HugeNegativeIsBounded", false, "-" + std::string(400, '9'), 1.0, "1"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Volume, TextTest,
    ::testing::Values(TextCase{"Whole", true, "25000", 25000.0, std::nullopt},
                      TextCase{"Decimals", true, "24999,99", 24999.99, std::nullopt},
                      TextCase{"TrailingSeparator", true, "5,", 5.0, std::nullopt},
                      TextCase{"Negative", true, "-12,5", -12.5, std::nullopt},
                      TextCase{"NegativeFraction", true, "-,5", -0.5, std::nullopt},
                      TextCase{"Large", true, "5000000000", 5e9, std::nullopt},
                      TextCase{"TinyIsZero", true, ("0," + std::string(400, '0') + "1"), 0.0,
                               std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, TextTest,
    ::testing::Values(TextCase{"Empty", false, "", std::nullopt, std::nullopt},
                      TextCase{"MinusAlone", false, "-", std::nullopt, std::nullopt},
                      TextCase{"MinusInside", false, "1-2", std::nullopt, std::nullopt},
                      TextCase{"MinusTwice", false, "--2", std::nullopt, std::nullopt},
                      TextCase{"Letters", false, "1a", std::nullopt, std::nullopt},
                      TextCase{"FloorsSeparator", false, "1,5", std::nullopt, std::nullopt},
                      TextCase{"Blank", false, " 5", std::nullopt, std::nullopt},
                      TextCase{"VolumeLeadingSeparator", true, ",5", std::nullopt, std::nullopt},
                      TextCase{"VolumeTwoSeparators", true, "1,2,3", std::nullopt, std::nullopt},
                      TextCase{"VolumeOtherSeparator", true, "1.5", std::nullopt, std::nullopt},
                      TextCase{"VolumeExponent", true, "1e5", std::nullopt, std::nullopt},
                      TextCase{"VolumeInfinity", true, "inf", std::nullopt, std::nullopt},
                      TextCase{"VolumeBeyondDouble", true, std::string(400, '9'), std::nullopt,
                               std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExamineText, PointLocaleTakesPoint) {
    EXPECT_EQ(ExamineText(VolumeRules, "1.5", '.').value, 1.5);
    EXPECT_EQ(ExamineText(VolumeRules, "1,5", '.').value, std::nullopt);
}

struct StepCase {
    const char* name;
    bool decimal;
    double value;
    int steps;
    char separator;
    double stepped;
    const char* text;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }
};

class StepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepTest, StepsWithinBoundsAndRewrites) {
    const auto& c = GetParam();
    const Stepped s = Step(c.decimal ? VolumeRules : FloorsRules, c.value, c.steps, c.separator);
    EXPECT_EQ(s.value, c.stepped);
    EXPECT_EQ(s.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepTest,
    ::testing::Values(StepCase{"FloorsUp", false, 17, 1, ',', 18, "18"},
                      StepCase{"FloorsDown", false, 17, -1, ',', 16, "16"},
                      StepCase{"FloorsAtTop", false, 25, 1, ',', 25, "25"},
                      StepCase{"FloorsAtBottom", false, 1, -1, ',', 1, "1"},
                      StepCase{"VolumeUp", true, 25000, 1, ',', 25001, "25001,00"},
                      StepCase{"VolumeDownBelowZero", true, 0, -1, ',', -1, "-1,00"},
                      StepCase{"VolumeKeepsDecimals", true, 24999.99, 1, ',', 25000.99, "25000,99"},
                      StepCase{"VolumePointLocale", true, 0.5, 1, '.', 1.5, "1.50"},
                      StepCase{"VolumeToZero", true, -1, 1, ',', 0, "0,00"},
                      StepCase{"VolumeHuge", true, 1e20, 1, ',', 1e20, "100000000000000000000,00"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wizard
