#include "wizard/numeric_input.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace wizard {
namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Converts a text that passed the number test. Out of the range of a double: a whole number
// is bounded anyway, a decimal is then no number at all.
std::optional<double> Convert(const NumericRules& rules, std::string_view text, char separator) {
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), separator, '.');
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tiny = plain.find_first_of("123456789") > plain.find('.');
        if (tiny)
            return 0.0;
        if (rules.decimal)
            return std::nullopt;
        return plain.front() == '-' ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    }
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

} // namespace

bool AcceptsCharacter(const NumericRules& rules, std::string_view kept, char32_t character,
                      char separator) {
    if (IsDigit(character))
        return true;
    if (character == U'-')
        return kept.find('-') == std::string_view::npos;
    if (rules.decimal && character == static_cast<unsigned char>(separator))
        return kept.find(separator) == std::string_view::npos;
    return false;
}

double Bound(const NumericRules& rules, double value) {
    if (rules.minimum && value < *rules.minimum)
        value = *rules.minimum;
    if (rules.maximum && value > *rules.maximum)
        value = *rules.maximum;
    return value;
}

TextOutcome ExamineText(const NumericRules& rules, std::string_view text, char separator) {
    if (text.empty() || text == "-")
        return {};
    std::size_t separators = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-') {
            if (i != 0)
                return {};
        } else if (rules.decimal && c == separator) {
            if (i == 0 || ++separators > 1)
                return {};
        } else if (!IsDigit(static_cast<unsigned char>(c))) {
            return {};
        }
    }
    const std::optional<double> converted = Convert(rules, text, separator);
    if (!converted)
        return {};
    const double bounded = Bound(rules, *converted);
    TextOutcome outcome{bounded, std::nullopt};
    if (bounded != *converted)
        outcome.text = FormatValue(rules, bounded, separator);
    return outcome;
}

std::string FormatValue(const NumericRules& rules, double value, char separator) {
    std::array<char, 400> buffer{};
    const auto [end, error] = rules.decimal
                                  ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                  value, std::chars_format::fixed, 2)
                                  : std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                  std::trunc(value), std::chars_format::fixed, 0);
    if (error != std::errc())
        return {};
    std::string text(buffer.data(), end);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

Stepped Step(const NumericRules& rules, double value, int steps, char separator) {
    const double stepped = Bound(rules, value + steps * rules.step);
    return {stepped, FormatValue(rules, stepped, separator)};
}

} // namespace wizard
