#pragma once

#include <string_view>

// The program's maker, as the About window and the link label of the main window name it.
namespace wizard {

inline constexpr std::string_view Version = "0.9";
inline constexpr std::string_view MainCaption = "Напорис 0.9";
inline constexpr std::string_view MakerAddress = "https://naporis.example/";
inline constexpr std::string_view MakerNotice = "© Разработчики «Напориса», 2026";

} // namespace wizard
