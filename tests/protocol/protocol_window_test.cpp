// "Отчет" through the real windows: the progress window, the whole inspection ending in a
// protocol that LibreOffice converts, the folder the protocol is kept in, and an opener that
// fails (at once, later, or as xdg-open's exit status) warning where the protocol is while
// everything stays usable.
#include "results/results_model.h"
#include "results/results_panel.h"
#include "support/main_window_fixture.h"
#include "wizard/application.h"
#include "wizard/desktop_opener.h"
#include "wizard/protocol_warning.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#ifndef Q_OS_WIN
#include <csignal>
#endif
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Report : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window_->SetDocumentOpener([this](const QString& path) {
            opened_ << path;
            openedWhileDisabled_ << !window_->isEnabled();
            openedWithProgress_ << progress_->isVisible();
            return opens_;
        });
    }

    void Click(QWidget* widget) {
        ASSERT_TRUE(widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
        QApplication::processEvents();
    }
    void Forward() { Click(Find("ButtonForward")); }
    void TypeInto(const char* name, const QString& text) {
        QWidget* widget = Find(name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        TypeText(widget, text);
    }
    // The typical inspection, up to the results of step 3.
    void ReachResults() {
        auto* date = Find<QDateEdit>("Data");
        // Reached by Tab, the day is selected; each full section moves on to the next.
        date->setFocus(Qt::TabFocusReason);
        TypeText(date, QStringLiteral("05032024"));
        ASSERT_EQ(date->date(), QDate(2024, 3, 5));
        TypeInto("MestoProverki", QStringLiteral("ул. Большая Покровская, д. 15"));
        Forward();
        Click(Find("Zhiloe"));
        TypeInto("NumEtazh", QStringLiteral("17"));
        Click(Find("DlCor"));
        Forward();
        ASSERT_EQ(window_->JetCount(), 3) << refusals_.join("\n").toStdString();
    }
    // The typical inspection, up to step 4.
    void Inspect() {
        ASSERT_NO_FATAL_FAILURE(ReachResults());
        ASSERT_NO_FATAL_FAILURE(EnterCell(1, 4, QStringLiteral("2,4")));
        ASSERT_NO_FATAL_FAILURE(EnterCell(2, 4, QStringLiteral("3")));
        ASSERT_NO_FATAL_FAILURE(EnterCell(3, 4, QStringLiteral("0,5")));
        Forward();
        ASSERT_TRUE(Find("Panel4")->isVisible());
        ASSERT_EQ(Find<QPushButton>("ButtonForward")->text(), QStringLiteral("Отчет"));
    }

    QList<bool> openedWhileDisabled_;
    QList<bool> openedWithProgress_;
};

QString PdfText(const QString& docx, const QString& folder) {
    const QString profile = QDir(folder).filePath(QStringLiteral("profile"));
    const QString pdf = QDir(folder).filePath(QFileInfo(docx).completeBaseName() + ".pdf");
    for (int attempt = 0; attempt < 2 && !QFile::exists(pdf); ++attempt)
        QProcess::execute(QStringLiteral("soffice"),
                          {"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                           "--headless", "--convert-to", "pdf", "--outdir", folder, docx});
    if (!QFile::exists(pdf))
        return {};
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {"-raw", "-enc", "UTF-8", pdf, "-"});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

#ifndef Q_OS_WIN // LibreOffice runs on the Linux side; scripts/windows-end-to-end has it read the
                 // Windows protocol
TEST_F(Report, TypicalInspectionEndsInAProtocolLibreOfficeReads) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    const QString memo = Find<QPlainTextEdit>("Memo1")->toPlainText();
    Forward();

    EXPECT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
    EXPECT_TRUE(refusals_.isEmpty()) << refusals_.join("\n").toStdString();
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(QFileInfo(opened_[0]).fileName(),
              QStringLiteral("Протокол проверки ПК 05.03.2024.docx"));
    EXPECT_EQ(QFileInfo(opened_[0]).absolutePath(), QDir(folder_.path()).absolutePath());
    // Opened while the protocol was being finished; afterwards everything is back.
    EXPECT_THAT(openedWhileDisabled_, ElementsAre(true));
    EXPECT_THAT(openedWithProgress_, ElementsAre(true));
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
    EXPECT_EQ(progress_->PB()->value(), 90);
    EXPECT_TRUE(Find("Panel4")->isVisible());

    const QString text = PdfText(opened_[0], folder_.path());
    ASSERT_FALSE(text.isEmpty()) << "LibreOffice could not convert " << opened_[0].toStdString();
    const results::ResultsGrid& grid = window_->Panel3()->Grid();
    QStringList expected = {QStringLiteral("П Р О Т О К О Л"),
                            QStringLiteral("\"05\" марта 2024 года."),
                            QStringLiteral("ул. Большая Покровская, д. 15,"),
                            QStringLiteral("не менее 2,5 л/с (dнас. = 13 мм.)")};
    for (int row = 1; row <= 3; ++row) {
        expected << QString::number(row);
        for (int column = 4; column <= 6; ++column) {
            const QString cell = QString::fromStdString(grid.Cell(column, row));
            ASSERT_FALSE(cell.isEmpty()) << row << "," << column;
            expected << cell;
        }
    }
    expected << QStringLiteral("Выводы и рекомендации по результатам проверки:")
             << memo.section('\n', 0, 0).simplified().left(40) << QStringLiteral("ФИО");
    qsizetype at = 0;
    for (const QString& piece : expected) {
        const qsizetype found = text.indexOf(piece, at);
        ASSERT_GE(found, 0) << "missing: " << piece.toStdString() << "\nin: " << text.toStdString();
        at = found + piece.size();
    }
}
#endif

TEST_F(Report, EveryPressWritesAFurtherFileAndCountsFromZero) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Forward();
    QList<int> values;
    QObject::connect(progress_->PB(), &QProgressBar::valueChanged,
                     [&](int value) { values << value; });
    Forward();
    ASSERT_EQ(opened_.size(), 2);
    EXPECT_NE(opened_[0], opened_[1]);
    EXPECT_TRUE(QFile::exists(opened_[0]));
    EXPECT_TRUE(QFile::exists(opened_[1]));
    EXPECT_THAT(values, ElementsAre(0, 10, 20, 30, 40, 50, 80, 90));
}

// A protocol of a thousand rows takes long enough to write that the bar moves between 80 and
// 90 while the package is written, repainted each time, and reaches 90 only with the file on
// disk.
TEST_F(Report, LongProtocolMovesTheBarWhileTheFileIsWritten) {
    ASSERT_NO_FATAL_FAILURE(ReachResults());
    auto* model = qobject_cast<ResultsModel*>(Find<QTableView>("SG")->model());
    ASSERT_NE(model, nullptr);
    while (model->rowCount() < 1'000)
        model->AppendRow();
    for (int row = 0; row < model->rowCount(); ++row)
        model->setData(model->index(row, results::ColPressure), QStringLiteral("2,4"));
    Forward();
    ASSERT_TRUE(Find("Panel4")->isVisible()) << refusals_.join("\n").toStdString();

    struct Step {
        int value;
        bool fileOnDisk;
    };
    QList<Step> steps;
    const QDir folder(folder_.path());
    QObject::connect(progress_->PB(), &QProgressBar::valueChanged, [&](int value) {
        steps << Step{value, !folder.entryList({QStringLiteral("*.docx")}).isEmpty()};
    });
    int paints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& counter) : count(counter) {}
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } counter(paints);
    progress_->PB()->installEventFilter(&counter);
    int paintsAt80 = -1;
    int paintsBefore90 = -1;
    QObject::connect(progress_->PB(), &QProgressBar::valueChanged, [&](int value) {
        if (value == 80)
            paintsAt80 = paints;
        if (value == 90)
            paintsBefore90 = paints;
    });
    Forward();
    ASSERT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
    ASSERT_EQ(opened_.size(), 1);

    QList<int> values;
    for (const Step& step : steps) {
        values << step.value;
        EXPECT_EQ(step.fileOnDisk, step.value == 90) << "at " << step.value;
    }
    // The first press: the bar starts at 0 already.
    ASSERT_GE(values.size(), 8);
    EXPECT_THAT(values.mid(0, 6), ElementsAre(10, 20, 30, 40, 50, 80));
    EXPECT_EQ(values.last(), 90);
    const QList<int> writing = values.mid(6, values.size() - 7);
    ASSERT_FALSE(writing.isEmpty()) << "the bar stood at 80 while the file was written";
    for (qsizetype i = 0; i < writing.size(); ++i) {
        EXPECT_GT(writing[i], i == 0 ? 80 : writing[i - 1]);
        EXPECT_LT(writing[i], 90);
    }
    EXPECT_GT(paintsBefore90, paintsAt80) << "the window was not repainted while it was written";
}

TEST_F(Report, FailingOpenerIsReportedAndLeavesTheWindowsUsable) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Find<QPlainTextEdit>("Memo1")->appendPlainText(QStringLiteral("Дописано инспектором."));
    const QString memo = Find<QPlainTextEdit>("Memo1")->toPlainText();
    opens_ = false;
    Forward();

    ASSERT_EQ(opened_.size(), 1);
    // The protocol was saved: the report did not fail, the desktop did, and that is a warning.
    EXPECT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_THAT(warnings_[0].toStdString(), HasSubstr("Не удалось открыть"));
    EXPECT_THAT(warnings_[0].toStdString(), HasSubstr(opened_[0].toStdString()));
    EXPECT_TRUE(QFile::exists(opened_[0]));
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
    EXPECT_TRUE(Find("Panel4")->isVisible());
    EXPECT_EQ(Find<QPlainTextEdit>("Memo1")->toPlainText(), memo);

    opens_ = true;
    Forward();
    EXPECT_EQ(warnings_.size(), 1);
    EXPECT_TRUE(failures_.isEmpty());
    ASSERT_EQ(opened_.size(), 2);
    EXPECT_TRUE(QFile::exists(opened_[1]));
}

TEST_F(Report, FolderThatCannotBeWrittenIsReportedWithItsPath) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    const QString missing = QDir(folder_.path()).filePath(QStringLiteral("нет папки"));
    window_->SetDocumentFolder(missing);
    Forward();
    ASSERT_EQ(failures_.size(), 1);
    EXPECT_THAT(failures_[0].toStdString(),
                HasSubstr(QDir::toNativeSeparators(missing).toStdString()));
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
}

#ifndef Q_OS_WIN // the offscreen platform has no fonts on Windows; the end-to-end check looks at
                 // the real windows
TEST_F(Report, ProgressWindowIsTheSmallCountingWindow) {
    EXPECT_EQ(progress_->windowTitle(), QStringLiteral("Подождите..."));
    EXPECT_EQ(progress_->Label1()->text(), QStringLiteral("Идет генерация протокола"));
    EXPECT_EQ(progress_->PB()->minimum(), 0);
    EXPECT_EQ(progress_->PB()->maximum(), 100);
    EXPECT_EQ(progress_->size(), QSize(265, 51));
    EXPECT_EQ(progress_->minimumSize(), progress_->maximumSize());
    EXPECT_FALSE(progress_->isModal());
    EXPECT_FALSE(progress_->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_FALSE(progress_->isVisible());

    progress_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(progress_.get()));
    const QPoint offset = progress_->geometry().center() - window_->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    // The caption reads whole in the window's font.
    const QLabel* label = progress_->Label1();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_LE(label->fontMetrics().height(), label->height() + 1);
    EXPECT_LE(label->geometry().right(), progress_->PB()->geometry().right());
}
#endif

// Where the desktop keeps the user's documents is read from HOME and the XDG user folders on
// Linux; Windows names its own known folder, which no test may move.
#ifndef Q_OS_WIN
// The folder a protocol is kept in, as the desktop names the user's documents: HOME is moved
// into a scratch folder, so the test never writes into the real one.
class ProtocolFolder : public Report {
protected:
    void SetUp() override {
        Report::SetUp();
        ASSERT_TRUE(home_.isValid());
        previousHome_ = qgetenv("HOME");
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toUtf8());
        window_->SetDocumentFolder(QString()); // the window chooses, as in the program
    }
    void TearDown() override {
        qputenv("HOME", previousHome_);
        qputenv("XDG_CONFIG_HOME", previousConfig_);
        Report::TearDown();
    }

    QTemporaryDir home_;
    QByteArray previousHome_;
    QByteArray previousConfig_;
};

TEST_F(ProtocolFolder, ProtocolsAreKeptInTheDocumentsFolderMadeWhenMissing) {
    const QString documents = home_.path() + QStringLiteral("/Documents");
    ASSERT_FALSE(QFileInfo::exists(documents));
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Forward();
    Forward();

    EXPECT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
    const QString folder = documents + QStringLiteral("/Протоколы проверки ПК");
    ASSERT_EQ(opened_.size(), 2);
    EXPECT_EQ(opened_[0], folder + QStringLiteral("/Протокол проверки ПК 05.03.2024.docx"));
    EXPECT_EQ(opened_[1], folder + QStringLiteral("/Протокол проверки ПК 05.03.2024 (2).docx"));
    EXPECT_TRUE(QFile::exists(opened_[0]));
    EXPECT_TRUE(QFile::exists(opened_[1]));
}

TEST_F(ProtocolFolder, DocumentsFolderTheDesktopNamesIsUsed) {
    const QString documents = home_.path() + QStringLiteral("/Документы");
    QDir().mkpath(home_.path() + QStringLiteral("/.config"));
    QFile dirs(home_.path() + QStringLiteral("/.config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n");
    dirs.close();
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Forward();

    EXPECT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(QFileInfo(opened_[0]).absolutePath(),
              documents + QStringLiteral("/Протоколы проверки ПК"));
    EXPECT_TRUE(QFile::exists(opened_[0]));
}

TEST_F(ProtocolFolder, FolderThatCannotBeMadeIsAFailureNamingIt) {
    QFile blocker(home_.path() + QStringLiteral("/Documents"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
    blocker.close();
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Forward();

    ASSERT_EQ(failures_.size(), 1);
    EXPECT_THAT(failures_[0].toStdString(), HasSubstr("Не удалось создать папку для протоколов"));
    EXPECT_THAT(
        failures_[0].toStdString(),
        HasSubstr(
            (home_.path() + QStringLiteral("/Documents/Протоколы проверки ПК")).toStdString()));
    EXPECT_TRUE(warnings_.isEmpty());
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
}

#endif // Q_OS_WIN

// Waits, with the window taking events, until the check holds; false when it never does.
template <class Check> bool WaitFor(Check check, int milliseconds = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QTest::qWait(10);
    }
    return true;
}

TEST_F(Report, OpenerThatFailsLaterWarnsWhenItsVerdictComes) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    window_->SetDocumentOpener([this](const QString& path, wizard::OpenVerdict verdict) {
        opened_ << path;
        QTimer::singleShot(200, window_.get(), [verdict] { verdict(false); });
    });
    Forward();

    // Saved, the windows usable again, nothing said yet: the desktop has not answered.
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_TRUE(QFile::exists(opened_[0]));
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
    EXPECT_TRUE(warnings_.isEmpty());

    ASSERT_TRUE(WaitFor([this] { return !warnings_.isEmpty(); })) << "no warning came";
    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_THAT(warnings_[0].toStdString(), HasSubstr("Не удалось открыть файл протокола"));
    EXPECT_THAT(warnings_[0].toStdString(), HasSubstr(opened_[0].toStdString()));
    EXPECT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
}

TEST_F(Report, VerdictAfterTheWindowIsGoneIsDropped) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    wizard::OpenVerdict late;
    window_->SetDocumentOpener(
        [&late](const QString&, wizard::OpenVerdict verdict) { late = std::move(verdict); });
    Forward();
    ASSERT_TRUE(late);
    progress_.reset();
    window_.reset();
    late(false);
    EXPECT_TRUE(warnings_.isEmpty());
}

// xdg-open and the signals it inherits are the Linux desktop's; Windows asks the shell.
#ifndef Q_OS_WIN
// The window's own desktop opener, with a stand-in xdg-open found first on PATH that records
// what it was given and ends as the row says.
struct DesktopCase {
    const char* name;
    const char* script; // the stand-in's body; null: there is no xdg-open at all
    bool warns;
};

void PrintTo(const DesktopCase& row, std::ostream* os) {
    *os << row.name;
}

class DesktopOpening : public Report, public ::testing::WithParamInterface<DesktopCase> {
protected:
    void SetUp() override {
        Report::SetUp();
        ASSERT_TRUE(bin_.isValid());
        previousPath_ = qgetenv("PATH");
        // Without a stand-in, nothing on PATH opens anything.
        qputenv("PATH", GetParam().script ? bin_.path().toUtf8() + ':' + previousPath_
                                          : bin_.path().toUtf8());
        if (GetParam().script)
            WriteOpener(GetParam().script);
        // A window of its own, which keeps the opener the program uses.
        progress_.reset();
        window_ = std::make_unique<TF_1>();
        progress_ = std::make_unique<TF_progress>(window_.get());
        window_->SetProgressWindow(progress_.get());
        window_->SetDocumentFolder(folder_.path());
        window_->SetUrlOpener([this](const QUrl& url) {
            openedUrls_ << url;
            return true;
        });
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override {
        qputenv("PATH", previousPath_);
        Report::TearDown();
    }

    void WriteOpener(const char* body) {
        QFile script(bin_.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/given\"\n") +
                     body + '\n');
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Given() const {
        QFile given(bin_.filePath(QStringLiteral("given")));
        return given.open(QIODevice::ReadOnly) ? QString::fromUtf8(given.readAll()) : QString();
    }
    // The opener has answered once no process of it is left.
    bool Answered() const { return window_->findChildren<QProcess*>().isEmpty(); }
    // The one protocol saved.
    QString Saved() const {
        const QStringList files = QDir(folder_.path()).entryList({QStringLiteral("*.docx")});
        EXPECT_EQ(files.size(), 1) << files.join(", ").toStdString();
        return files.isEmpty() ? QString() : QDir(folder_.path()).filePath(files[0]);
    }

    QTemporaryDir bin_;
    QByteArray previousPath_;
};

TEST_P(DesktopOpening, WarnsExactlyWhenTheDesktopOpensNothing) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Forward();
    ASSERT_TRUE(WaitFor([this] { return Answered(); })) << "the opener never answered";
    QApplication::processEvents();

    EXPECT_TRUE(failures_.isEmpty()) << failures_.join("\n").toStdString();
    const QString saved = Saved();
    ASSERT_FALSE(saved.isEmpty());
    if (GetParam().script)
        EXPECT_EQ(Given(), saved) << "xdg-open was not given the protocol";
    if (GetParam().warns) {
        ASSERT_EQ(warnings_.size(), 1);
        EXPECT_THAT(warnings_[0].toStdString(), HasSubstr(saved.toStdString()));
    } else {
        EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join("\n").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Report, DesktopOpening,
                         ::testing::Values(DesktopCase{"ApplicationStarted", "exit 0", false},
                                           DesktopCase{"NoApplicationForDocx", "exit 3", true},
                                           DesktopCase{"ApplicationFailed", "exit 4", true},
                                           DesktopCase{"OpenerKilled", "kill -9 $$", true},
                                           DesktopCase{"NoOpenerInstalled", nullptr, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The program ignores SIGXFSZ for itself (wizard::SetUpProcess); what it starts does not.
class InheritingDesktop : public DesktopOpening {
protected:
    void TearDown() override {
        std::signal(SIGXFSZ, SIG_DFL);
        DesktopOpening::TearDown();
    }
};

TEST_P(InheritingDesktop, ApplicationStartsWithTheDefaultFileSizeSignal) {
    wizard::SetUpProcess();
    ASSERT_NO_FATAL_FAILURE(Inspect());
    Forward();
    ASSERT_TRUE(WaitFor([this] { return Answered(); })) << "the opener never answered";
    QFile status(bin_.filePath(QStringLiteral("status")));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly)) << "the stand-in wrote no status";
    const QByteArray line = status.readAll().trimmed(); // "SigIgn:\t<hex mask>"
    bool ok = false;
    const qulonglong ignored = line.mid(line.indexOf(':') + 1).trimmed().toULongLong(&ok, 16);
    ASSERT_TRUE(ok) << line.toStdString();
    EXPECT_EQ(ignored & (1ULL << (SIGXFSZ - 1)), 0u) << "the application ignores SIGXFSZ";
}

INSTANTIATE_TEST_SUITE_P(Report, InheritingDesktop,
                         ::testing::Values(DesktopCase{
                             "StandInReportsItsSignals",
                             "grep SigIgn /proc/$$/status > \"$(dirname \"$0\")/status\"; exit 0",
                             false}),
                         [](const auto& info) { return std::string(info.param.name); });

// xdg-open may take its time: the window goes on taking input while it decides.
class SlowDesktop : public DesktopOpening {};

TEST_P(SlowDesktop, WindowStaysUsableUntilTheVerdictComes) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    QElapsedTimer pressed;
    pressed.start();
    Forward();
    EXPECT_LT(pressed.elapsed(), 1500) << "the press waited for the opener";
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
    EXPECT_TRUE(warnings_.isEmpty()) << "a warning before the opener answered";

    auto* memo = Find<QPlainTextEdit>("Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    TypeText(memo, QStringLiteral(" Ждём."));
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral(" Ждём.")));
    EXPECT_FALSE(Answered()) << "the opener answered before the typing was done";

    ASSERT_TRUE(WaitFor([this] { return !warnings_.isEmpty(); })) << "no warning came";
    EXPECT_THAT(warnings_[0].toStdString(), HasSubstr(Saved().toStdString()));
    EXPECT_TRUE(failures_.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Report, SlowDesktop,
                         ::testing::Values(DesktopCase{"NoApplicationAfterAWhile",
                                                       "sleep 3; exit 3", true}),
                         [](const auto& info) { return std::string(info.param.name); });

#endif // Q_OS_WIN

// The warning as the inspector sees it: a box of its own, over the main window.
class WarningBox : public Report {
protected:
    void SetUp() override {
        Report::SetUp();
        previousSink_ = wizard::SetUnopenedProtocolSink({});
        opens_ = false;
    }
    void TearDown() override {
        wizard::SetUnopenedProtocolSink(std::move(previousSink_));
        Report::TearDown();
    }

    // Presses "Отчет" and answers the box with the button of that caption once it shows.
    void ReportAndAnswer(const QString& caption) {
        QTimer::singleShot(0, [this, caption] { Answer(caption); });
        Forward();
    }
    void Answer(const QString& caption, int attempts = 500) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attempts > 0)
                QTimer::singleShot(10, [=, this] { Answer(caption, attempts - 1); });
            return;
        }
        // Shown once "Отчет" is over: the main window takes input, the progress is gone.
        windowEnabled_ = window_->isEnabled();
        progressShown_ = progress_->isVisible();
        icon_ = box->icon();
        title_ = box->windowTitle();
        text_ = box->text();
        for (QAbstractButton* button : box->buttons())
            captions_ << button->text();
        defaultButton_ = box->defaultButton() ? box->defaultButton()->text() : QString();
        escapeButton_ = box->escapeButton() ? box->escapeButton()->text() : QString();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == caption)
                button->click();
    }

    common::MessageSink previousSink_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
    QString title_, text_, defaultButton_, escapeButton_;
    QStringList captions_;
    bool windowEnabled_ = false;
    bool progressShown_ = true;
};

TEST_F(WarningBox, SaysWhereTheProtocolIsAndOpensItsFolder) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    ReportAndAnswer(QStringLiteral("Открыть папку"));

    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(icon_, QMessageBox::Warning);
    EXPECT_EQ(title_, QStringLiteral("Напорис"));
    EXPECT_THAT(text_.toStdString(), HasSubstr(opened_[0].toStdString()));
    EXPECT_THAT(captions_, ::testing::UnorderedElementsAre(QStringLiteral("Открыть папку"),
                                                           QStringLiteral("OK")));
    EXPECT_EQ(defaultButton_, QStringLiteral("OK"));
    EXPECT_EQ(escapeButton_, QStringLiteral("OK"));
    EXPECT_TRUE(windowEnabled_);
    EXPECT_FALSE(progressShown_);
    ASSERT_EQ(openedUrls_.size(), 1);
    EXPECT_EQ(openedUrls_[0], QUrl::fromLocalFile(QDir(folder_.path()).absolutePath()));
    EXPECT_TRUE(failures_.isEmpty());
    EXPECT_TRUE(window_->isEnabled());
}

TEST_F(WarningBox, OkOpensNothing) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    ReportAndAnswer(QStringLiteral("OK"));
    EXPECT_EQ(icon_, QMessageBox::Warning);
    EXPECT_TRUE(openedUrls_.isEmpty());
    EXPECT_TRUE(window_->isEnabled());
}

} // namespace
