#include "results/results_grid.h"

#include "results/discharge.h"

#include <algorithm>
#include <stdexcept>

namespace results {

ResultsGrid::ResultsGrid() = default;

void ResultsGrid::SetRowCount(int rowCount) {
    if (rowCount < 1) {
        throw std::invalid_argument("the results grid keeps at least its header row");
    }
    // Storage is left as it is: rows that come back show their texts again.
    rowCount_ = rowCount;
}

const std::string& ResultsGrid::Cell(int column, int row) const {
    static const std::string empty;
    if (column < 0 || column >= ColumnCount || row < 0 ||
        static_cast<std::size_t>(row) >= cells_.size()) {
        return empty;
    }
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

bool ResultsGrid::SetCell(int column, int row, std::string text) {
    // Column 0 and row 0 are painted, never stored; rows past the end do not exist yet.
    if (column <= ColNumber || column >= ColumnCount || row < 1 || row >= rowCount_) {
        throw std::out_of_range("no data cell (" + std::to_string(column) + ", " +
                                std::to_string(row) + ") in the results grid");
    }
    const auto r = static_cast<std::size_t>(row);
    if (r >= cells_.size()) {
        if (text.empty()) {
            return false; // a never-written cell already reads empty
        }
        cells_.resize(r + 1);
    }
    std::string& cell = cells_[r][static_cast<std::size_t>(column)];
    if (cell == text) {
        return false;
    }
    cell = std::move(text);
    return true;
}

void ResultsGrid::StoreCell(int column, int row, std::string text) {
    if (column <= ColNumber || column >= ColumnCount || row < 1) {
        throw std::out_of_range("no data cell (" + std::to_string(column) + ", " +
                                std::to_string(row) + ") in the results grid");
    }
    const int count = rowCount_;
    rowCount_ = std::max(rowCount_, row + 1);
    SetCell(column, row, std::move(text));
    rowCount_ = count;
}

bool operator==(const ResultsGrid& a, const ResultsGrid& b) {
    if (a.RowCount() != b.RowCount())
        return false;
    const int rows = std::max({a.StoredRowCount(), b.StoredRowCount(), a.RowCount()});
    for (int row = 1; row < rows; ++row)
        for (int column = ColNumber + 1; column < ColumnCount; ++column)
            if (a.Cell(column, row) != b.Cell(column, row))
                return false;
    return true;
}

namespace {

void CheckDataRow(const ResultsGrid& grid, int row) {
    if (row < 1 || row >= grid.RowCount()) {
        throw std::out_of_range("no data row " + std::to_string(row) + " in the results grid");
    }
}

std::string ComputedFlow(const std::string& pressureText, const RowRules& rules) {
    if (pressureText.empty()) {
        return {};
    }
    const std::optional<double> pressure =
        ConvertNumber(NormalizeNumber(pressureText, rules.separator), rules.separator);
    if (!pressure || !rules.diameter) {
        return std::string(Err);
    }
    double flow = 0;
    try {
        flow = FlowFromPressure(*rules.diameter, *pressure);
    } catch (const NoColumnError&) {
        return std::string(Err);
    }
    std::string text = FormatFlow(flow, rules.separator);
    // -1 is the table's mark for a pressure outside it; the grid never shows it.
    return text == "-1" ? std::string(Err) : text;
}

// Judged on the text as shown, so that 2,496 cut to 2,5 meets 2.5 l/s.
std::string_view Compliance(const std::string& flowText, const RowRules& rules) {
    if (flowText.empty() || flowText == Err) {
        return No;
    }
    const std::optional<double> flow =
        ConvertNumber(NormalizeNumber(flowText, rules.separator), rules.separator);
    return flow && *flow >= rules.JetFlow ? Yes : No;
}

} // namespace

bool UpdateRow(ResultsGrid& grid, int row, const RowRules& rules) {
    CheckDataRow(grid, row);
    bool changed = false;

    const std::string& compliance = grid.Cell(ColCompliance, row);
    if (compliance != Yes && compliance != No) {
        changed |= grid.SetCell(ColCompliance, row, std::string(No));
    }

    std::string flowText;
    if (rules.autoFlow) {
        flowText = ComputedFlow(grid.Cell(ColPressure, row), rules);
        changed |= grid.SetCell(ColFlow, row, flowText);
    } else {
        flowText = grid.Cell(ColFlow, row);
    }

    // Without a flow the row cannot meet the requirement: a "Да" left from an earlier
    // pressure must not stand. With the switch off the mark is the user's.
    if (rules.autoCompliance) {
        changed |= grid.SetCell(ColCompliance, row, std::string(Compliance(flowText, rules)));
    }
    return changed;
}

std::vector<int> UpdateAllRows(ResultsGrid& grid, const RowRules& rules) {
    std::vector<int> changed;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (UpdateRow(grid, row, rules)) {
            changed.push_back(row);
        }
    }
    return changed;
}

namespace {

void ResetRow(ResultsGrid& grid, int row) {
    grid.SetCell(ColCock, row, std::to_string(row));
    grid.SetCell(ColDefects, row, std::string(No));
    grid.SetCell(ColCompliance, row, std::string(No));
}

} // namespace

void PrepareResultsGrid(ResultsGrid& grid, std::int32_t JetCount) {
    if (JetCount < 1 || JetCount == INT32_MAX) {
        throw std::invalid_argument("the results grid needs a jet count of at least 1, not " +
                                    std::to_string(JetCount));
    }
    grid.SetRowCount(JetCount + 1);
    for (int row = 1; row < grid.RowCount(); ++row) {
        ResetRow(grid, row);
    }
}

void AppendRow(ResultsGrid& grid) {
    if (grid.RowCount() == INT32_MAX) {
        throw std::length_error("the results grid has no room for another row");
    }
    grid.SetRowCount(grid.RowCount() + 1);
    ResetRow(grid, grid.RowCount() - 1);
}

bool CanRemoveRow(const ResultsGrid& grid) {
    return grid.RowCount() > 2;
}

void RemoveLastRow(ResultsGrid& grid) {
    if (CanRemoveRow(grid)) {
        grid.SetRowCount(grid.RowCount() - 1);
    }
}

std::string RequiredFlowCaption(double JetFlow, char separator) {
    return "Требуемый расход воды на внутреннее пожаротушение в пож. кранах не менее " +
           FormatFlow(JetFlow, separator) + " л/с";
}

} // namespace results
