#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The test results grid as data: row 0 is the header, rows 1 … RowCount()-1 one fire cock each.
namespace results {

inline constexpr int ColumnCount = 7;

enum Column : int {
    ColNumber = 0,     // painted sequence number, no stored text
    ColCock = 1,       // "№ ПК"
    ColLocation = 2,   // "Место расположения ПК"
    ColDefects = 3,    // "Недостатки технического состояния ПК"
    ColPressure = 4,   // bar, as typed
    ColFlow = 5,       // l/s text, "err" or empty
    ColCompliance = 6, // "Да" or "Нет"
};

inline constexpr std::string_view Yes = "Да";
inline constexpr std::string_view No = "Нет";
inline constexpr std::string_view Err = "err";

// Header texts of row 0, by column.
inline constexpr std::array<std::string_view, ColumnCount> GridHeaders{
    "№ п/п",
    "№ ПК",
    "Место расположения ПК",
    "Недостатки технического состояния ПК",
    "Давление у пожарного ствола, бар.",
    "Расход воды, л/c", // the c is Latin, as on the printed form
    "Соответствует требованиям СНиП 2.04.01-85*",
};

// Cell texts are kept by (column, row) independently of the row count, so a removed row's
// texts come back when the row is added again.
class ResultsGrid {
public:
    ResultsGrid(); // two rows: the header and one data row

    int RowCount() const { return rowCount_; }
    void SetRowCount(int rowCount);

    // Stored text; empty for a cell never written (and for column 0 and row 0, which are
    // painted). The reference lasts until the next SetCell.
    const std::string& Cell(int column, int row) const;
    // Returns whether the text changed. Only data cells of the present rows (columns 1 … 6,
    // rows 1 … RowCount()-1) take a text; any other cell raises std::out_of_range.
    bool SetCell(int column, int row, std::string text);

    // Rows that may hold stored text, the removed ones included: every row past it reads
    // empty.
    int StoredRowCount() const { return static_cast<int>(cells_.size()); }
    // Stores a data cell's text whether or not its row is present now, as the texts of a
    // removed row are kept; rows below 1 or columns outside 1 … 6 raise std::out_of_range.
    void StoreCell(int column, int row, std::string text);

    // Same row count and the same text in every cell, stored rows past the count included.
    friend bool operator==(const ResultsGrid& a, const ResultsGrid& b);

private:
    int rowCount_ = 2;
    std::vector<std::array<std::string, ColumnCount>> cells_;
};

// What a row's automatic columns depend on besides the row itself.
struct RowRules {
    std::optional<int> diameter; // none: the field holds no diameter of 4 … 18, flows "err"
    bool autoFlow = true;        // CheckBox8
    bool autoCompliance = true;  // CheckBox7
    double JetFlow = 0;
    char separator = ',';
};

// Brings columns 5 and 6 of one data row up to date; returns whether any cell changed.
// Raises std::out_of_range for a row that is not a data row.
bool UpdateRow(ResultsGrid& grid, int row, const RowRules& rules);
// Every data row; returns the rows that changed.
std::vector<int> UpdateAllRows(ResultsGrid& grid, const RowRules& rules);

// Sizes the grid to JetCount data rows (at least 1, else std::invalid_argument) and resets
// numbers, defects and compliance marks of every data row; locations, pressures and flows stay.
void PrepareResultsGrid(ResultsGrid& grid, std::int32_t JetCount);
void AppendRow(ResultsGrid& grid);
// Whether the last row may go: one data row always stays.
bool CanRemoveRow(const ResultsGrid& grid);
void RemoveLastRow(ResultsGrid& grid); // never below one data row

// "Требуемый расход воды … не менее 2,5 л/с" above the grid.
std::string RequiredFlowCaption(double JetFlow, char separator);

} // namespace results
