#include "protocol/clean_text.h"

#include "common/utf8.h"

namespace protocol {
namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

bool Allowed(char32_t c) {
    if (c < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    if (c == 0x7F)
        return false; // DEL is legal XML but no document text
    if (c >= 0x80 && c <= 0x9F)
        return false;
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

std::string CleanText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const common::Utf8Step step = common::DecodeAt(text, i);
        i += step.length;
        if (!step.character) {
            // One replacement per bad byte keeps the scan simple and never swallows good text.
            out += Replacement;
            continue;
        }
        if (Allowed(*step.character))
            common::AppendUtf8(out, *step.character);
    }
    return out;
}

} // namespace protocol
