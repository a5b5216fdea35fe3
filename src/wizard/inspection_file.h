#pragma once

#include "wizard/inspection.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The inspection file (.naporis): an XML document in UTF-8, described in
// docs/inspection-file.md. Writing gives the whole file; reading trusts nothing in it.
namespace wizard {

inline constexpr int InspectionFormat = 1;
// Far more than 100 000 rows of long texts; a larger file is refused before it is read.
inline constexpr std::uintmax_t MaxInspectionFileSize = 64 * 1024 * 1024;

// `file`, given for a recovery file, names the file the inspection was last saved to or
// opened from.
std::string WriteInspection(const Inspection& inspection, std::string_view file = {});

// Either the inspection or, in Russian, what is wrong with the file ("файл обрезан или
// повреждён", "число этажей 99 вне пределов 1–25").
struct InspectionRead {
    std::optional<Inspection> inspection;
    std::string problem;
    std::string file; // what WriteInspection was given as `file`
};
InspectionRead ReadInspection(std::string_view bytes);

// The file at the path, read whole and then judged; an unreadable or oversized file is a
// problem like any other.
InspectionRead LoadInspectionFile(const std::filesystem::path& path);

// Writes the file atomically (see WriteFileAtomically); raises std::runtime_error with a
// Russian message naming the file when it cannot be written.
void SaveInspectionFile(const std::filesystem::path& path, const Inspection& inspection);

// "Не удалось открыть проверку «name»: problem"
std::string OpenFailureMessage(std::string_view fileName, std::string_view problem);

// The file name an inspection is first offered under: its address and date,
// "ул. Ленина, 5 10.12.2026.naporis", with what a file name may not hold replaced.
std::string SuggestedFileName(const Inspection& inspection);

} // namespace wizard
