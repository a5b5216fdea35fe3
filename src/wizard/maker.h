#pragma once

#include "common/failure_text.h"

#include <string>
#include <string_view>

// The program's version and maker, as the main window's caption, the About window and the
// link label of the main window name them.
namespace wizard {

// The project's version, from CMake.
inline constexpr std::string_view Version = NAPORIS_VERSION;

// "Напорис 0.9": the application title and the version.
inline std::string MainCaption() {
    return std::string(common::ApplicationTitle) + " " + std::string(Version);
}

// "Версия 0.9", the About window's second line.
inline std::string VersionLine() {
    return "Версия " + std::string(Version);
}
inline constexpr std::string_view MakerAddress = "https://naporis.example/";
inline constexpr std::string_view MakerNotice = "© Разработчики «Напориса», 2026";

} // namespace wizard
