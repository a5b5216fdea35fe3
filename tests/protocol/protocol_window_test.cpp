// "Отчет" through the real windows: the progress window, the whole inspection ending in a
// protocol that LibreOffice converts, and a failing opener that leaves everything usable.
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
    // The typical inspection, up to step 4.
    void Inspect() {
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
