// The way a typed pressure becomes a flow text: NormalizeNumber, the conversion, the discharge
// table and FormatFlow, with either separator and any diameter byte; then the same text
// through the grid's row rule. A flow text is "err" or a plain number with at most two
// decimals, never anything else.
#include "fuzz_check.h"
#include "results/discharge.h"
#include "results/results_grid.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

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

} // namespace

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
