// What goes wrong around "Отчет" — a folder that cannot be written, a full disk, an opener that
// fails or throws — is reported with a message that says what failed, and the inspector loses
// nothing: every field, every cell and the edited conclusion are still there, the window takes
// input again, and the next "Отчет" writes a complete protocol.
#include "walkthrough_fixture.h"
#include "protocol_text.h"
#include "wizard/application.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <functional>
#include <stdexcept>
#include <sys/resource.h>

namespace {

struct Fault {
    const char* name;
    // Sets the fault up before "Отчет" and returns what undoes it.
    std::function<std::function<void()>(InspectionFixture&, TF_1&, const QString& scratch)> arrange;
    const char* messageStart; // the report begins so; the file's path follows where there is one
    bool namesPath;
};

// The system's temporary folder, where protocols go, replaced for one press.
std::function<void()> TemporaryFolderAt(TF_1& window, const QString& folder) {
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", folder.toUtf8());
    window.SetDocumentFolder(QString());
    return [previous] { qputenv("TMPDIR", previous); };
}

const Fault Faults[] = {
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
    {"OpenerFails",
     [](InspectionFixture& fixture, TF_1& window, const QString&) -> std::function<void()> {
         window.SetDocumentOpener([](const QString&) { return false; });
         return [&fixture] { fixture.UseRecordingOpener(); };
     },
     "Не удалось открыть файл протокола", true},
    {"OpenerThrows",
     [](InspectionFixture& fixture, TF_1& window, const QString&) -> std::function<void()> {
         window.SetDocumentOpener([](const QString&) -> bool {
             throw std::runtime_error("Нет приложения для документов .docx");
         });
         return [&fixture] { fixture.UseRecordingOpener(); };
     },
     "Нет приложения для документов .docx.", false},
};

class FaultTest : public InspectionFixture, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultTest, IsReportedAndNothingTypedIsLost) {
    const Fault& fault = GetParam();
    ASSERT_NO_FATAL_FAILURE(TypeInspection());
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());

    const std::function<void()> undo = fault.arrange(*this, *window_, scratch.path());
    Click("ButtonForward");
    undo();

    ASSERT_EQ(failures_.size(), 1) << "one failure report";
    EXPECT_TRUE(failures_[0].startsWith(QString::fromUtf8(fault.messageStart)))
        << failures_[0].toStdString();
    if (fault.namesPath)
        EXPECT_TRUE(failures_[0].contains(QStringLiteral(".docx"))) << failures_[0].toStdString();
    EXPECT_TRUE(opened_.isEmpty());
    ExpectTypedStillThere();
    // A protocol that could not be written whole is not left behind to be opened later.
    if (std::string_view(fault.name) == "DiskFull")
        EXPECT_TRUE(QDir(folder_.path()).isEmpty(QDir::Files)) << "a half-written file remains";

    // The next press, the fault gone, writes the protocol with everything typed in it.
    window_->SetDocumentFolder(folder_.path());
    Click("ButtonForward");
    EXPECT_EQ(failures_.size(), 1) << failures_.last().toStdString();
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
