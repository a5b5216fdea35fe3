#pragma once

#include <filesystem>
#include <string_view>

namespace wizard {

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk and
// renames it over the target, so the target is either the old file or the whole new one,
// never a part. Raises std::system_error on any failure, the temporary file removed.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace wizard
