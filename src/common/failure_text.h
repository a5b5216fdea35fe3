#pragma once

#include <string>
#include <string_view>

namespace common {

inline constexpr std::string_view ApplicationTitle = "Напорис";

// What the failure report says for a failure that carries no message of its own.
inline constexpr std::string_view OutOfMemoryMessage = "Недостаточно памяти";
inline constexpr std::string_view UnknownFailureMessage = "Непредвиденная ошибка";

// The message of the failure report: a "." is appended when the message is not empty and its
// last character's code is greater than that of ".".
std::string FailureText(std::string_view message);

} // namespace common
