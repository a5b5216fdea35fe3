// What goes wrong around "Отчет" — a folder that cannot be written, a full disk, an opener that
// fails or throws — is reported with a message that says what failed (a warning, not a failure,
// when the protocol was saved and only the desktop did not open it), and the inspector loses
// nothing: every field, every cell and the edited conclusion are still there, the window takes
// input again, and the next "Отчет" writes a complete protocol.
#include "protocol_text.h"
#include "walkthrough_fixture.h"
#include "wizard/application.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <filesystem>
#include <functional>
#include <stdexcept>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

// A fault either fails the report, or, when the protocol was saved, only warns.
enum class Report { Failure, Warning };

struct Fault {
    const char* name;
    // Sets the fault up before "Отчет" and returns what undoes it.
    std::function<std::function<void()>(InspectionFixture&, TF_1&, const QString& scratch)> arrange;
    const char* messageStart; // the report begins so; the file's path follows where there is one
    bool namesPath;
    Report report = Report::Failure;
};

// The system's temporary folder replaced for one press, with no documents folder, so that
// protocols go into the temporary folder.
#ifndef _WIN32
std::function<void()> TemporaryFolderAt(TF_1& window, const QString& folder) {
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", folder.toUtf8());
    window.SetDocumentFolder(QString());
    window.SetFolderSource([] {
        const QByteArray temporary = QDir::tempPath().toUtf8();
        return protocol::FolderCandidates{
            {}, std::filesystem::path(std::u8string(temporary.begin(), temporary.end()))};
    });
    return [previous] { qputenv("TMPDIR", previous); };
}
#endif

const Fault Faults[] = {
// Qt on Linux names no temporary folder that is not a folder; on Windows it names whatever
// TMP says, and the save then fails on the folder itself: these two messages are Linux's.
#ifndef _WIN32
    {"TemporaryFolderIsAFile",
     [](InspectionFixture&, TF_1& window, const QString& scratch) {
         const QString notAFolder = scratch + QStringLiteral("/файл");
         QFile file(notAFolder);
         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
         return TemporaryFolderAt(window, notAFolder);
     },
     "Не удалось создать файл протокола", true},
    {"TemporaryFolderMissing",
     [](InspectionFixture&, TF_1& window, const QString& scratch) {
         return TemporaryFolderAt(window, scratch + QStringLiteral("/нет такой папки"));
     },
     "Папка временных файлов не найдена", false},
#endif
#ifndef _WIN32 // a file-size limit and its signal are POSIX's
    {"DiskFull",
     // A file size limit far below a protocol's size: each write past it fails as on a full
     // disk, because the program's own start-up setup keeps the limit's signal from ending it.
     [](InspectionFixture&, TF_1&, const QString&) -> std::function<void()> {
         rlimit previous{};
         getrlimit(RLIMIT_FSIZE, &previous);
         struct sigaction previousAction {};
         sigaction(SIGXFSZ, nullptr, &previousAction);
         const auto previousHandler = previousAction.sa_handler;
         wizard::SetUpProcess();
         rlimit small = previous;
         small.rlim_cur = 1024;
         EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
         return [previous, previousHandler] {
             setrlimit(RLIMIT_FSIZE, &previous);
             std::signal(SIGXFSZ, previousHandler);
         };
     },
     "Не удалось записать файл протокола", true},
#endif
    {"OpenerFails",
     [](InspectionFixture& fixture, TF_1& window, const QString&) -> std::function<void()> {
         window.SetDocumentOpener([](const QString&) { return false; });
         return [&fixture] { fixture.UseRecordingOpener(); };
     },
     "Не удалось открыть файл протокола", true, Report::Warning},
    {"OpenerThrows",
     [](InspectionFixture& fixture, TF_1& window, const QString&) -> std::function<void()> {
         window.SetDocumentOpener([](const QString&) -> bool {
             throw std::runtime_error("Нет приложения для документов .docx");
         });
         return [&fixture] { fixture.UseRecordingOpener(); };
     },
     "Нет приложения для документов .docx.", false},
};

class FaultTest : public InspectionFixture, public ::testing::WithParamInterface<Fault> {
protected:
    // The fault's report, and the other kind of report, which must stay empty.
    const QStringList& Reports() const {
        return GetParam().report == Report::Failure ? failures_ : warnings_;
    }
    const QStringList& OtherReports() const {
        return GetParam().report == Report::Failure ? warnings_ : failures_;
    }
};

TEST_P(FaultTest, IsReportedAndNothingTypedIsLost) {
    const Fault& fault = GetParam();
    ASSERT_NO_FATAL_FAILURE(TypeInspection());
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());

    const std::function<void()> undo = fault.arrange(*this, *window_, scratch.path());
    Click("ButtonForward");
    undo();

    ASSERT_EQ(Reports().size(), 1) << "one report";
    EXPECT_TRUE(OtherReports().isEmpty()) << OtherReports().join("\n").toStdString();
    EXPECT_TRUE(Reports()[0].startsWith(QString::fromUtf8(fault.messageStart)))
        << Reports()[0].toStdString();
    if (fault.namesPath)
        EXPECT_TRUE(Reports()[0].contains(QStringLiteral(".docx"))) << Reports()[0].toStdString();
    EXPECT_TRUE(opened_.isEmpty());
    ExpectTypedStillThere();
    // A protocol that could not be written whole is not left behind to be opened later.
    if (std::string_view(fault.name) == "DiskFull")
        EXPECT_TRUE(QDir(folder_.path()).isEmpty(QDir::Files)) << "a half-written file remains";

    // The next press, the fault gone, writes the protocol with everything typed in it.
    window_->SetDocumentFolder(folder_.path());
    Click("ButtonForward");
    EXPECT_EQ(Reports().size(), 1) << Reports().last().toStdString();
    EXPECT_TRUE(OtherReports().isEmpty());
    ASSERT_EQ(opened_.size(), 1);
    const QString text = ProtocolParagraphs(opened_[0]).join(u'\n');
    for (const QString& typed :
         {typed_.locality, typed_.address, typed_.organisation, typed_.equipment,
          typed_.locations[2], typed_.pressures[1], typed_.addedToConclusion.trimmed()})
        EXPECT_TRUE(text.contains(typed)) << typed.toStdString();
    ExpectTypedStillThere();
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, ::testing::ValuesIn(Faults),
                         [](const auto& info) { return std::string(info.param.name); });

// A handler other than "Отчет" that throws: the web link's opener.
TEST_F(InspectionFixture, ThrowingLinkHandlerIsReportedAndTheWindowGoesOn) {
    ASSERT_NO_FATAL_FAILURE(TypeInspection());
    window_->SetUrlOpener(
        [](const QUrl&) -> bool { throw std::runtime_error("Браузер не запущен"); });
    auto* link = Find("Label2");
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    ASSERT_EQ(failures_.size(), 1);
    EXPECT_EQ(failures_[0], QStringLiteral("Браузер не запущен."));
    ExpectTypedStillThere();
    Click("ButtonForward");
    EXPECT_EQ(opened_.size(), 1);
}

} // namespace
