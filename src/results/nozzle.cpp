#include "results/nozzle.h"

#include <algorithm>
#include <cstdint>

namespace results {

namespace {

// A whole number: an optional sign and at least one digit, nothing else. Magnitudes beyond
// the int64 range are held at its ends; they lie outside 4 … 18 either way.
std::optional<std::int64_t> WholeNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    constexpr std::int64_t limit = INT64_MAX / 10 - 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (magnitude < limit) {
            magnitude = magnitude * 10 + (c - '0');
        }
    }
    return negative ? -magnitude : magnitude;
}

int Bounded(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, MinDiameter, MaxDiameter));
}

} // namespace

bool AcceptsDiameterCharacter(char32_t character, char separator) {
    return (character >= U'0' && character <= U'9') || character == U'+' || character == U'-' ||
           character == static_cast<unsigned char>(separator);
}

DiameterOutcome ExamineDiameterText(std::string_view text) {
    const std::optional<int> diameter = DiameterFromText(text);
    if (diameter && SnapDiameter(*diameter) != *diameter)
        return {SnapDiameter(*diameter), std::to_string(SnapDiameter(*diameter))};
    return {diameter, std::nullopt};
}

std::optional<int> DiameterFromText(std::string_view text) {
    const std::optional<std::int64_t> value = WholeNumber(text);
    if (!value || *value < MinDiameter || *value > MaxDiameter) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

int BoundedDiameter(std::string_view text) {
    const std::optional<std::int64_t> value = WholeNumber(text);
    return value ? Bounded(*value) : MinDiameter;
}

int DiameterValue(std::string_view text) {
    // Held well outside 4 … 18 so that one step from either end still lands on a bound.
    constexpr std::int64_t hold = 1000;
    const std::optional<std::int64_t> value = WholeNumber(text);
    return value ? static_cast<int>(std::clamp<std::int64_t>(*value, -hold, hold)) : MinDiameter;
}

int SnapDiameter(int value) {
    switch (value) {
    case 5:
        return 4;
    case 7:
        return 6;
    case 8:
        return 9;
    case 11:
        return 10;
    case 15:
        return 14;
    case 17:
        return 16;
    default:
        return value;
    }
}

// The steps over the gaps of the table; every other value moves by one, and a value that
// lands between table diameters snaps at once, as a typed one does.
int DiameterUp(int value) {
    switch (value) {
    case 4:
        return 6;
    case 6:
        return 9;
    case 10:
        return 12;
    case 14:
        return 16;
    case 16:
        return 18;
    default:
        return SnapDiameter(Bounded(static_cast<std::int64_t>(value) + 1));
    }
}

int DiameterDown(int value) {
    switch (value) {
    case 6:
        return 4;
    case 9:
        return 6;
    case 12:
        return 10;
    case 16:
        return 14;
    case 18:
        return 16;
    default:
        return SnapDiameter(Bounded(static_cast<std::int64_t>(value) - 1));
    }
}

} // namespace results
