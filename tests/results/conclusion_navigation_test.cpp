// Moving from step 3 to step 4 composes the conclusion anew from the grid, edits included.
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Introduction =
    QStringLiteral("1. На момент проверки расход воды на внутреннее пожаротушение пожарных кранов "
                   "распологающихся в следующих местах:");
const QString Code =
    QStringLiteral("требованиям СНиП 2.04.01-85* \"Внутренний водопровод и канализация зданий\".");

class ConclusionNavigation : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        forward_ = Child<QPushButton>("ButtonForward");
        back_ = Child<QPushButton>("ButtonBack");
        ASSERT_NE(forward_, nullptr);
        ASSERT_NE(back_, nullptr);
    }

    template <class T> T* Child(const char* name) {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }

    void Click(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
        // On the indicator of a check box or radio button, the middle of anything else.
        const bool box =
            qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QPushButton*>(widget);
        const QPoint at = box ? QPoint(8, widget->height() / 2) : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    QString Memo() { return Child<QPlainTextEdit>("Memo1")->toPlainText(); }

    QPushButton* forward_ = nullptr;
    QPushButton* back_ = nullptr;
};

TEST_F(ConclusionNavigation, EachMoveToStepFourReplacesTheEditedConclusion) {
    Click(forward_);
    Click(Child<QRadioButton>("Zhiloe"));
    Click(Child<QCheckBox>("DlCor"));
    Click(forward_); // two jets of 2.5 l/s
    ASSERT_TRUE(Child<QTableView>("SG")->isVisible());
    EnterCell(1, 2, QStringLiteral("Подвал"));
    EnterCell(1, 4, QStringLiteral("2"));
    EnterCell(2, 2, QStringLiteral("Этаж 1"));
    EnterCell(2, 4, QStringLiteral("1"));

    Click(forward_);
    auto* memo = Child<QPlainTextEdit>("Memo1");
    ASSERT_TRUE(memo->isVisible());
    EXPECT_EQ(Memo(),
              Introduction +
                  QStringLiteral(" Этаж 1 здания, расположенного по адресу:  НЕ СООТВЕТСТВУЕТ ") +
                  Code);
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    TypeText(memo, QStringLiteral("2. Заменить рукав."));
    EXPECT_TRUE(Memo().endsWith(QStringLiteral("\n2. Заменить рукав.")));

    Click(back_);
    ASSERT_TRUE(Child<QTableView>("SG")->isVisible());
    EnterCell(2, 4, QStringLiteral("2"));
    Click(forward_);
    EXPECT_EQ(Memo(), Introduction +
                          QStringLiteral(" Подвал, Этаж 1 здания, расположенного по адресу:  "
                                         "СООТВЕТСТВУЕТ ") +
                          Code);
    EXPECT_TRUE(refusals_.isEmpty());
    EXPECT_TRUE(failures_.isEmpty());
}

} // namespace
