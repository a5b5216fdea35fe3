#include "results/discharge.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <system_error>

namespace results {

// The flows and their texts must come out of the 80-bit extended format: with plain double
// arithmetic 0.75 bar at 14 mm would read 1,08 instead of 1,07.
static_assert(std::numeric_limits<long double>::digits == 64,
              "the flow arithmetic needs the 80-bit extended format");

// The nozzle's discharge table as measured: zeros and falling values are stored data and are
// interpolated as they stand.
const std::array<DischargeRow, DischargeRowCount> TBLbar{{
    // bar   r4    r6    r9    r10   r12   r13   r14   r16    r18
    {0.5, 0.12, 0.28, 0.62, 0.77, 1.1, 1.3, 0, 0, 0},
    {1, 0.17, 0.38, 0.88, 1.08, 1.57, 1.83, 2.15, 2.78, 3.52},
    {1.5, 0.22, 0.48, 1.08, 1.33, 1.92, 2.25, 2.6, 3.4, 4.3},
    {2, 0.25, 0.55, 1.25, 1.53, 2.22, 2.6, 3.02, 3.93, 4.97},
    {2.5, 0.27, 0.62, 1.38, 1.72, 2.47, 2.9, 3.37, 4.35, 5.57},
    {3, 0.3, 0.68, 1.52, 1.88, 2.7, 3.18, 3.67, 4.83, 6.42},
    {3.5, 0.32, 0.73, 1.65, 2.03, 2.92, 3.43, 4, 5.25, 6.58},
    {4, 0.35, 0.78, 1.77, 2.17, 3.13, 3.67, 4.25, 5.58, 7.08},
    {4.5, 0.37, 0.83, 1.87, 2.3, 3.32, 3.9, 4.5, 5.92, 7.5},
    {5, 0.38, 0.87, 1.97, 2.43, 3.5, 4.1, 4.75, 6.25, 7.92},
    {5.5, 0.42, 0.92, 2.07, 2.55, 3.67, 4.3, 5, 6.5, 8.25},
    {6, 0.43, 0.95, 2.15, 2.67, 3.83, 4.5, 5.25, 6.83, 8.67},
    {6.5, 0.45, 1, 2.25, 2.77, 3.98, 4.68, 5.42, 7.08, 9},
    {7, 0.47, 1.03, 2.33, 2.87, 4.13, 4.85, 5.67, 7.33, 9.33},
    {7.5, 0.48, 1.07, 2.42, 2.97, 4.28, 5.02, 5.83, 8, 9.67},
    {8, 0.48, 1.1, 2.48, 3.07, 4.42, 5.18, 6.33, 7.92, 10},
    {8.5, 0.5, 1.13, 2.57, 3.17, 4.55, 5.35, 6.25, 8, 10.27},
    {9, 0.52, 1.17, 2.63, 3.25, 4.68, 5.5, 6.42, 8.33, 10.58},
    {9.5, 0.53, 1.2, 2.72, 3.35, 4.82, 5.65, 6.58, 8.58, 10.83},
    {10, 0.55, 1.23, 2.78, 3.43, 4.95, 5.8, 6.75, 8.83, 11.17},
    {11, 0.58, 1.3, 0, 3.58, 5.17, 0, 7.08, 9.25, 11.67},
    {12, 0.6, 1.35, 0, 3.75, 5.42, 0, 7.42, 9.67, 12.25},
    {13, 0.63, 1.42, 0, 3.92, 5.67, 0, 8, 10.08, 12.75},
    {14, 0.65, 1.47, 0, 4.08, 5.83, 0, 8, 10.42, 13.17},
    {15, 0.67, 1.52, 0, 4.25, 6.42, 0, 8.25, 10.83, 13.67},
    {16, 0.7, 1.57, 0, 4.33, 6.25, 0, 8.5, 11.17, 13.08},
}};

namespace {

constexpr double MinPressure = 0.5;
constexpr double MaxPressure = 16;
constexpr const char* FlowError = "err";

using FlowColumn = double DischargeRow::*;

FlowColumn ColumnOf(int diameter) {
    switch (diameter) {
    case 4:
        return &DischargeRow::r4;
    case 6:
        return &DischargeRow::r6;
    case 9:
        return &DischargeRow::r9;
    case 10:
        return &DischargeRow::r10;
    case 12:
        return &DischargeRow::r12;
    case 13:
        return &DischargeRow::r13;
    case 14:
        return &DischargeRow::r14;
    case 16:
        return &DischargeRow::r16;
    case 18:
        return &DischargeRow::r18;
    default:
        throw NoColumnError("no discharge column for a nozzle of " + std::to_string(diameter) +
                            " mm");
    }
}

} // namespace

double FlowFromPressure(int diameter, double pressure) {
    // Written so that NaN fails the test too; the table is not consulted then.
    if (!(pressure >= MinPressure && pressure <= MaxPressure)) {
        return -1;
    }
    const FlowColumn column = ColumnOf(diameter);
    const long double p = pressure;
    for (std::size_t i = 0; i + 1 < TBLbar.size(); ++i) {
        const long double lo = TBLbar[i].bar;
        const long double hi = TBLbar[i + 1].bar;
        if (lo <= p && p < hi) {
            const long double flo = TBLbar[i].*column;
            const long double fhi = TBLbar[i + 1].*column;
            const long double flow = flo + ((fhi - flo) * (p - lo)) / (hi - lo);
            return static_cast<double>(flow);
        }
    }
    // Only 16 bar itself falls in no interval.
    return TBLbar.back().*column;
}

std::string FormatFlow(double value, char separator) {
    const long double hundredfold = static_cast<long double>(value) * 100.0L;
    if (!std::isfinite(hundredfold)) {
        return FlowError;
    }
    // nearbyintl rounds in the current mode, which is to nearest with ties to even.
    const long double rounded = std::nearbyintl(hundredfold);
    constexpr long double int64Bound = 9223372036854775808.0L; // 2^63, exact
    if (!(rounded >= -int64Bound && rounded < int64Bound)) {
        return FlowError;
    }
    const auto n = static_cast<std::int64_t>(rounded);

    // Below 10^15 the hundredths have at most 15 significant digits, so n / 100 in extended
    // precision, written with 15 significant digits, is exactly the decimal n / 100: write it
    // from the integer, which is several times faster than formatting the long double.
    constexpr std::int64_t plainBound = 1'000'000'000'000'000;
    if (n > -plainBound && n < plainBound) {
        const std::int64_t magnitude = n < 0 ? -n : n;
        std::string text = n < 0 ? "-" : "";
        text += std::to_string(magnitude / 100);
        const auto hundredths = static_cast<int>(magnitude % 100);
        if (hundredths != 0) {
            text += separator;
            text += static_cast<char>('0' + hundredths / 10);
            if (hundredths % 10 != 0) {
                text += static_cast<char>('0' + hundredths % 10);
            }
        }
        return text;
    }

    const long double quotient = static_cast<long double>(n) / 100.0L;
    char buffer[64];
    const auto [end, ec] = std::to_chars(std::begin(buffer), std::end(buffer), quotient,
                                         std::chars_format::general, 15);
    if (ec != std::errc{}) {
        return FlowError;
    }
    std::string text(std::begin(buffer), end);
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

std::string NormalizeNumber(std::string_view text, char separator) {
    if (text.empty()) {
        return "0";
    }
    std::string result(text);
    for (char& c : result) {
        if (c == ',' || c == '.') {
            c = separator;
        } else if (c < '0' || c > '9') {
            return "0";
        }
    }
    return result;
}

std::optional<double> ConvertNumber(std::string_view text, char separator) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string plain(text);
    int separators = 0;
    bool anyDigit = false;
    for (char& c : plain) {
        if (c == separator) {
            if (++separators > 1) {
                return std::nullopt;
            }
            c = '.';
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return 0.0; // a lone separator
    }
    double value = 0;
    const char* first = plain.data();
    const char* last = first + plain.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc{} || end != last) {
        return std::nullopt;
    }
    return value;
}

} // namespace results
