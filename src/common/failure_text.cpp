#include "common/failure_text.h"

namespace common {

std::string FailureText(std::string_view message) {
    std::string text(message);
    // In UTF-8 the last byte of a non-ASCII character is at least 0x80, above "." as well.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace common
