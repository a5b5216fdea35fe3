// Where protocols are kept: the choice between the desktop's folders, the folder made when it
// is missing, and the warning for a protocol that no program opened.
#include "protocol/document_operations.h"
#include "protocol/protocol_file.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

namespace protocol {
namespace {

using ::testing::HasSubstr;

std::filesystem::path Utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

struct FolderCase {
    const char* name;
    FolderCandidates candidates;
    std::filesystem::path folder;
};

class ProtocolFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProtocolFolderTest, ChoosesTheFolderTheInspectorFindsAgain) {
    EXPECT_EQ(ProtocolFolder(GetParam().candidates), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    ProtocolFile, ProtocolFolderTest,
    ::testing::Values(FolderCase{"DocumentsFolder",
                                 {"/home/inspector/Documents", "/tmp"},
                                 Utf8Path("/home/inspector/Documents/Протоколы проверки ПК")},
                      FolderCase{"CyrillicDocumentsFolder",
                                 {Utf8Path("/home/инспектор/Документы"), "/tmp"},
                                 Utf8Path("/home/инспектор/Документы/Протоколы проверки ПК")},
                      FolderCase{"DocumentsWithoutTemporary",
                                 {"/home/inspector/Documents", ""},
                                 Utf8Path("/home/inspector/Documents/Протоколы проверки ПК")},
                      FolderCase{
                          "NoDocumentsFolder", {"", "/var/tmp/session"}, "/var/tmp/session"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProtocolFolderFailure, NeitherFolderIsNamed) {
    try {
        ProtocolFolder({"", ""});
        FAIL() << "no folder, yet a folder was chosen";
    } catch (const DocumentError& e) {
        EXPECT_THAT(e.what(), HasSubstr("Папка временных файлов не найдена"));
    }
}

class CreateMissingFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch_ = std::filesystem::temp_directory_path() /
                   (std::string("protocol_file_test_") + test->name() + "_" +
                    std::to_string(std::random_device{}()));
        ASSERT_TRUE(std::filesystem::create_directory(scratch_));
    }
    void TearDown() override { std::filesystem::remove_all(scratch_); }

    std::filesystem::path scratch_;
};

TEST_F(CreateMissingFolderTest, MakesTheFolderAndItsMissingParents) {
    const auto folder = scratch_ / Utf8Path("Документы") / Utf8Path(ProtocolFolderName);
    CreateMissingFolder(folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(CreateMissingFolderTest, KeepsWhatIsInTheExistingFolder) {
    const auto folder = scratch_ / Utf8Path(ProtocolFolderName);
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "earlier.docx") << "earlier";
    CreateMissingFolder(folder);
    EXPECT_TRUE(std::filesystem::exists(folder / "earlier.docx"));
}

TEST_F(CreateMissingFolderTest, LeavesAFileInItsPlaceForTheSaveToReport) {
    const auto file = scratch_ / "file";
    std::ofstream(file) << "text";
    EXPECT_NO_THROW(CreateMissingFolder(file));
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
}

TEST_F(CreateMissingFolderTest, FolderThatCannotBeMadeIsNamed) {
    const auto blocker = scratch_ / "file";
    std::ofstream(blocker) << "text";
    const auto folder = blocker / Utf8Path(ProtocolFolderName);
    try {
        CreateMissingFolder(folder);
        FAIL() << "a folder under a file was reported made";
    } catch (const DocumentError& e) {
        EXPECT_THAT(e.what(), HasSubstr("Не удалось создать папку для протоколов"));
        const std::u8string path = folder.u8string();
        EXPECT_THAT(e.what(), HasSubstr(std::string(path.begin(), path.end())));
    }
}

TEST(UnopenedProtocolMessage, SaysWhereTheFileIsAndThatNothingOpenedIt) {
    const std::string file = "/home/инспектор/Документы/Протоколы проверки ПК/Протокол.docx";
    const std::string message = UnopenedProtocolMessage(file);
    EXPECT_THAT(message, ::testing::StartsWith("Не удалось открыть файл протокола"));
    EXPECT_THAT(message, HasSubstr("Протокол сохранён:\n" + file + "\n"));
}

} // namespace
} // namespace protocol
