#include "results/discharge.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace results {
namespace {

// The pressures rise strictly: 0.5 to 10 in steps of 0.5, then 11 to 16 in steps of 1.
TEST(TBLbar, PressuresRiseInHalfThenWholeBars) {
    for (std::size_t i = 0; i < DischargeRowCount; ++i) {
        const double expected =
            i < 20 ? 0.5 * static_cast<double>(i + 1) : 10.0 + static_cast<double>(i - 19);
        EXPECT_EQ(TBLbar[i].bar, expected) << "row " << i;
    }
}

// Stored zeros and falling values are data of the nozzle and must not be smoothed away.
struct CellCase {
    const char* name;
    std::size_t row;
    double DischargeRow::*column;
    double value;
};

class TBLbarCells : public testing::TestWithParam<CellCase> {};

TEST_P(TBLbarCells, KeepsTheStoredValue) {
    const CellCase& c = GetParam();
    EXPECT_EQ(TBLbar[c.row].*c.column, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, TBLbarCells,
    testing::Values(CellCase{"ZeroAt14LowestPressure", 0, &DischargeRow::r14, 0},
                    CellCase{"ZeroAt16LowestPressure", 0, &DischargeRow::r16, 0},
                    CellCase{"ZeroAt18LowestPressure", 0, &DischargeRow::r18, 0},
                    CellCase{"ZeroAt9From11Bar", 20, &DischargeRow::r9, 0},
                    CellCase{"ZeroAt9At16Bar", 25, &DischargeRow::r9, 0},
                    CellCase{"ZeroAt13From11Bar", 20, &DischargeRow::r13, 0},
                    CellCase{"ZeroAt13At16Bar", 25, &DischargeRow::r13, 0},
                    CellCase{"FlatAt4At7_5Bar", 14, &DischargeRow::r4, 0.48},
                    CellCase{"FlatAt4At8Bar", 15, &DischargeRow::r4, 0.48},
                    CellCase{"At12Before16Bar", 24, &DischargeRow::r12, 6.42},
                    CellCase{"At12FallsAt16Bar", 25, &DischargeRow::r12, 6.25},
                    CellCase{"At14At8Bar", 15, &DischargeRow::r14, 6.33},
                    CellCase{"At14FallsAt8_5Bar", 16, &DischargeRow::r14, 6.25},
                    CellCase{"At14At13Bar", 22, &DischargeRow::r14, 8},
                    CellCase{"At14FlatAt14Bar", 23, &DischargeRow::r14, 8},
                    CellCase{"At16At7_5Bar", 14, &DischargeRow::r16, 8},
                    CellCase{"At16FallsAt8Bar", 15, &DischargeRow::r16, 7.92},
                    CellCase{"At16BackAt8_5Bar", 16, &DischargeRow::r16, 8},
                    CellCase{"At18Before16Bar", 24, &DischargeRow::r18, 13.67},
                    CellCase{"At18FallsAt16Bar", 25, &DischargeRow::r18, 13.08}),
    [](const auto& info) { return std::string(info.param.name); });

struct FlowCase {
    const char* name;
    double pressure;
    int diameter;
    double flow;      // expected to the nearest 1e-9
    const char* text; // FormatFlow with a comma
};

class FlowFromPressureTable : public testing::TestWithParam<FlowCase> {};

TEST_P(FlowFromPressureTable, GivesTheFlowAndItsText) {
    const FlowCase& c = GetParam();
    const double flow = FlowFromPressure(c.diameter, c.pressure);
    EXPECT_NEAR(flow, c.flow, 1e-9);
    EXPECT_EQ(FormatFlow(flow, ','), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, FlowFromPressureTable,
    testing::Values(FlowCase{"LowestPressureAt13", 0.5, 13, 1.3, "1,3"},
                    FlowCase{"StoredZeroAtLowestPressure", 0.5, 18, 0, "0"},
                    FlowCase{"JustBelowRange", 0.49999, 13, -1, "-1"},
                    FlowCase{"JustBelowRangeNoColumn", 0.49999, 5, -1, "-1"},
                    FlowCase{"JustAboveRange", 16.0001, 13, -1, "-1"},
                    FlowCase{"JustAboveRangeNoColumn", 16.0001, 5, -1, "-1"},
                    FlowCase{"HighestPressureLastRow18", 16, 18, 13.08, "13,08"},
                    FlowCase{"HighestPressureStoredZero", 16, 13, 0, "0"},
                    FlowCase{"HighestPressureLastRow4", 16, 4, 0.7, "0,7"},
                    FlowCase{"FallingTowardsZero9", 10.5, 9, 1.39, "1,39"},
                    FlowCase{"FallingTowardsZero13", 10.5, 13, 2.9, "2,9"},
                    FlowCase{"ZeroRowsAt9", 13, 9, 0, "0"},
                    FlowCase{"RisingFromZeroCutsDown", 0.75, 14, 1.075, "1,07"},
                    FlowCase{"RisingFromZero18", 0.75, 18, 1.76, "1,76"},
                    FlowCase{"InsideFallingPair16", 7.75, 16, 7.96, "7,96"},
                    FlowCase{"FallingLastPair12", 15.5, 12, 6.335, "6,33"},
                    FlowCase{"FlatPair4", 7.75, 4, 0.48, "0,48"},
                    FlowCase{"RowValueExactly", 2, 13, 2.6, "2,6"},
                    FlowCase{"BetweenRows", 1.9, 13, 2.53, "2,53"},
                    FlowCase{"NaNPressure", std::nan(""), 13, -1, "-1"},
                    FlowCase{"NaNPressureNoColumn", std::nan(""), 5, -1, "-1"}),
    [](const auto& info) { return std::string(info.param.name); });

// The two cut-downs that only the extended format gets right: the hundredfold of the stored
// double lies just below the halfway point.
TEST(FlowFromPressure, HundredfoldInExtendedPrecisionStaysBelowHalfway) {
    const double flow = FlowFromPressure(14, 0.75);
    EXPECT_LT(static_cast<long double>(flow) * 100.0L, 107.5L);
    EXPECT_EQ(FormatFlow(FlowFromPressure(12, 15.5), ','), "6,33");
}

struct NoColumnCase {
    const char* name;
    int diameter;
    double pressure;
};

class FlowFromPressureNoColumn : public testing::TestWithParam<NoColumnCase> {};

TEST_P(FlowFromPressureNoColumn, RaisesForAPressureInRange) {
    const NoColumnCase& c = GetParam();
    EXPECT_THROW(FlowFromPressure(c.diameter, c.pressure), NoColumnError);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, FlowFromPressureNoColumn,
    testing::Values(NoColumnCase{"Five", 5, 2}, NoColumnCase{"SevenAtLowestPressure", 7, 0.5},
                    NoColumnCase{"ElevenAtHighestPressure", 11, 16}, NoColumnCase{"One", 1, 3},
                    NoColumnCase{"Zero", 0, 3}, NoColumnCase{"Negative", -13, 3},
                    // 260 would be 4 if only its low 8 bits were read.
                    NoColumnCase{"WideValue", 260, 3}, NoColumnCase{"Nineteen", 19, 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    double value;
    char separator;
    const char* text;
};

class FormatFlowTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFlowTable, WritesAtMostTwoDecimals) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFlow(c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, FormatFlowTable,
    testing::Values(
        FormatCase{"OneDecimal", 2.5, ',', "2,5"}, FormatCase{"Whole", 3, ',', "3"},
        FormatCase{"Zero", 0, ',', "0"}, FormatCase{"NegativeZero", -0.0, ',', "0"},
        FormatCase{"MinusOne", -1, ',', "-1"}, FormatCase{"TwoDecimals", 2.67, ',', "2,67"},
        FormatCase{"HalfwayDownToEven", 0.125, ',', "0,12"},
        FormatCase{"HalfwayUpToEven", 0.375, ',', "0,38"},
        // The stored doubles of 0.015 and 0.005 lie below and above the halfway point.
        FormatCase{"JustBelowHalfway", 0.015, ',', "0,01"},
        FormatCase{"JustAboveHalfway", 0.005, ',', "0,01"},
        FormatCase{"CutToTwoDecimals", 2.496, ',', "2,5"},
        FormatCase{"TinyNegativeIsZero", -0.001, ',', "0"},
        FormatCase{"NegativeFraction", -2.25, ',', "-2,25"},
        FormatCase{"PointSeparator", 2.67, '.', "2.67"},
        FormatCase{"PointSeparatorWhole", 13, '.', "13"},
        FormatCase{"LargeStillPlain", 123456789012.34, ',', "123456789012,34"},
        FormatCase{"NegativeLarge", -123456789012.34, ',', "-123456789012,34"},
        FormatCase{"OneHundredth", 0.01, ',', "0,01"}, FormatCase{"TenthsOnly", 0.1, ',', "0,1"},
        FormatCase{"WholeHundreds", 100, ',', "100"},
        // Sixteen significant digits are cut to fifteen.
        FormatCase{"BeyondFifteenDigits", 12345678901234.56, ',', "12345678901234,6"},
        FormatCase{"Infinite", std::numeric_limits<double>::infinity(), ',', "err"},
        FormatCase{"NegativeInfinite", -std::numeric_limits<double>::infinity(), ',', "err"},
        FormatCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), ',', "err"},
        // The hundredfold no longer fits in a 64-bit integer.
        FormatCase{"BeyondInt64", 1e17, ',', "err"}, FormatCase{"BelowInt64", -1e17, ',', "err"},
        FormatCase{"LargestDouble", std::numeric_limits<double>::max(), ',', "err"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NormalizeCase {
    const char* name;
    const char* text;
    char separator;
    const char* result;
};

class NormalizeNumberTable : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeNumberTable, KeepsDigitsAndSeparatorsOnly) {
    const NormalizeCase& c = GetParam();
    EXPECT_EQ(NormalizeNumber(c.text, c.separator), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, NormalizeNumberTable,
    testing::Values(NormalizeCase{"PointToComma", "2.5", ',', "2,5"},
                    NormalizeCase{"CommaStays", "2,5", ',', "2,5"},
                    NormalizeCase{"CommaToPoint", "2,5", '.', "2.5"},
                    NormalizeCase{"PointStays", "2.5", '.', "2.5"},
                    NormalizeCase{"Empty", "", ',', "0"}, NormalizeCase{"Minus", "-3", ',', "0"},
                    NormalizeCase{"Plus", "+3", ',', "0"},
                    NormalizeCase{"LeadingSpace", " 3", ',', "0"},
                    NormalizeCase{"TrailingSpace", "3 ", ',', "0"},
                    NormalizeCase{"Exponent", "1e3", ',', "0"},
                    NormalizeCase{"Letters", "abc", ',', "0"},
                    NormalizeCase{"CyrillicLetter", "2,5б", ',', "0"},
                    NormalizeCase{"SeparatorsAreNotCounted", "1.2.3", ',', "1,2,3"},
                    NormalizeCase{"MixedSeparators", "1,2.3", '.', "1.2.3"},
                    NormalizeCase{"LeadingZeros", "007", ',', "007"},
                    NormalizeCase{"LoneSeparator", ".", ',', ","}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConvertCase {
    const char* name;
    const char* text;
    char separator;
    double value;
};

class ConvertNumberTable : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertNumberTable, ReadsTheNearestDouble) {
    const ConvertCase& c = GetParam();
    const std::optional<double> value = ConvertNumber(c.text, c.separator);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, ConvertNumberTable,
    testing::Values(ConvertCase{"Comma", "2,5", ',', 2.5}, ConvertCase{"Point", "2.5", '.', 2.5},
                    ConvertCase{"Whole", "16", ',', 16}, ConvertCase{"LeadingZeros", "007", ',', 7},
                    ConvertCase{"TrailingSeparator", "5,", ',', 5},
                    ConvertCase{"LeadingSeparator", ",75", ',', 0.75},
                    ConvertCase{"LoneSeparator", ",", ',', 0},
                    ConvertCase{"NearestDouble", "0,1", ',', 0.1},
                    ConvertCase{"ManyDigits", "2,49999999999999999999", ',', 2.5}),
    [](const auto& info) { return std::string(info.param.name); });

// More digits than any double can hold a value of.
const std::string beyondDouble(400, '9');

class ConvertNumberFailure : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertNumberFailure, GivesNoNumber) {
    const ConvertCase& c = GetParam();
    EXPECT_EQ(ConvertNumber(c.text, c.separator), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Discharge, ConvertNumberFailure,
    testing::Values(ConvertCase{"Empty", "", ',', 0}, ConvertCase{"TwoSeparators", "1,2,3", ',', 0},
                    ConvertCase{"TwoLoneSeparators", ",,", ',', 0},
                    ConvertCase{"OtherSeparator", "2.5", ',', 0}, ConvertCase{"Sign", "-2", ',', 0},
                    ConvertCase{"Space", "2 ", ',', 0}, ConvertCase{"Exponent", "1e3", ',', 0},
                    ConvertCase{"Letters", "abc", ',', 0},
                    ConvertCase{"BeyondDouble", beyondDouble.c_str(), ',', 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace results
