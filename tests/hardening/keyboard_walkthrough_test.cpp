// An inspection from start-up to "Отчет" with the keyboard alone: Tab, Space,
// arrow keys and typed text. Tab follows the main window's order (Panel1,
// ButtonForward, ButtonBack, Button3, Panel3, Panel2, Panel4, Button1) and each
// step's own order; Enter presses only the button that has the focus, Escape
// presses none.
#include "walkthrough_fixture.h"
#include "protocol_text.h"
#include "wizard/tf_about.h"

#include <QDateEdit>
#include <QTimer>

namespace {

// The control a focused widget belongs to: a spin box's or list's inner edit
// counts as the spin box or list.
QString ControlName(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_")))
            return name;
    }
    return QStringLiteral("(none)");
}

// The protocol's date line: "05" марта 2024 года.
QString DateLine(const QDate& date) {
    static const char* const months[] = {"января",   "февраля", "марта",  "апреля",
                                         "мая",      "июня",    "июля",   "августа",
                                         "сентября", "октября", "ноября", "декабря"};
    return QStringLiteral("\"%1\" %2 %3 года.")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(QString::fromUtf8(months[date.month() - 1]))
        .arg(date.year());
}

class KeyboardWalkthrough : public InspectionFixture {
protected:
    QString Focused() const { return ControlName(QApplication::focusWidget()); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the focus";
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    }
    // Each key goes where the focus is then: the grid's first key opens its
    // editor.
    void Type(const QString& text) {
        for (QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr) << "nothing has the focus";
            TypeText(target, QString(c));
        }
    }

    // Presses Tab once per expected name and returns the controls it reached.
    QStringList TabThrough(int presses) {
        QStringList reached;
        for (int i = 0; i < presses; ++i) {
            Key(Qt::Key_Tab);
            reached << Focused();
        }
        return reached;
    }

    // Tabs forward until the named control has the focus; at most a full round.
    void TabTo(const QString& name) {
        for (int i = 0; i < 40 && Focused() != name; ++i)
            Key(Qt::Key_Tab);
        ASSERT_EQ(Focused(), name);
    }

    // Enter and Escape on a control that is no button press nothing.
    void ExpectEnterAndEscapeStay(int step) {
        Key(Qt::Key_Return);
        Key(Qt::Key_Escape);
        EXPECT_EQ(Step(), step) << "on " << Focused().toStdString();
        EXPECT_TRUE(refusals_.isEmpty());
        EXPECT_TRUE(opened_.isEmpty());
    }
};

TEST_F(KeyboardWalkthrough, FromStartUpToTheProtocol) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));

    // Step 1: the date first, then the five fields in order, then the buttons.
    EXPECT_EQ(Focused(), QStringLiteral("Data"));
    // An arrow key steps the day, the first section of dd.MM.yyyy, within its
    // month.
    const QDate today = Find<QDateEdit>("Data")->date();
    const bool firstOfMonth = today.day() == 1;
    Key(firstOfMonth ? Qt::Key_Up : Qt::Key_Down);
    const QDate inspected = Find<QDateEdit>("Data")->date();
    EXPECT_EQ(inspected, today.addDays(firstOfMonth ? 1 : -1));
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("Mesto")});
    Type(typed_.locality);
    ExpectEnterAndEscapeStay(1);
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("MestoProverki")});
    Type(typed_.address);
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("ObjName")});
    Type(typed_.object);
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("NameOrg")});
    Type(typed_.organisation);
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("Oborud")});
    Type(QStringLiteral("Ств")); // the list completes its one item
    ExpectEnterAndEscapeStay(1);
    // ButtonBack is disabled and the other panels hidden: skipped.
    EXPECT_EQ(TabThrough(4), (QStringList{"ButtonForward", "Button3", "Button1", "Data"}));
    TabTo(QStringLiteral("ButtonForward"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(Step(), 1) << "Escape pressed a button";
    Key(Qt::Key_Space);
    ASSERT_EQ(Step(), 2);

    // Step 2: the focus stays on the forward button; Panel2 comes after Button3.
    EXPECT_EQ(Focused(), QStringLiteral("ButtonForward"));
    EXPECT_EQ(TabThrough(3), (QStringList{"ButtonBack", "Button3", "Zhiloe"}));
    Key(Qt::Key_Space); // "Жилое здание"
    EXPECT_TRUE(Find<QRadioButton>("Zhiloe")->isChecked());
    // A residential building shows floors, the corridor, the 38 mm equipment and
    // the hall.
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("NumEtazh")});
    Type(QStringLiteral("17"));
    EXPECT_EQ(TabThrough(1), QStringList{QStringLiteral("DlCor")});
    Key(Qt::Key_Space);
    EXPECT_EQ(TabThrough(4), (QStringList{"Oborud38", "ZalLudOtd", "Button1", "ButtonForward"}));
    Key(Qt::Key_Return); // Enter presses the focused forward button
    ASSERT_EQ(Step(), 3);
    EXPECT_TRUE(refusals_.isEmpty()) << refusals_.join(u' ').toStdString();

    // Step 3: Dnas, then the grid, whose three rows take a pressure each by arrow
    // keys and typed digits; Enter in the grid ends the edit and presses nothing.
    EXPECT_EQ(TabThrough(4), (QStringList{"ButtonBack", "Button3", "Dnas", "SG"}));
    auto* grid = Find<QTableView>("SG");
    for (int row = 0; row < typed_.pressures.size(); ++row) {
        while (grid->currentIndex().column() < 4)
            Key(Qt::Key_Right);
        while (grid->currentIndex().row() < row)
            Key(Qt::Key_Down);
        ASSERT_EQ(grid->currentIndex(), grid->model()->index(row, 4));
        Type(typed_.pressures[row]);
        ExpectEnterAndEscapeStay(3);
        EXPECT_EQ(CellText(row, 4), typed_.pressures[row]);
    }
    EXPECT_EQ(CellText(0, 6), QStringLiteral("Да"));
    EXPECT_EQ(CellText(1, 6), QStringLiteral("Нет"));
    EXPECT_EQ(CellText(2, 5), QStringLiteral("err"));
    // Tab moves from cell to cell and, from the last cell, on to the switches; Shift+Tab
    // comes back into the grid, and from its first cell leaves it, back through Dnas to
    // the buttons.
    EXPECT_EQ(TabThrough(3), (QStringList{"SG", "SG", "CheckBox7"}));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), QStringLiteral("SG"));
    while (grid->currentIndex().row() > 0)
        Key(Qt::Key_Up);
    while (grid->currentIndex().column() > 1)
        Key(Qt::Key_Left);
    QStringList back;
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
        back << Focused();
    }
    EXPECT_EQ(back, (QStringList{"Dnas", "Button3", "ButtonBack", "ButtonForward"}));
    Key(Qt::Key_Space);
    ASSERT_EQ(Step(), 4);
    EXPECT_EQ(Find<QPushButton>("ButtonForward")->text(), QStringLiteral("Отчет"));

    // Step 4: the memo takes typed text and Enter as a new line; Tab leaves it.
    TabTo(QStringLiteral("Memo1"));
    Key(Qt::Key_End, Qt::ControlModifier);
    Type(typed_.addedToConclusion);
    Key(Qt::Key_Return);
    EXPECT_EQ(Step(), 4);
    EXPECT_TRUE(opened_.isEmpty()) << "Enter in the memo wrote a protocol";
    TabTo(QStringLiteral("ButtonForward"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(opened_.isEmpty()) << "Escape wrote a protocol";
    Key(Qt::Key_Space);

    ASSERT_EQ(opened_.size(), 1);
    EXPECT_TRUE(failures_.isEmpty()) << failures_.join(u' ').toStdString();
    const QString text = ProtocolParagraphs(opened_[0]).join(u'\n');
    for (const QString& typed :
         {typed_.locality, typed_.address, typed_.object, typed_.organisation, typed_.equipment,
          typed_.addedToConclusion.trimmed(), DateLine(inspected)})
        EXPECT_TRUE(text.contains(typed)) << typed.toStdString();
}

// "О программе" by the keyboard: Space on the button opens the window modally with
// "Закрыть" focused; Escape leaves it open, Enter closes it, and the focus comes back.
TEST_F(KeyboardWalkthrough, AboutWindowOpensAndClosesByKeys) {
    Tf_about about(window_.get());
    window_->SetAboutWindow(&about);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    TabTo(QStringLiteral("Button1"));

    QString focusedInAbout;
    bool openAfterEscape = false;
    bool closedByEnter = false;
    QTimer::singleShot(0, [&] {
        // A desktop's window manager activates the new window; offscreen, the test does.
        if (QApplication::activeModalWidget() == &about) {
            about.activateWindow();
            if (QTest::qWaitFor([&] { return QApplication::activeWindow() == &about; })) {
                if (QWidget* focused = QApplication::focusWidget(); focused->window() == &about)
                    focusedInAbout = ControlName(focused);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                openAfterEscape = about.isVisible();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                closedByEnter = !about.isVisible();
            }
        }
        if (about.isVisible())
            about.reject(); // never leave the test waiting in the modal loop
    });
    Key(Qt::Key_Space);

    EXPECT_EQ(focusedInAbout, QStringLiteral("Button1")) << "\"Закрыть\" has no focus";
    EXPECT_TRUE(openAfterEscape) << "Escape closed the About window";
    EXPECT_TRUE(closedByEnter) << "Enter did not press \"Закрыть\"";
    // The main window, active again, has its "О программе" focused.
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == Find("Button1"); }))
        << "focus on " << Focused().toStdString();
    EXPECT_EQ(Step(), 1);
}

} // namespace
