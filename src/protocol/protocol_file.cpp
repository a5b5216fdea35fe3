#include "protocol/protocol_file.h"

#include "common/utf8_path.h"
#include "protocol/document_operations.h"

#include <system_error>

namespace protocol {

std::filesystem::path ProtocolFolder(const FolderCandidates& candidates) {
    if (!candidates.documents.empty())
        return candidates.documents / common::PathFromUtf8(ProtocolFolderName);
    if (!candidates.temporary.empty())
        return candidates.temporary;
    throw DocumentError("Папка временных файлов не найдена: протокол некуда сохранить");
}

void CreateMissingFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::exists(folder, error))
        return;
    if (!std::filesystem::create_directories(folder, error) && error)
        throw DocumentError("Не удалось создать папку для протоколов " +
                            common::Utf8FromPath(folder) + ": " + error.message());
}

std::string UnopenedProtocolMessage(std::string_view fileText) {
    return "Не удалось открыть файл протокола: не нашлось программы, которая открывает "
           "документы .docx (текстового редактора).\n\nПротокол сохранён:\n" +
           std::string(fileText) + "\n\nНажмите «" + std::string(OpenFolderCaption) +
           "», чтобы открыть папку с протоколом.";
}

} // namespace protocol
