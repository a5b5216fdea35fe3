#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The nozzle discharge table and the conversions between typed numbers, flows and texts.
namespace results {

// Flow in l/s through nozzles of 4 … 18 mm at a pressure in bar.
struct DischargeRow {
    double bar;
    double r4, r6, r9, r10, r12, r13, r14, r16, r18;
};

inline constexpr std::size_t DischargeRowCount = 26;
extern const std::array<DischargeRow, DischargeRowCount> TBLbar;

// The diameters that have a column, in rising order.
inline constexpr std::array<int, 9> TableDiameters{4, 6, 9, 10, 12, 13, 14, 16, 18};

// Raised when a pressure inside the table's range meets a diameter without a column.
class NoColumnError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Flow by straight-line interpolation in extended precision; -1 for a pressure outside
// 0.5 … 16 bar (or not a number), whatever the diameter. Inside the range a diameter without
// a column raises NoColumnError.
double FlowFromPressure(int diameter, double pressure);

// Flow text with at most two decimals and the given separator, or "err".
std::string FormatFlow(double value, char separator);

// "," and "." become the separator; any other character but a digit gives "0".
std::string NormalizeNumber(std::string_view text, char separator);

// Converts what NormalizeNumber made: digits with at most one separator (a lone separator
// reads 0). Anything else, two separators included, fails.
std::optional<double> ConvertNumber(std::string_view text, char separator);

} // namespace results
