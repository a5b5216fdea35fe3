#include "common/utf8.h"

#include <cstdint>

namespace common {
namespace {

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

Utf8Step DecodeAt(std::string_view text, std::size_t position) {
    const auto lead = static_cast<std::uint8_t>(text[position]);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        least = 0x10000;
    } else {
        return {std::nullopt, 1};
    }
    if (position + length > text.size())
        return {std::nullopt, 1};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(text[position + k]);
        if (!IsContinuation(next))
            return {std::nullopt, 1};
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {std::nullopt, 1};
    return {c, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t LastCharacterStart(std::string_view text) {
    if (text.empty())
        return 0;
    std::size_t start = text.size() - 1;
    while (start > 0 && IsContinuation(static_cast<std::uint8_t>(text[start])))
        --start;
    return start;
}

} // namespace common
