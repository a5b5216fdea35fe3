// "Отчет" through the real windows: the progress window, the whole inspection ending in a
// protocol that LibreOffice converts, and a failing opener that leaves everything usable.
#include "results/results_model.h"
#include "results/results_panel.h"
#include "support/main_window_fixture.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
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
    ASSERT_EQ(failures_.size(), 1);
    EXPECT_THAT(failures_[0].toStdString(), HasSubstr("Не удалось открыть"));
    EXPECT_THAT(failures_[0].toStdString(), HasSubstr(opened_[0].toStdString()));
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
    EXPECT_TRUE(Find("Panel4")->isVisible());
    EXPECT_EQ(Find<QPlainTextEdit>("Memo1")->toPlainText(), memo);

    opens_ = true;
    Forward();
    EXPECT_EQ(failures_.size(), 1);
    ASSERT_EQ(opened_.size(), 2);
    EXPECT_TRUE(QFile::exists(opened_[1]));
}

TEST_F(Report, FolderThatCannotBeWrittenIsReportedWithItsPath) {
    ASSERT_NO_FATAL_FAILURE(Inspect());
    const QString missing = QDir(folder_.path()).filePath(QStringLiteral("нет папки"));
    window_->SetDocumentFolder(missing);
    Forward();
    ASSERT_EQ(failures_.size(), 1);
    EXPECT_THAT(failures_[0].toStdString(), HasSubstr(missing.toStdString()));
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(progress_->isVisible());
}

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

} // namespace
