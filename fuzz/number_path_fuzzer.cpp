// The way a typed pressure becomes a flow text: NormalizeNumber, the conversion, the discharge
// table and FormatFlow, with either separator and any diameter byte; then the same text
// through the grid's row rule. A flow text is "err" or a plain number with at most two
// decimals, never anything else, and it is the text an independent reference computes: its
// own reading of the typed number, the table as typed in tests/results/discharge_nodes.txt,
// the interpolation and the rounding to hundredths.
#include "fuzz_check.h"
#include "results/discharge.h"
#include "results/results_grid.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits, then optionally the separator and one or two digits.
bool IsFlowNumber(std::string_view text, char separator) {
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    if (i == 0) {
        return false;
    }
    if (i == text.size()) {
        return true;
    }
    if (text[i] != separator) {
        return false;
    }
    const std::size_t decimals = text.size() - i - 1;
    if (decimals < 1 || decimals > 2) {
        return false;
    }
    return IsDigit(text[i + 1]) && (decimals == 1 || IsDigit(text[i + 2]));
}

std::string FlowText(std::string_view pressureText, int diameter, char separator) {
    const std::optional<double> pressure =
        results::ConvertNumber(results::NormalizeNumber(pressureText, separator), separator);
    if (!pressure) {
        return "err";
    }
    FUZZ_CHECK(*pressure >= 0, "a converted pressure is never negative");
    double flow = 0;
    try {
        flow = results::FlowFromPressure(diameter, *pressure);
    } catch (const results::NoColumnError&) {
        return "err";
    }
    const std::string text = results::FormatFlow(flow, separator);
    if (flow == -1) {
        FUZZ_CHECK(text == "-1", "the out-of-range mark is written -1");
        return "err";
    }
    FUZZ_CHECK(flow >= 0 && flow <= 13.67, "a table flow lies within the table's values");
    return text;
}

constexpr std::array<double, 4> JetFlows{0, 1.5, 2.5, 5.0};

// ---- The reference: written apart from the code under test. ----

// The typed table: per row the pressure, then the flows of the nine table diameters.
constexpr std::array<int, 9> ReferenceDiameters{4, 6, 9, 10, 12, 13, 14, 16, 18};
std::vector<std::array<double, 10>> ReferenceTable;

void ReadReferenceTable() {
    std::ifstream file(NAPORIS_DISCHARGE_NODES);
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::array<double, 10> row{};
        for (double& value : row) {
            std::string field;
            fields >> field;
            value = std::strtod(field.c_str(), nullptr);
        }
        ReferenceTable.push_back(row);
    }
    FUZZ_CHECK(ReferenceTable.size() == 26, "the typed discharge table has its 26 rows");
}

// A typed pressure as the grid reads it: digits with at most one "," or "." (a text of
// nothing but one separator reads 0, an empty text 0); anything else is no number.
std::optional<double> ReferencePressure(std::string_view typed) {
    std::string plain;
    int separators = 0;
    for (const char c : typed) {
        if (c == ',' || c == '.') {
            ++separators;
            plain += '.';
        } else if (IsDigit(c)) {
            plain += c;
        } else {
            return 0.0; // NormalizeNumber gives up: "0"
        }
    }
    if (separators > 1) {
        return std::nullopt;
    }
    if (plain.find_first_of("0123456789") == std::string::npos) {
        return 0.0;
    }
    return std::strtod(plain.c_str(), nullptr);
}

// Hundredths rounded to nearest, ties to even, from the hundredfold in extended precision;
// written as a plain decimal without trailing zeros.
std::string ReferenceText(double flow, char separator) {
    const long long n = std::llrintl(static_cast<long double>(flow) * 100.0L);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%lld", n < 0 ? -n : n);
    std::string text(digits);
    while (text.size() < 3) {
        text.insert(text.begin(), '0');
    }
    std::string whole = text.substr(0, text.size() - 2);
    std::string hundredths = text.substr(text.size() - 2);
    while (!hundredths.empty() && hundredths.back() == '0') {
        hundredths.pop_back();
    }
    std::string result = (n < 0 ? "-" : "") + whole;
    if (!hundredths.empty()) {
        result += separator + hundredths;
    }
    return result;
}

std::string ReferenceFlowText(std::string_view typed, int diameter, char separator) {
    const std::optional<double> pressure = ReferencePressure(typed);
    if (!pressure || !(*pressure >= 0.5 && *pressure <= 16)) {
        return "err";
    }
    std::size_t column = 0;
    for (std::size_t d = 0; d < ReferenceDiameters.size(); ++d) {
        if (ReferenceDiameters[d] == diameter) {
            column = d + 1;
        }
    }
    if (column == 0) {
        return "err";
    }
    const long double p = *pressure;
    double flow = ReferenceTable.back()[column];
    for (std::size_t r = 0; r + 1 < ReferenceTable.size(); ++r) {
        const long double lo = ReferenceTable[r][0];
        const long double hi = ReferenceTable[r + 1][0];
        if (p >= lo && p < hi) {
            const long double flo = ReferenceTable[r][column];
            const long double fhi = ReferenceTable[r + 1][column];
            flow = static_cast<double>(flo + ((fhi - flo) * (p - lo)) / (hi - lo));
            break;
        }
    }
    return ReferenceText(flow, separator);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ReadReferenceTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const char separator = (data[0] & 1) ? '.' : ',';
    const int diameter = data[1];
    const std::uint8_t flags = data[2];
    const std::string_view pressureText(reinterpret_cast<const char*>(data + 3), size - 3);

    const std::string text = FlowText(pressureText, diameter, separator);
    FUZZ_CHECK(text == "err" || IsFlowNumber(text, separator),
               "a flow text is err or a number with at most two decimals");
    FUZZ_CHECK(text == ReferenceFlowText(pressureText, diameter, separator),
               "the flow text is the reference's");

    // The grid's row rule must show the same text and a verdict of its own two words.
    results::ResultsGrid grid;
    grid.SetCell(results::ColPressure, 1, std::string(pressureText));
    results::RowRules rules;
    rules.diameter = diameter;
    rules.separator = separator;
    rules.autoFlow = true;
    rules.autoCompliance = (flags & 1) != 0;
    rules.JetFlow = JetFlows[(flags >> 1) & 3];
    results::UpdateRow(grid, 1, rules);
    const std::string& shown = grid.Cell(results::ColFlow, 1);
    const std::string& verdict = grid.Cell(results::ColCompliance, 1);
    if (pressureText.empty()) {
        FUZZ_CHECK(shown.empty(), "no pressure, no flow");
    } else {
        FUZZ_CHECK(shown == text, "the grid shows the flow text of the number path");
    }
    FUZZ_CHECK(verdict == results::Yes || verdict == results::No, "the verdict is Да or Нет");
    if (rules.autoCompliance && (shown.empty() || shown == "err")) {
        FUZZ_CHECK(verdict == results::No, "a row without a flow does not meet the requirement");
    }

    // FormatFlow alone on any double: never a crash, and every finite value of the table's
    // order of magnitude is written as a plain number.
    if (size >= 3 + sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + 3, sizeof value);
        const std::string any = results::FormatFlow(value, separator);
        FUZZ_CHECK(!any.empty(), "FormatFlow writes something");
        if (value >= 0 && value < 1e6) {
            FUZZ_CHECK(IsFlowNumber(any, separator), "a plain value is written plainly");
        }
    }
    return 0;
}
