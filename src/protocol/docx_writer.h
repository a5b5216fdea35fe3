#pragma once

#include "protocol/document.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

// The document saved as an Office Open XML word-processing package (.docx).
namespace protocol {

// How far the writing of the package has got: table rows written so far out of all the
// document's table rows. Called every few hundred rows while the main part is deflated, never
// for a document of fewer rows; the rows are what makes a long protocol take its time.
using WritingProgress = std::function<void(std::size_t rowsWritten, std::size_t rowsInAll)>;

// The package's bytes. The main part is written as text straight into its deflated entry, a
// row at a time: neither a tree of the document nor the whole part is ever held in memory.
std::string DocxPackage(const Document& document, const WritingProgress& progress = {});

// Writes the package to a file of its own in the folder, "<stem>.docx" or, when that exists,
// "<stem> (2).docx", "<stem> (3).docx" …; never replaces a file. Returns the path written.
std::filesystem::path SaveAsNewFile(const Document& document, const std::filesystem::path& folder,
                                    const std::string& stem, const WritingProgress& progress = {});

// Hands a saved protocol to whatever shows it; returns whether that worked.
using FileOpener = std::function<bool(const std::filesystem::path& path)>;

// ShowWordDocument as a file: saved as a new file in the folder (reporting the writing's
// progress), then opened.
DocumentShower ShowAsFile(std::filesystem::path folder, std::string stem, FileOpener opener,
                          WritingProgress progress = {});

} // namespace protocol
