// Big but legal input on screen: a 10 000-row grid, a 100 000-character conclusion and
// 1 000-character fields. Each benchmark times one thing the user does, on real widgets of an
// offscreen application, so a slow layout or a whole-grid update per key shows here.
#include "common/messages.h"
#include "protocol/tf_progress.h"
#include "results/conclusion_panel.h"
#include "results/results_model.h"
#include "results/results_panel.h"
#include "results/results_view.h"
#include "wizard/tf_1.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr int ManyRows = 10'000;
constexpr int LongConclusion = 100'000;
constexpr int LongField = 1'000;

// Words of a conclusion, so that the memo wraps them as it would a real one.
QString LongText(int length) {
    const QString word = QStringLiteral("пожарный кран этажа расход ");
    QString text;
    text.reserve(length);
    while (text.size() < length) {
        text += word;
    }
    text.truncate(length);
    return text;
}

// The results panel of a many-row grid, on screen. Each benchmark owns its panel: a widget must
// not outlive the QApplication.
bool ShowResultsPanel(ResultsPanel& panel, int rows) {
    panel.Prepare(rows, 2.5);
    panel.show();
    const bool exposed = QTest::qWaitForWindowExposed(&panel);
    QCoreApplication::processEvents();
    return exposed;
}

// Sizing the grid to many rows, as the forward press from step 2 does.
void PrepareManyRows(benchmark::State& state) {
    ResultsPanel panel;
    panel.show();
    int rows = ManyRows;
    for (auto _ : state) {
        rows = rows == ManyRows ? ManyRows - 1 : ManyRows; // a real change every time
        panel.Prepare(rows, 2.5);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(PrepareManyRows)->Unit(benchmark::kMillisecond);

// One keystroke in a pressure cell in the middle of a 10 000-row grid, scrolled into view: the
// cell is repainted as it would be under the inspector's eyes.
void PressureKeystroke(benchmark::State& state) {
    ResultsPanel panel;
    if (!ShowResultsPanel(panel, ManyRows)) {
        state.SkipWithError("the panel is not on screen");
        return;
    }
    auto* view = panel.findChild<ResultsView*>(QStringLiteral("SG"));
    auto* model = view->model();
    const QModelIndex cell = model->index(ManyRows / 2, results::ColPressure);
    view->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    QCoreApplication::processEvents();
    if (!view->viewport()->rect().contains(view->visualRect(cell))) {
        state.SkipWithError("the cell is not on screen");
        return;
    }
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        model->setData(cell, longer ? QStringLiteral("2,5") : QStringLiteral("2,"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(PressureKeystroke)->Unit(benchmark::kMicrosecond);

// A change of the nozzle diameter: every one of the 10 000 rows is brought up to date.
void DiameterChangeOnScreen(benchmark::State& state) {
    ResultsPanel panel;
    if (!ShowResultsPanel(panel, ManyRows)) {
        state.SkipWithError("the panel is not on screen");
        return;
    }
    auto* view = panel.findChild<ResultsView*>(QStringLiteral("SG"));
    auto* model = qobject_cast<ResultsModel*>(view->model());
    for (int row = 0; row < ManyRows; ++row) {
        model->setData(model->index(row, results::ColPressure),
                       QString::number(1 + row % 15) + QStringLiteral(",5"));
    }
    bool twelve = false;
    for (auto _ : state) {
        twelve = !twelve;
        model->SetDiameter(twelve ? 12 : 13);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(DiameterChangeOnScreen)->Unit(benchmark::kMillisecond);

// Step 3 to step 4 puts the whole composed conclusion into the memo.
void ConclusionIntoMemo(benchmark::State& state) {
    ConclusionPanel panel;
    panel.show();
    const QString text = LongText(LongConclusion);
    for (auto _ : state) {
        panel.SetConclusion(text);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ConclusionIntoMemo)->Unit(benchmark::kMillisecond);

// One letter typed into the middle of a 100 000-character conclusion.
void MemoKeystroke(benchmark::State& state) {
    ConclusionPanel panel;
    panel.show();
    panel.SetConclusion(LongText(LongConclusion));
    auto* memo = panel.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    memo->setFocus();
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(LongConclusion / 2);
    memo->setTextCursor(cursor);
    QCoreApplication::processEvents();
    bool type = false;
    for (auto _ : state) {
        type = !type;
        if (type) {
            QTest::keyClick(memo, Qt::Key_A);
        } else {
            QTest::keyClick(memo, Qt::Key_Backspace);
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(MemoKeystroke)->Unit(benchmark::kMicrosecond);

// One letter typed at the end of a 1 000-character field of step 1.
void FieldKeystroke(benchmark::State& state) {
    QLineEdit field;
    field.show();
    field.setText(LongText(LongField));
    field.setFocus();
    field.end(false);
    QCoreApplication::processEvents();
    bool type = false;
    for (auto _ : state) {
        type = !type;
        QTest::keyClick(&field, type ? Qt::Key_A : Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(FieldKeystroke)->Unit(benchmark::kMicrosecond);

// "Отчет" on a 10 000-row inspection with 1 000-character fields and a 100 000-character
// conclusion, as the main window does it: the progress window counting and painting, the
// protocol composed, saved to a new file and handed to the (recording) opener.
void ReportOfBigInspection(benchmark::State& state) {
    QTemporaryDir folder;
    TF_1 window;
    TF_progress progress(&window);
    window.SetProgressWindow(&progress);
    window.SetDocumentFolder(folder.path());
    int opened = 0;
    window.SetDocumentOpener([&opened](const QString&) { return ++opened > 0; });
    QString failure;
    const common::MessageSink previous =
        common::SetFailureSink([&failure](const QString& text) { failure = text; });
    window.show();

    const QString field = LongText(LongField);
    for (const char* name : {"Mesto", "MestoProverki", "ObjName", "NameOrg"})
        window.findChild<QLineEdit*>(QLatin1String(name))->setText(field);
    auto* forward = window.findChild<QPushButton*>(QStringLiteral("ButtonForward"));
    forward->click();
    window.findChild<QRadioButton*>(QStringLiteral("Zhiloe"))->click();
    forward->click();
    auto* view = window.findChild<ResultsView*>(QStringLiteral("SG"));
    auto* model = qobject_cast<ResultsModel*>(view->model());
    while (model->rowCount() < ManyRows)
        model->AppendRow();
    for (int row = 0; row < ManyRows; ++row)
        model->setData(model->index(row, results::ColPressure),
                       QString::number(1 + row % 15) + QStringLiteral(",5"));
    forward->click();
    window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
        ->setPlainText(LongText(LongConclusion));
    QCoreApplication::processEvents();

    for (auto _ : state) {
        forward->click();
        QCoreApplication::processEvents();
    }
    common::SetFailureSink(previous);
    if (!failure.isEmpty() || opened != static_cast<int>(state.iterations()))
        state.SkipWithError(("the protocol was not written: " + failure.toStdString()).c_str());
}
BENCHMARK(ReportOfBigInspection)->Unit(benchmark::kMillisecond)->Iterations(5);

// Saving and opening a 10 000-row inspection through the main window: reading every input,
// writing the file atomically; reading it back and showing every row.
TF_1& BigInspectionWindow() {
    static TF_1 window;
    static bool filled = false;
    if (!filled) {
        filled = true;
        window.show();
        auto* forward = window.findChild<QPushButton*>(QStringLiteral("ButtonForward"));
        forward->click();
        window.findChild<QRadioButton*>(QStringLiteral("Zhiloe"))->click();
        forward->click();
        auto* model = qobject_cast<ResultsModel*>(
            window.findChild<ResultsView*>(QStringLiteral("SG"))->model());
        while (model->rowCount() < ManyRows)
            model->AppendRow();
        for (int row = 0; row < ManyRows; ++row) {
            model->setData(model->index(row, results::ColLocation),
                           QStringLiteral("лестничная клетка, этаж %1").arg(row + 1));
            model->setData(model->index(row, results::ColPressure),
                           QString::number(1 + row % 15) + QStringLiteral(",5"));
        }
        QCoreApplication::processEvents();
    }
    return window;
}

void SaveBigInspection(benchmark::State& state) {
    QTemporaryDir folder;
    TF_1& window = BigInspectionWindow();
    const QString path = folder.filePath(QStringLiteral("big.naporis"));
    window.SetFileChooser([&](TF_1::FileChoice, const QString&) { return path; });
    for (auto _ : state) {
        if (!window.SaveInspectionAs())
            state.SkipWithError("not saved");
    }
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(SaveBigInspection)->Unit(benchmark::kMillisecond);

void OpenBigInspection(benchmark::State& state) {
    QTemporaryDir folder;
    TF_1& window = BigInspectionWindow();
    const QString path = folder.filePath(QStringLiteral("big.naporis"));
    window.SetFileChooser([&](TF_1::FileChoice, const QString&) { return path; });
    window.SaveInspectionAs();
    const wizard::Inspection saved = window.CurrentInspection();
    for (auto _ : state) {
        if (!window.OpenInspectionFile(path))
            state.SkipWithError("not opened");
        QCoreApplication::processEvents();
    }
    if (!(window.CurrentInspection() == saved))
        state.SkipWithError("opened differently");
}
BENCHMARK(OpenBigInspection)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
