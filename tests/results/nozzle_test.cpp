#include "results/nozzle.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace results {
namespace {

struct TextCase {
    const char* name;
    const char* text;
    std::optional<int> diameter; // what the flows are computed with
    int bounded;                 // what the field shows after losing the focus
};

class DiameterText : public testing::TestWithParam<TextCase> {};

TEST_P(DiameterText, ReadsOnlyAWholeNumberInRange) {
    const TextCase& c = GetParam();
    EXPECT_EQ(DiameterFromText(c.text), c.diameter);
    EXPECT_EQ(BoundedDiameter(c.text), c.bounded);
}

INSTANTIATE_TEST_SUITE_P(
    Nozzle, DiameterText,
    testing::Values(TextCase{"Initial", "13", 13, 13}, TextCase{"Lowest", "4", 4, 4},
                    TextCase{"Highest", "18", 18, 18}, TextCase{"InBetween", "5", 5, 5},
                    TextCase{"PlusSign", "+12", 12, 12}, TextCase{"LeadingZeros", "0012", 12, 12},
                    TextCase{"FirstKeyOfTwelve", "1", std::nullopt, 4},
                    TextCase{"Empty", "", std::nullopt, 4}, TextCase{"Zero", "0", std::nullopt, 4},
                    TextCase{"Negative", "-13", std::nullopt, 4},
                    TextCase{"NegativeZero", "-0", std::nullopt, 4},
                    TextCase{"JustAbove", "19", std::nullopt, 18},
                    // Its low 8 bits would be 4: no flow is computed for it.
                    TextCase{"WideValue", "260", std::nullopt, 18},
                    TextCase{"BeyondInt32", "4294967309", std::nullopt, 18},
                    TextCase{"BeyondInt64", "99999999999999999999999", std::nullopt, 18},
                    TextCase{"FarNegative", "-99999999999999999999999", std::nullopt, 4},
                    TextCase{"SignOnly", "-", std::nullopt, 4},
                    TextCase{"TwoSigns", "+-12", std::nullopt, 4},
                    TextCase{"Fraction", "12,5", std::nullopt, 4},
                    TextCase{"PointFraction", "12.0", std::nullopt, 4},
                    TextCase{"Space", " 12", std::nullopt, 4},
                    TextCase{"TrailingSpace", "12 ", std::nullopt, 4},
                    TextCase{"Letters", "abc", std::nullopt, 4}),
    [](const auto& info) { return std::string(info.param.name); });

struct SnapCase {
    const char* name;
    int value;
    int snapped;
};

class SnapDiameterTable : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapDiameterTable, MapsInBetweenValuesToTableDiameters) {
    EXPECT_EQ(SnapDiameter(GetParam().value), GetParam().snapped);
}

INSTANTIATE_TEST_SUITE_P(Nozzle, SnapDiameterTable,
                         testing::Values(SnapCase{"FiveDown", 5, 4}, SnapCase{"SevenDown", 7, 6},
                                         SnapCase{"EightUp", 8, 9}, SnapCase{"ElevenDown", 11, 10},
                                         SnapCase{"FifteenDown", 15, 14},
                                         SnapCase{"SeventeenDown", 17, 16},
                                         SnapCase{"TableFour", 4, 4}, SnapCase{"TableNine", 9, 9},
                                         SnapCase{"TableTwelve", 12, 12},
                                         SnapCase{"TableThirteen", 13, 13},
                                         SnapCase{"TableEighteen", 18, 18}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
    const char* name;
    const char* text;
    int value;
};

class DiameterValueTable : public testing::TestWithParam<ValueCase> {};

TEST_P(DiameterValueTable, SteppingStartsFromTheTypedNumber) {
    EXPECT_EQ(DiameterValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Nozzle, DiameterValueTable,
                         testing::Values(ValueCase{"TableDiameter", "13", 13},
                                         ValueCase{"BelowRange", "3", 3},
                                         ValueCase{"AboveRange", "20", 20},
                                         ValueCase{"Negative", "-5", -5},
                                         ValueCase{"PlusSign", "+260", 260},
                                         ValueCase{"Huge", "99999999999999999999", 1000},
                                         ValueCase{"HugeNegative", "-99999999999999999999", -1000},
                                         ValueCase{"Empty", "", 4}, ValueCase{"Decimal", "12,5", 4},
                                         ValueCase{"SignAlone", "-", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StepCase {
    const char* name;
    int value;
    int up;
    int down;
};

class DiameterStepping : public testing::TestWithParam<StepCase> {};

TEST_P(DiameterStepping, MovesToTheNeighbouringTableDiameter) {
    const StepCase& c = GetParam();
    EXPECT_EQ(DiameterUp(c.value), c.up);
    EXPECT_EQ(DiameterDown(c.value), c.down);
}

INSTANTIATE_TEST_SUITE_P(
    Nozzle, DiameterStepping,
    testing::Values(StepCase{"Four", 4, 6, 4}, StepCase{"Six", 6, 9, 4}, StepCase{"Nine", 9, 10, 6},
                    StepCase{"Ten", 10, 12, 9}, StepCase{"Twelve", 12, 13, 10},
                    StepCase{"Thirteen", 13, 14, 12}, StepCase{"Fourteen", 14, 16, 13},
                    StepCase{"Sixteen", 16, 18, 14}, StepCase{"Eighteen", 18, 18, 16},
                    // Values typed outside the table step by one from where they are.
                    StepCase{"BelowRange", 3, 4, 4}, StepCase{"AboveRange", 20, 18, 18},
                    StepCase{"FarBelow", -2147483647 - 1, 4, 4},
                    StepCase{"FarAbove", 2147483647, 18, 18},
                    // In-between values land on a table diameter.
                    StepCase{"Seven", 7, 9, 6}, StepCase{"Eleven", 11, 12, 10},
                    StepCase{"Fifteen", 15, 16, 14}, StepCase{"Seventeen", 17, 18, 16}),
    [](const auto& info) { return std::string(info.param.name); });

// What may stand in the field while typing: digits, signs and the locale's separator.
struct CharacterCase {
    const char* name;
    char32_t character;
    char separator;
    bool accepted;
};

class DiameterCharacters : public testing::TestWithParam<CharacterCase> {};

TEST_P(DiameterCharacters, TakesDigitsSignsAndTheSeparator) {
    const CharacterCase& c = GetParam();
    EXPECT_EQ(AcceptsDiameterCharacter(c.character, c.separator), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Nozzle, DiameterCharacters,
    testing::Values(CharacterCase{"Zero", U'0', ',', true}, CharacterCase{"Nine", U'9', ',', true},
                    CharacterCase{"Plus", U'+', ',', true}, CharacterCase{"Minus", U'-', ',', true},
                    CharacterCase{"CommaInCommaLocale", U',', ',', true},
                    CharacterCase{"PointInPointLocale", U'.', '.', true},
                    CharacterCase{"PointInCommaLocale", U'.', ',', false},
                    CharacterCase{"CommaInPointLocale", U',', '.', false},
                    CharacterCase{"Letter", U'a', ',', false},
                    CharacterCase{"Exponent", U'e', ',', false},
                    CharacterCase{"Cyrillic", U'б', ',', false},
                    CharacterCase{"Blank", U' ', ',', false},
                    CharacterCase{"Enter", U'\r', ',', false},
                    // Only the digits the core reads: no flow could come of another script's.
                    CharacterCase{"ArabicIndicFive", U'\u0665', ',', false},
                    CharacterCase{"FullwidthFive", U'\uFF15', ',', false}),
    [](const auto& info) { return std::string(info.param.name); });

// What a change of the text leaves: the diameter the flows take, and a snapped text.
struct ExamineCase {
    const char* name;
    const char* text;
    std::optional<int> diameter;
    std::optional<std::string> rewritten;
};

class DiameterExamined : public testing::TestWithParam<ExamineCase> {};

TEST_P(DiameterExamined, SnapsInBetweenDiametersWhileTyping) {
    const ExamineCase& c = GetParam();
    const DiameterOutcome outcome = ExamineDiameterText(c.text);
    EXPECT_EQ(outcome.diameter, c.diameter);
    EXPECT_EQ(outcome.text, c.rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Nozzle, DiameterExamined,
    testing::Values(
        ExamineCase{"TableDiameter", "13", 13, std::nullopt},
        ExamineCase{"Lowest", "4", 4, std::nullopt}, ExamineCase{"Highest", "18", 18, std::nullopt},
        ExamineCase{"FiveSnapsDown", "5", 4, "4"}, ExamineCase{"SevenSnapsDown", "7", 6, "6"},
        ExamineCase{"EightSnapsUp", "8", 9, "9"}, ExamineCase{"ElevenSnapsDown", "11", 10, "10"},
        ExamineCase{"FifteenSnapsDown", "15", 14, "14"},
        ExamineCase{"SeventeenSnapsDown", "17", 16, "16"},
        ExamineCase{"SignedInBetween", "+7", 6, "6"},
        ExamineCase{"LeadingZeroInBetween", "07", 6, "6"},
        // Not yet a diameter: no flow, and the text stands as typed.
        ExamineCase{"FirstKeyOfTwelve", "1", std::nullopt, std::nullopt},
        ExamineCase{"Empty", "", std::nullopt, std::nullopt},
        ExamineCase{"SignOnly", "-", std::nullopt, std::nullopt},
        ExamineCase{"AboveRange", "19", std::nullopt, std::nullopt},
        ExamineCase{"Negative", "-7", std::nullopt, std::nullopt},
        ExamineCase{"Fraction", "12,5", std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace results
