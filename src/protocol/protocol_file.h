#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Where a finished protocol is kept, and what the inspector is told when it was kept but no
// program on the desktop opened it.
namespace protocol {

// The folder inside the user's documents folder that protocols are kept in.
inline constexpr std::string_view ProtocolFolderName = "Протоколы проверки ПК";

// The folders the desktop names; empty where it names none.
struct FolderCandidates {
    std::filesystem::path documents;
    std::filesystem::path temporary;
};

// ProtocolFolderName in the documents folder, so the inspector finds the protocol again; the
// temporary folder, which the system empties, only where there is no documents folder.
// Throws DocumentError when there is neither: the working folder is no place for it.
std::filesystem::path ProtocolFolder(const FolderCandidates& candidates);

// Creates the folder, with its parents, when nothing is there yet; something else in its
// place is left for the save to report. Throws DocumentError naming the folder on failure.
void CreateMissingFolder(const std::filesystem::path& folder);

// The warning for a protocol that was saved as `fileText` but that no program opened.
std::string UnopenedProtocolMessage(std::string_view fileText);

// The warning's button that shows the protocol's folder.
inline constexpr std::string_view OpenFolderCaption = "Открыть папку";

} // namespace protocol
