#pragma once

#include <optional>
#include <string>
#include <string_view>

// The two numeric inputs of step 2, the floors (NumEtazh) and the volume (V): which keys they
// take, when their text is a number, how a value is bounded, and the text after stepping.
namespace wizard {

struct NumericRules {
    bool decimal = false; // takes the locale's decimal separator
    std::optional<double> minimum;
    std::optional<double> maximum;
    double step = 1;
};

inline constexpr NumericRules FloorsRules{false, 1.0, 25.0, 1};
inline constexpr NumericRules VolumeRules{true, std::nullopt, std::nullopt, 1};

// Whether a typed character goes into the field. `kept` is the text that stays around it
// (the field's text without its selection, which the character replaces): a second "-" or
// a second separator is refused.
bool AcceptsCharacter(const NumericRules& rules, std::string_view kept, char32_t character,
                      char separator);

// What a change of the text leaves behind.
struct TextOutcome {
    std::optional<double> value;     // the new current value; none: the text is not a number
    std::optional<std::string> text; // the field's new text, when bounding changed the value
};
TextOutcome ExamineText(const NumericRules& rules, std::string_view text, char separator);

// The value one step up (+1) or down (-1), within the bounds, and its text.
struct Stepped {
    double value;
    std::string text;
};
Stepped Step(const NumericRules& rules, double value, int steps, char separator);

// A value as the field shows it: a whole number for the floors, exactly two decimals with
// the separator for the volume.
std::string FormatValue(const NumericRules& rules, double value, char separator);

double Bound(const NumericRules& rules, double value);

} // namespace wizard
