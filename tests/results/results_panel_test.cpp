// Step 3 driven as the inspector drives it: keys into the grid's editor and the diameter
// field, clicks on the switches and the row buttons.
#include "results/diameter_spin_box.h"
#include "results/results_grid.h"
#include "results/results_panel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using results::ColCompliance;
using results::ColDefects;
using results::ColFlow;
using results::ColLocation;
using results::ColPressure;

// Types one character as a keyboard would, Cyrillic included.
void TypeChar(QWidget* widget, QChar c) {
    if (c == u'\b')
        QTest::keyClick(widget, Qt::Key_Backspace);
    else if (c.unicode() < 0x80)
        QTest::keyClick(widget, static_cast<char>(c.unicode()));
    else
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        TypeChar(widget, c);
}

class ResultsPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel_.Prepare(3, 2.5);
        panel_.show();
        panel_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel_));
        view_ = panel_.findChild<QTableView*>(QStringLiteral("SG"));
        dnas_ = panel_.findChild<DiameterSpinBox*>(QStringLiteral("Dnas"));
        ASSERT_NE(view_, nullptr);
        ASSERT_NE(dnas_, nullptr);
        dnas_->SetBeeper([this] { ++beeps_; });
    }

    std::string Cell(int column, int row) const { return panel_.Grid().Cell(column, row); }
    std::pair<std::string, std::string> Outcome(int row) const {
        return {Cell(ColFlow, row), Cell(ColCompliance, row)};
    }

    // Clicks the cell and opens its editor with F2, its text selected; returns the editor.
    QLineEdit* OpenEditor(int row, int column) {
        const QModelIndex index = view_->model()->index(row - 1, column);
        view_->scrollTo(index);
        // A second click on the current cell would make a double click.
        if (view_->currentIndex() != index)
            QTest::mouseClick(view_->viewport(), Qt::LeftButton, {},
                              view_->visualRect(index).center());
        QTest::keyClick(view_, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(view_->indexWidget(index));
        if (editor)
            editor->selectAll();
        return editor;
    }

    // Replaces a cell's text by typing it, then leaves the cell with Enter.
    void Enter(int row, int column, const QString& text) {
        QLineEdit* editor = OpenEditor(row, column);
        ASSERT_NE(editor, nullptr);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        Type(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the editor closes after the key
    }

    // Replaces the diameter text by typing, the field keeping the focus.
    void TypeDiameter(const QString& text) {
        dnas_->setFocus();
        QTest::keyClick(dnas_, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dnas_, Qt::Key_Delete);
        Type(dnas_, text);
    }

    void LeaveDiameter() {
        view_->setFocus();
        QApplication::processEvents();
    }

    QPoint SpinButton(QStyle::SubControl button) const {
        QStyleOptionSpinBox option;
        option.initFrom(dnas_);
        option.rect = dnas_->rect();
        option.subControls = QStyle::SC_All;
        option.frame = dnas_->hasFrame();
        option.buttonSymbols = dnas_->buttonSymbols();
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        return dnas_->style()->subControlRect(QStyle::CC_SpinBox, &option, button, dnas_).center();
    }

    template <class T> T* Child(const char* name) {
        return panel_.findChild<T*>(QString::fromLatin1(name));
    }

    ResultsPanel panel_;
    QTableView* view_ = nullptr;
    DiameterSpinBox* dnas_ = nullptr;
    int beeps_ = 0;
};

// ---- A pressure typed key by key: its row is up to date after every key. ----

struct TypingCase {
    const char* name;
    const char* keys;
    std::vector<std::pair<std::string, std::string>> afterEachKey; // flow, compliance
};
void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

class PressureTyping : public ResultsPanelTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(PressureTyping, RowFollowsEveryKey) {
    const TypingCase& c = GetParam();
    QLineEdit* editor = OpenEditor(2, ColPressure);
    ASSERT_NE(editor, nullptr);
    const QString keys = QString::fromUtf8(c.keys);
    ASSERT_EQ(static_cast<std::size_t>(keys.size()), c.afterEachKey.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        TypeChar(editor, keys.at(i));
        EXPECT_EQ(Cell(ColPressure, 2), editor->text().toStdString()) << "after key " << i;
        EXPECT_EQ(Outcome(2), c.afterEachKey[static_cast<std::size_t>(i)]) << "after key " << i;
    }
}

// 13 mm nozzle, 2.5 l/s per jet.
INSTANTIATE_TEST_SUITE_P(
    Grid, PressureTyping,
    ::testing::Values(
        TypingCase{"DecimalComma", "1,9", {{"1,83", "Нет"}, {"1,83", "Нет"}, {"2,53", "Да"}}},
        TypingCase{"DecimalPoint", "2.5", {{"2,6", "Да"}, {"2,6", "Да"}, {"2,9", "Да"}}},
        TypingCase{"TopOfTable", "16", {{"1,83", "Нет"}, {"0", "Нет"}}},
        TypingCase{"EmptiedAfterMeeting", "2\b", {{"2,6", "Да"}, {"", "Нет"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts that give no flow: the row shows "err" and, being judged automatically, "Нет" even
// where an earlier key had made it "Да".
INSTANTIATE_TEST_SUITE_P(
    GridFailures, PressureTyping,
    ::testing::Values(
        TypingCase{"RisesAboveTable", "30", {{"3,18", "Да"}, {"err", "Нет"}}},
        TypingCase{"BelowTable", "0,3", {{"err", "Нет"}, {"err", "Нет"}, {"err", "Нет"}}},
        TypingCase{"SecondSeparator",
                   "2.5.3",
                   {{"2,6", "Да"}, {"2,6", "Да"}, {"2,9", "Да"}, {"err", "Нет"}, {"err", "Нет"}}},
        TypingCase{"Letter", "2a", {{"2,6", "Да"}, {"err", "Нет"}}},
        TypingCase{"Sign", "-2", {{"err", "Нет"}, {"err", "Нет"}}},
        TypingCase{"TrailingSpace", "2 ", {{"2,6", "Да"}, {"err", "Нет"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsPanelTest, KeystrokeTouchesOnlyItsOwnRow) {
    Enter(1, ColPressure, QStringLiteral("2"));
    Enter(3, ColPressure, QStringLiteral("1"));
    const auto row1 = Outcome(1);
    const auto row3 = Outcome(3);

    QSignalSpy changes(view_->model(), &QAbstractItemModel::dataChanged);
    QLineEdit* editor = OpenEditor(2, ColPressure);
    ASSERT_NE(editor, nullptr);
    TypeChar(editor, u'2');
    ASSERT_FALSE(changes.isEmpty());
    for (const QList<QVariant>& change : changes) {
        EXPECT_EQ(change.at(0).toModelIndex().row(), 1);
        EXPECT_EQ(change.at(1).toModelIndex().row(), 1);
    }
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("2,6"), std::string("Да")));
    EXPECT_EQ(Outcome(1), row1);
    EXPECT_EQ(Outcome(3), row3);
}

TEST_F(ResultsPanelTest, TabMovesToTheNextCellPastTheRowNumbers) {
    QLineEdit* editor = OpenEditor(1, ColDefects);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(view_->currentIndex(), view_->model()->index(0, ColPressure));
    auto* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(next, nullptr);
    Type(next, QStringLiteral("2"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2,6"), std::string("Да")));

    OpenEditor(1, ColCompliance);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(view_->currentIndex(), view_->model()->index(1, results::ColCock));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view_->currentIndex(), view_->model()->index(0, ColCompliance));
}

// Tab from the last cell goes on to the switches, also while the cell is being edited; the
// grid never holds the keyboard captive.
TEST_F(ResultsPanelTest, TabFromTheLastCellLeavesTheGrid) {
    QLineEdit* editor = OpenEditor(3, ColCompliance);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("CheckBox7"));

    view_->setFocus();
    QTest::keyClick(view_, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("CheckBox7"));
}

// ---- The nozzle diameter: buttons, arrow keys and typed values, all rows following. ----

enum class Step { None, UpButton, DownButton, UpKey, DownKey };

struct DiameterCase {
    const char* name;
    const char* typed;
    Step step;
    const char* text;
    const char* flowAt2Bar;
};
void PrintTo(const DiameterCase& c, std::ostream* os) {
    *os << c.name;
}

class DiameterStepping : public ResultsPanelTest,
                         public ::testing::WithParamInterface<DiameterCase> {};

TEST_P(DiameterStepping, EveryRowFollowsTheDiameter) {
    const DiameterCase& c = GetParam();
    Enter(1, ColPressure, QStringLiteral("2"));
    Enter(3, ColPressure, QStringLiteral("2"));
    TypeDiameter(QString::fromUtf8(c.typed));
    switch (c.step) {
    case Step::None:
        break;
    case Step::UpButton:
        QTest::mouseClick(dnas_, Qt::LeftButton, {}, SpinButton(QStyle::SC_SpinBoxUp));
        break;
    case Step::DownButton:
        QTest::mouseClick(dnas_, Qt::LeftButton, {}, SpinButton(QStyle::SC_SpinBoxDown));
        break;
    case Step::UpKey:
        QTest::keyClick(dnas_, Qt::Key_Up);
        break;
    case Step::DownKey:
        QTest::keyClick(dnas_, Qt::Key_Down);
        break;
    }
    EXPECT_EQ(panel_.DnasText().toStdString(), c.text);
    EXPECT_EQ(Cell(ColFlow, 1), c.flowAt2Bar);
    EXPECT_EQ(Cell(ColFlow, 3), c.flowAt2Bar);
    EXPECT_EQ(Cell(ColFlow, 2), "");
    LeaveDiameter();
    EXPECT_EQ(panel_.DnasText().toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Dnas, DiameterStepping,
    ::testing::Values(DiameterCase{"Initial", "13", Step::None, "13", "2,6"},
                      DiameterCase{"UpButtonAt16", "16", Step::UpButton, "18", "4,97"},
                      DiameterCase{"UpButtonAt4", "4", Step::UpButton, "6", "0,55"},
                      DiameterCase{"DownButtonAt4", "4", Step::DownButton, "4", "0,25"},
                      DiameterCase{"DownButtonAt12", "12", Step::DownButton, "10", "1,53"},
                      DiameterCase{"UpKeyAt4", "4", Step::UpKey, "6", "0,55"},
                      DiameterCase{"UpKeyAt10", "10", Step::UpKey, "12", "2,22"},
                      DiameterCase{"UpKeyAt14", "14", Step::UpKey, "16", "3,93"},
                      DiameterCase{"UpKeyAt18", "18", Step::UpKey, "18", "4,97"},
                      DiameterCase{"DownKeyAt9", "9", Step::DownKey, "6", "0,55"},
                      DiameterCase{"DownKeyAt18", "18", Step::DownKey, "16", "3,93"},
                      DiameterCase{"UpButtonFromTyped3", "3", Step::UpButton, "4", "0,25"},
                      DiameterCase{"DownKeyFromTyped20", "20", Step::DownKey, "18", "4,97"},
                      DiameterCase{"Typed8", "8", Step::None, "9", "1,25"},
                      DiameterCase{"Typed17", "17", Step::None, "16", "3,93"},
                      DiameterCase{"Typed11", "11", Step::None, "10", "1,53"}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts naming no table diameter: while the field has the focus they stand and no flow is
// computed; on leaving, the text becomes the bounded diameter the flows then use.
struct LeavingCase {
    const char* name;
    const char* typed;
    const char* textAfterLeaving;
    const char* flowAfterLeaving; // at 2 bar
};
void PrintTo(const LeavingCase& c, std::ostream* os) {
    *os << c.name;
}

class DiameterLeaving : public ResultsPanelTest,
                        public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(DiameterLeaving, NoFlowUntilTheTextIsADiameter) {
    const LeavingCase& c = GetParam();
    Enter(1, ColPressure, QStringLiteral("2"));
    TypeDiameter(QString::fromUtf8(c.typed));
    EXPECT_EQ(panel_.DnasText(), QString::fromUtf8(c.typed));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("err"), std::string("Нет")));
    LeaveDiameter();
    EXPECT_EQ(panel_.DnasText().toStdString(), c.textAfterLeaving);
    EXPECT_EQ(Cell(ColFlow, 1), c.flowAfterLeaving);
}

INSTANTIATE_TEST_SUITE_P(DnasFailures, DiameterLeaving,
                         ::testing::Values(LeavingCase{"Empty", "", "4", "0,25"},
                                           LeavingCase{"OneMillimetre", "1", "4", "0,25"},
                                           LeavingCase{"BeyondByte", "260", "18", "4,97"},
                                           LeavingCase{"Fraction", "12,5", "4", "0,25"},
                                           LeavingCase{"LoneSign", "-", "4", "0,25"},
                                           LeavingCase{"Negative", "-13", "4", "0,25"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsPanelTest, ArrowReleasedElsewhereDoesNotStep) {
    QTest::mousePress(dnas_, Qt::LeftButton, {}, SpinButton(QStyle::SC_SpinBoxUp));
    EXPECT_EQ(panel_.DnasText(), QStringLiteral("13"));
    QTest::mouseRelease(dnas_, Qt::LeftButton, {}, QPoint(4, dnas_->height() / 2));
    EXPECT_EQ(panel_.DnasText(), QStringLiteral("13"));
}

TEST_F(ResultsPanelTest, DiameterTypedKeyByKeyComputesAtEachKey) {
    Enter(1, ColPressure, QStringLiteral("2"));
    TypeDiameter(QStringLiteral("1"));
    EXPECT_EQ(Cell(ColFlow, 1), "err");
    TypeChar(dnas_, u'2');
    EXPECT_EQ(Cell(ColFlow, 1), "2,22");
    EXPECT_EQ(beeps_, 0);
}

struct RefusedKey {
    const char* name;
    Qt::Key key;
    const char* text;
};
void PrintTo(const RefusedKey& c, std::ostream* os) {
    *os << c.name;
}

class DiameterRefusal : public ResultsPanelTest,
                        public ::testing::WithParamInterface<RefusedKey> {};

TEST_P(DiameterRefusal, KeyIsRefusedWithABeep) {
    const RefusedKey& c = GetParam();
    dnas_->setFocus();
    QTest::sendKeyEvent(QTest::Click, dnas_, c.key, QString::fromUtf8(c.text), Qt::NoModifier);
    EXPECT_EQ(beeps_, 1);
    EXPECT_EQ(panel_.DnasText(), QStringLiteral("13"));
}

INSTANTIATE_TEST_SUITE_P(DnasFailures, DiameterRefusal,
                         ::testing::Values(RefusedKey{"Letter", Qt::Key_A, "a"},
                                           RefusedKey{"CyrillicLetter", Qt::Key_unknown, "ж"},
                                           RefusedKey{"Space", Qt::Key_Space, " "},
                                           RefusedKey{"OtherSeparator", Qt::Key_Period, "."},
                                           RefusedKey{"Enter", Qt::Key_Return, "\r"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The two "Авто" switches: independent, each click bringing every row up to date. ----

TEST_F(ResultsPanelTest, AutomaticFlowSwitchLeavesTheOtherAndKeepsTypedFlows) {
    auto* autoFlow = Child<QCheckBox>("CheckBox8");
    auto* autoCompliance = Child<QCheckBox>("CheckBox7");
    Enter(1, ColPressure, QStringLiteral("2"));

    QTest::mouseClick(autoFlow, Qt::LeftButton, {}, autoFlow->rect().center());
    EXPECT_FALSE(autoFlow->isChecked());
    EXPECT_TRUE(autoCompliance->isChecked());

    Enter(1, ColFlow, QStringLiteral("1,5"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("1,5"), std::string("Нет")));
    Enter(1, ColFlow, QStringLiteral("3"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("3"), std::string("Да")));
    Enter(1, ColFlow, QStringLiteral("много"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("много"), std::string("Нет")));

    QTest::mouseClick(autoFlow, Qt::LeftButton, {}, autoFlow->rect().center());
    EXPECT_TRUE(autoFlow->isChecked());
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2,6"), std::string("Да")));
}

TEST_F(ResultsPanelTest, AutomaticComplianceSwitchLeavesTheOtherAndKeepsTypedVerdicts) {
    auto* autoFlow = Child<QCheckBox>("CheckBox8");
    auto* autoCompliance = Child<QCheckBox>("CheckBox7");
    Enter(1, ColPressure, QStringLiteral("2"));
    Enter(2, ColPressure, QStringLiteral("2"));

    QTest::mouseClick(autoCompliance, Qt::LeftButton, {}, autoCompliance->rect().center());
    EXPECT_FALSE(autoCompliance->isChecked());
    EXPECT_TRUE(autoFlow->isChecked());

    Enter(1, ColCompliance, QStringLiteral("Нет"));
    Enter(2, ColCompliance, QStringLiteral("да"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2,6"), std::string("Нет")));
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("2,6"), std::string("Нет")));
    Enter(3, ColCompliance, QStringLiteral("Да"));
    EXPECT_EQ(Cell(ColCompliance, 3), "Да");
    // The flows still follow the diameter while the verdicts are the inspector's.
    TypeDiameter(QStringLiteral("12"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2,22"), std::string("Нет")));

    QTest::mouseClick(autoCompliance, Qt::LeftButton, {}, autoCompliance->rect().center());
    EXPECT_TRUE(autoCompliance->isChecked());
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2,22"), std::string("Нет")));
    TypeDiameter(QStringLiteral("13"));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2,6"), std::string("Да")));
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("2,6"), std::string("Да")));
    // Judged automatically again, a row without a flow does not meet the requirement.
    EXPECT_EQ(Outcome(3), std::make_pair(std::string(""), std::string("Нет")));
}

TEST_F(ResultsPanelTest, FlowsFollowALocaleChange) {
    Enter(1, ColPressure, QStringLiteral("1,9"));
    Enter(2, ColPressure, QStringLiteral("2"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&panel_, &change);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(Outcome(1), std::make_pair(std::string("2.53"), std::string("Да")));
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("2.6"), std::string("Да")));
}

// ---- Rows added and removed; a removed row's texts come back with it. ----

TEST_F(ResultsPanelTest, RemovedRowComesBackWithItsTexts) {
    auto* add = Child<QToolButton>("SpeedButton1");
    auto* remove = Child<QToolButton>("SpeedButton2");
    EXPECT_EQ(add->toolTip(), QStringLiteral("Добавить строку"));
    EXPECT_EQ(remove->toolTip(), QStringLiteral("Удалить последнюю строку"));

    panel_.Prepare(1, 2.5);
    EXPECT_FALSE(remove->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    ASSERT_EQ(panel_.Grid().RowCount(), 3);
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(Cell(results::ColCock, 2), "2");
    EXPECT_EQ(Cell(ColDefects, 2), "Нет");
    EXPECT_EQ(Cell(ColCompliance, 2), "Нет");

    Enter(2, ColLocation, QStringLiteral("Подвал, у лестницы"));
    Enter(2, ColDefects, QStringLiteral("Нет рукава"));
    // The row goes while its pressure is still being typed: what was typed stays stored.
    QLineEdit* editor = OpenEditor(2, ColPressure);
    ASSERT_NE(editor, nullptr);
    Type(editor, QStringLiteral("2"));
    QTest::mouseClick(remove, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(panel_.Grid().RowCount(), 2);
    EXPECT_EQ(view_->model()->rowCount(), 1);
    EXPECT_FALSE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(panel_.Grid().RowCount(), 2);

    // Back at a thicker nozzle: the returning row's flow is computed with it at once.
    TypeDiameter(QStringLiteral("18"));
    QTest::mouseClick(add, Qt::LeftButton);
    ASSERT_EQ(panel_.Grid().RowCount(), 3);
    EXPECT_EQ(view_->model()->rowCount(), 2);
    EXPECT_EQ(Cell(ColLocation, 2), "Подвал, у лестницы");
    EXPECT_EQ(Cell(ColPressure, 2), "2");
    EXPECT_EQ(Cell(ColDefects, 2), "Нет");
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("4,97"), std::string("Да")));
}

TEST_F(ResultsPanelTest, RowScrolledOutOfViewFollowsTheDiameter) {
    panel_.Prepare(60, 2.5);
    Enter(60, ColPressure, QStringLiteral("2"));
    EXPECT_EQ(Outcome(60), std::make_pair(std::string("2,6"), std::string("Да")));
    view_->scrollToTop();
    const QRect lastRow = view_->visualRect(view_->model()->index(59, ColFlow));
    ASSERT_FALSE(view_->viewport()->rect().intersects(lastRow));

    dnas_->setFocus();
    QTest::keyClick(dnas_, Qt::Key_Down);
    EXPECT_EQ(panel_.DnasText(), QStringLiteral("12"));
    EXPECT_EQ(Outcome(60), std::make_pair(std::string("2,22"), std::string("Нет")));
    EXPECT_EQ(view_->model()->index(59, ColFlow).data().toString(), QStringLiteral("2,22"));
}

TEST_F(ResultsPanelTest, PreparingAgainKeepsLocationsAndPressuresAndStatesTheFlow) {
    Enter(2, ColLocation, QStringLiteral("Этаж 2"));
    Enter(2, ColPressure, QStringLiteral("1"));
    Enter(2, results::ColCock, QStringLiteral("7"));
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("1,83"), std::string("Нет")));

    panel_.Prepare(3, 1.5);
    EXPECT_EQ(Child<QLabel>("Label19")->text(),
              QStringLiteral("Требуемый расход воды на внутреннее пожаротушение в пож. кранах не "
                             "менее 1,5 л/с"));
    EXPECT_EQ(Cell(results::ColCock, 2), "2");
    EXPECT_EQ(Cell(ColLocation, 2), "Этаж 2");
    EXPECT_EQ(Outcome(2), std::make_pair(std::string("1,83"), std::string("Да")));
}

} // namespace
