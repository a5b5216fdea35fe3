#include "results/results_grid.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace results {
namespace {

// One data row before and after its update.
struct RowCase {
    const char* name;
    bool autoFlow;
    bool autoCompliance;
    const char* pressure;   // column 4 as typed
    const char* flowBefore; // column 5
    const char* markBefore; // column 6
    const char* flowAfter;
    const char* markAfter;
    std::optional<int> diameter = 13;
    double JetFlow = 2.5;
    char separator = ',';
};

class RowUpdate : public testing::TestWithParam<RowCase> {};

TEST_P(RowUpdate, FillsFlowAndCompliance) {
    const RowCase& c = GetParam();
    ResultsGrid grid;
    grid.SetCell(ColPressure, 1, c.pressure);
    grid.SetCell(ColFlow, 1, c.flowBefore);
    grid.SetCell(ColCompliance, 1, c.markBefore);
    const RowRules rules{c.diameter, c.autoFlow, c.autoCompliance, c.JetFlow, c.separator};

    const bool changed = UpdateRow(grid, 1, rules);

    EXPECT_EQ(grid.Cell(ColFlow, 1), c.flowAfter);
    EXPECT_EQ(grid.Cell(ColCompliance, 1), c.markAfter);
    EXPECT_EQ(grid.Cell(ColPressure, 1), c.pressure);
    EXPECT_EQ(changed,
              std::string(c.flowBefore) != c.flowAfter || std::string(c.markBefore) != c.markAfter);
    // The update is settled: a second run finds nothing to change.
    EXPECT_FALSE(UpdateRow(grid, 1, rules));
}

INSTANTIATE_TEST_SUITE_P(
    BothAuto, RowUpdate,
    testing::Values(RowCase{"ValueMeets", true, true, "2", "", "Нет", "2,6", "Да"},
                    RowCase{"ValueFallsShort", true, true, "1", "", "Нет", "1,83", "Нет"},
                    RowCase{"PointSeparatorTyped", true, true, "2.5", "", "Нет", "2,9", "Да"},
                    RowCase{"CommaSeparatorTyped", true, true, "2,5", "", "Нет", "2,9", "Да"},
                    RowCase{"HighestPressureStoredZero", true, true, "16", "", "Нет", "0", "Нет"},
                    RowCase{"FlowTypedByHandIsReplaced", true, true, "2", "9", "Нет", "2,6", "Да"},
                    RowCase{"LowerCaseMarkIsRejudged", true, true, "1", "1,83", "да", "1,83",
                            "Нет"},
                    // A flow cut to 2,5 meets 2.5 l/s though the flow itself is 2.496.
                    RowCase{"CutFlowMeetsJetFlow", true, true, "1,8514", "", "Нет", "2,5", "Да"},
                    RowCase{"CutFlowJustShort", true, true, "1,848", "", "Нет", "2,49", "Нет"},
                    RowCase{"EmptyPressureEmptiesFlow", true, true, "", "2,6", "Нет", "", "Нет"},
                    RowCase{"EmptyPressureNewRow", true, true, "", "", "Нет", "", "Нет"},
                    // A flow that is gone takes its "Да" with it.
                    RowCase{"DeletedPressureDropsYes", true, true, "", "2,6", "Да", "", "Нет"},
                    RowCase{"OutOfRangeDropsYes", true, true, "30", "2,6", "Да", "err", "Нет"},
                    RowCase{"BelowRange", true, true, "0.3", "", "Нет", "err", "Нет"},
                    RowCase{"NegativeIsNoNumber", true, true, "-2", "", "Да", "err", "Нет"},
                    RowCase{"TrailingSpace", true, true, "2 ", "", "Нет", "err", "Нет"},
                    RowCase{"Letters", true, true, "abc", "", "Нет", "err", "Нет"},
                    RowCase{"TwoSeparators", true, true, "1.2.3", "", "Да", "err", "Нет"},
                    RowCase{"LoneSeparatorIsZeroBar", true, true, ",", "", "Нет", "err", "Нет"},
                    RowCase{"NoDiameter", true, true, "2", "2,6", "Да", "err", "Нет", std::nullopt},
                    RowCase{"DiameterWithoutColumn", true, true, "2", "", "Да", "err", "Нет", 5},
                    RowCase{"PointLocale", true, true, "2,5", "", "Нет", "2.9", "Да", 13, 2.5, '.'},
                    RowCase{"FiveLitresMet", true, true, "2,5", "", "Нет", "5,57", "Да", 18, 5.0},
                    RowCase{"FiveLitresShort", true, true, "2", "", "Нет", "4,97", "Нет", 18, 5.0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    AutoFlowOnly, RowUpdate,
    testing::Values(RowCase{"MarkKeptNo", true, false, "2", "", "Нет", "2,6", "Нет"},
                    RowCase{"MarkKeptYes", true, false, "1", "", "Да", "1,83", "Да"},
                    RowCase{"ErrKeepsUsersMark", true, false, "30", "2,6", "Да", "err", "Да"},
                    RowCase{"EmptyPressureKeepsMark", true, false, "", "2,6", "Да", "", "Да"},
                    RowCase{"TwoSeparators", true, false, "1.2.3", "", "Нет", "err", "Нет"},
                    RowCase{"Letters", true, false, "abc", "2,6", "Да", "err", "Да"},
                    RowCase{"LowerCaseMarkForced", true, false, "2", "", "да", "2,6", "Нет"},
                    RowCase{"EmptyMarkForced", true, false, "2", "", "", "2,6", "Нет"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    AutoComplianceOnly, RowUpdate,
    testing::Values(RowCase{"TypedFlowMeets", false, true, "1", "3", "Нет", "3", "Да"},
                    RowCase{"TypedFlowEqual", false, true, "", "2.5", "Нет", "2.5", "Да"},
                    RowCase{"TypedFlowShort", false, true, "2", "2,4", "Да", "2,4", "Нет"},
                    RowCase{"TypedLettersCountAsZero", false, true, "2", "abc", "Да", "abc", "Нет"},
                    RowCase{"TypedTwoSeparators", false, true, "2", "1,2,3", "Да", "1,2,3", "Нет"},
                    RowCase{"EmptyFlow", false, true, "2", "", "Да", "", "Нет"},
                    RowCase{"ErrFlow", false, true, "2", "err", "Да", "err", "Нет"},
                    // The pressure is not read while the flow is typed by hand.
                    RowCase{"PressureOutOfRange", false, true, "30", "2,6", "Нет", "2,6", "Да"},
                    RowCase{"PressureLetters", false, true, "abc", "3", "Нет", "3", "Да"},
                    RowCase{"PressureTwoSeparators", false, true, "1.2.3", "2", "Да", "2", "Нет"},
                    RowCase{"PointLocaleReadsComma", false, true, "", "2,5", "Нет", "2,5", "Да", 13,
                            2.5, '.'}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NeitherAuto, RowUpdate,
    testing::Values(RowCase{"BothKept", false, false, "2", "abc", "Да", "abc", "Да"},
                    RowCase{"EmptyKept", false, false, "", "", "Нет", "", "Нет"},
                    RowCase{"ErrKept", false, false, "30", "err", "Да", "err", "Да"},
                    RowCase{"PressureLetters", false, false, "abc", "2,6", "Нет", "2,6", "Нет"},
                    RowCase{"PressureTwoSeparators", false, false, "1.2.3", "", "Да", "", "Да"},
                    RowCase{"ForeignMarkForced", false, false, "2", "2,6", "Yes", "2,6", "Нет"}),
    [](const auto& info) { return std::string(info.param.name); });

const RowRules Defaults{13, true, true, 2.5, ','};

// A grid of three fire cocks with every column written.
class FilledGrid : public testing::Test {
protected:
    void SetUp() override {
        PrepareResultsGrid(grid_, 3);
        for (int row = 1; row <= 3; ++row) {
            const std::string n = std::to_string(row);
            grid_.SetCell(ColCock, row, "ПК-" + n);
            grid_.SetCell(ColLocation, row, "этаж " + n);
            grid_.SetCell(ColDefects, row, "течь " + n);
            grid_.SetCell(ColPressure, row, "2");
            grid_.SetCell(ColFlow, row, "2,6");
            grid_.SetCell(ColCompliance, row, "Да");
        }
    }

    void ExpectReset(int row) const {
        EXPECT_EQ(grid_.Cell(ColCock, row), std::to_string(row));
        EXPECT_EQ(grid_.Cell(ColDefects, row), "Нет");
        EXPECT_EQ(grid_.Cell(ColCompliance, row), "Нет");
    }

    void ExpectKept(int row) const {
        EXPECT_EQ(grid_.Cell(ColLocation, row), "этаж " + std::to_string(row));
        EXPECT_EQ(grid_.Cell(ColPressure, row), "2");
        EXPECT_EQ(grid_.Cell(ColFlow, row), "2,6");
    }

    ResultsGrid grid_;
};

TEST_F(FilledGrid, RemovedRowComesBackWithItsTexts) {
    RemoveLastRow(grid_);
    EXPECT_EQ(grid_.RowCount(), 3);
    AppendRow(grid_);
    ASSERT_EQ(grid_.RowCount(), 4);
    ExpectKept(3);
    ExpectReset(3);
}

TEST_F(FilledGrid, RemovingStopsAtOneDataRow) {
    EXPECT_TRUE(CanRemoveRow(grid_));
    RemoveLastRow(grid_);
    RemoveLastRow(grid_);
    EXPECT_FALSE(CanRemoveRow(grid_));
    RemoveLastRow(grid_);
    EXPECT_EQ(grid_.RowCount(), 2);
    ExpectKept(1);
}

TEST_F(FilledGrid, PrepareKeepsLocationsPressuresFlowsAndResetsTheRest) {
    PrepareResultsGrid(grid_, 3);
    EXPECT_EQ(grid_.RowCount(), 4);
    for (int row = 1; row <= 3; ++row) {
        ExpectKept(row);
        ExpectReset(row);
    }
}

TEST_F(FilledGrid, PrepareBringsBackRowsOfAnEarlierVisit) {
    PrepareResultsGrid(grid_, 1);
    EXPECT_EQ(grid_.RowCount(), 2);
    PrepareResultsGrid(grid_, 3);
    for (int row = 1; row <= 3; ++row) {
        ExpectKept(row);
        ExpectReset(row);
    }
}

TEST(PrepareResultsGrid, PreFillsEveryRowOfALargeGrid) {
    ResultsGrid grid;
    PrepareResultsGrid(grid, 1000);
    ASSERT_EQ(grid.RowCount(), 1001);
    for (int row = 1; row <= 1000; ++row) {
        ASSERT_EQ(grid.Cell(ColCock, row), std::to_string(row)) << "row " << row;
        ASSERT_EQ(grid.Cell(ColDefects, row), "Нет") << "row " << row;
        ASSERT_EQ(grid.Cell(ColCompliance, row), "Нет") << "row " << row;
    }
}

// A diameter change reaches every row, not only those on screen.
TEST(UpdateAllRows, BringsEveryRowUpToDateAndNamesTheChangedOnes) {
    ResultsGrid grid;
    PrepareResultsGrid(grid, 1000);
    for (int row = 1; row <= 1000; ++row) {
        grid.SetCell(ColPressure, row, row == 500 ? "" : "2");
    }
    RowRules rules = Defaults;
    EXPECT_EQ(UpdateAllRows(grid, rules).size(), 999u);

    rules.diameter = 12;
    const std::vector<int> changed = UpdateAllRows(grid, rules);
    ASSERT_EQ(changed.size(), 999u);
    EXPECT_EQ(changed.front(), 1);
    EXPECT_EQ(changed.back(), 1000);
    for (int row = 1; row <= 1000; ++row) {
        ASSERT_EQ(grid.Cell(ColFlow, row), row == 500 ? "" : "2,22") << "row " << row;
        ASSERT_EQ(grid.Cell(ColCompliance, row), "Нет") << "row " << row;
    }
    EXPECT_TRUE(UpdateAllRows(grid, rules).empty());
}

TEST(ResultsGrid, NeverWrittenCellsReadEmpty) {
    ResultsGrid grid;
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(ColLocation, 1), "");
    EXPECT_EQ(grid.Cell(ColLocation, 1000), "");
    EXPECT_EQ(grid.Cell(ColNumber, 1), "");
    EXPECT_EQ(grid.Cell(ColumnCount, 1), "");
    EXPECT_EQ(grid.Cell(-1, -1), "");
}

struct CellCase {
    const char* name;
    int column;
    int row;
};

class SetCellOutsideData : public testing::TestWithParam<CellCase> {};

TEST_P(SetCellOutsideData, Raises) {
    ResultsGrid grid;
    PrepareResultsGrid(grid, 3);
    const CellCase& c = GetParam();
    EXPECT_THROW(grid.SetCell(c.column, c.row, "x"), std::out_of_range);
    EXPECT_EQ(grid.Cell(c.column, c.row), "");
}

INSTANTIATE_TEST_SUITE_P(ResultsGrid, SetCellOutsideData,
                         testing::Values(CellCase{"NumberColumn", ColNumber, 1},
                                         CellCase{"PastLastColumn", ColumnCount, 1},
                                         CellCase{"NegativeColumn", -1, 1},
                                         CellCase{"HeaderRow", ColLocation, 0},
                                         CellCase{"PastLastRow", ColLocation, 4},
                                         CellCase{"NegativeRow", ColLocation, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

class UpdateRowOutsideData : public testing::TestWithParam<int> {};

TEST_P(UpdateRowOutsideData, Raises) {
    ResultsGrid grid;
    PrepareResultsGrid(grid, 3);
    EXPECT_THROW(UpdateRow(grid, GetParam(), Defaults), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(ResultsGrid, UpdateRowOutsideData, testing::Values(-1, 0, 4));

struct JetCountCase {
    const char* name;
    std::int32_t JetCount;
};

class PrepareWithoutJets : public testing::TestWithParam<JetCountCase> {};

TEST_P(PrepareWithoutJets, RaisesAndLeavesTheGrid) {
    ResultsGrid grid;
    PrepareResultsGrid(grid, 2);
    EXPECT_THROW(PrepareResultsGrid(grid, GetParam().JetCount), std::invalid_argument);
    EXPECT_EQ(grid.RowCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(ResultsGrid, PrepareWithoutJets,
                         testing::Values(JetCountCase{"NotDetermined", 0},
                                         JetCountCase{"Negative", -1},
                                         JetCountCase{"NoRoomForHeader", INT32_MAX}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CaptionCase {
    const char* name;
    double JetFlow;
    char separator;
    const char* figure;
};

class RequiredFlow : public testing::TestWithParam<CaptionCase> {};

TEST_P(RequiredFlow, StatesTheFlowPerJet) {
    const CaptionCase& c = GetParam();
    EXPECT_EQ(RequiredFlowCaption(c.JetFlow, c.separator),
              std::string("Требуемый расход воды на внутреннее пожаротушение в пож. кранах не "
                          "менее ") +
                  c.figure + " л/с");
}

INSTANTIATE_TEST_SUITE_P(ResultsGrid, RequiredFlow,
                         testing::Values(CaptionCase{"TwoAndAHalf", 2.5, ',', "2,5"},
                                         CaptionCase{"OneAndAHalfPoint", 1.5, '.', "1.5"},
                                         CaptionCase{"Five", 5.0, ',', "5"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The flow header ends in a Latin c, as on the printed form, not the Cyrillic letter.
TEST(GridHeaders, FlowHeaderEndsInLatinC) {
    EXPECT_EQ(GridHeaders[ColFlow].back(), 'c');
}

} // namespace
} // namespace results
