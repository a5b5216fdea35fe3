#pragma once

#include "protocol/document.h"

#include <filesystem>
#include <functional>
#include <string>

// The document saved as an Office Open XML word-processing package (.docx).
namespace protocol {

// The package's bytes.
std::string DocxPackage(const Document& document);

// Writes the package to a file of its own in the folder, "<stem>.docx" or, when that exists,
// "<stem> (2).docx", "<stem> (3).docx" …; never replaces a file. Returns the path written.
std::filesystem::path SaveAsNewFile(const Document& document, const std::filesystem::path& folder,
                                    const std::string& stem);

// Hands a saved protocol to whatever shows it; returns whether that worked.
using FileOpener = std::function<bool(const std::filesystem::path& path)>;

// ShowWordDocument as a file: saved as a new file in the folder, then opened.
DocumentShower ShowAsFile(std::filesystem::path folder, std::string stem, FileOpener opener);

} // namespace protocol
