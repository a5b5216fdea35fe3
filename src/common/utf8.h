#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The one UTF-8 decoder and encoder of the core. What a malformed sequence becomes is the
// caller's policy: the document replaces it, the completion of a list reads its bytes.
namespace common {

struct Utf8Step {
    std::optional<char32_t> character; // none: a malformed sequence starts here
    std::size_t length;                // bytes read; 1 for a malformed sequence
};

// The character starting at `position` (< text.size()). Malformed: a stray or missing
// continuation byte, a sequence cut short by the end, an overlong form, a surrogate, or a
// code point above U+10FFFF.
Utf8Step DecodeAt(std::string_view text, std::size_t position);

void AppendUtf8(std::string& out, char32_t character);

// Where the last character of a text starts: its last byte that is no continuation byte
// (0 for an empty text).
std::size_t LastCharacterStart(std::string_view text);

} // namespace common
