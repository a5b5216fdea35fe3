#pragma once

#include <optional>
#include <string>
#include <string_view>

// The nozzle diameter field: reading its text and stepping through the table's diameters.
namespace results {

inline constexpr int MinDiameter = 4;
inline constexpr int MaxDiameter = 18;
inline constexpr int InitialDiameter = 13;

// Whether a typed character may stand in the field while typing: a digit, a sign or the
// decimal separator. The diameter they make is judged by ExamineDiameterText.
bool AcceptsDiameterCharacter(char32_t character, char separator);

// What a change of the field's text leaves behind.
struct DiameterOutcome {
    std::optional<int> diameter;     // what the flows are computed with; none: no diameter
    std::optional<std::string> text; // the field's new text, when an in-between diameter snaps
};
// A diameter between the table's snaps to a table diameter at once (7 becomes 6); the new text
// is examined again when the field shows it.
DiameterOutcome ExamineDiameterText(std::string_view text);

// The diameter the flows are computed with: a whole number (optional sign, digits) inside
// 4 … 18, otherwise none, so that no flow is computed for a diameter that is not meant.
std::optional<int> DiameterFromText(std::string_view text);

// The value the field takes when it loses the focus: the text's whole number brought into
// 4 … 18, or 4 for a text that is no whole number.
int BoundedDiameter(std::string_view text);

// The value the spin buttons and arrow keys step from: the text's whole number as typed,
// not yet bounded (so 3 steps up to 4 and 20 down to 18), or 4 for a text that is no whole
// number.
int DiameterValue(std::string_view text);

// In-between diameters snap to a table diameter (5→4, 7→6, 8→9, 11→10, 15→14, 17→16).
int SnapDiameter(int value);

// The spin buttons and the arrow keys step to the next table diameter, within 4 … 18.
int DiameterUp(int value);
int DiameterDown(int value);

} // namespace results
