#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// File paths to and from UTF-8, the core's text, on every platform.
namespace common {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace common
