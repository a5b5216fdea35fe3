// Step 4: the conclusion memo, typed into as the inspector does.
#include "results/conclusion_panel.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class ConclusionPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel_));
        memo_ = panel_.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        ASSERT_NE(memo_, nullptr);
    }

    ConclusionPanel panel_;
    QPlainTextEdit* memo_ = nullptr;
};

TEST_F(ConclusionPanelTest, EnterStartsANewLineAndSettingReplacesEdits) {
    panel_.SetConclusion(QStringLiteral("1. Вывод."));
    memo_->moveCursor(QTextCursor::End);
    Type(memo_, QStringLiteral("\n2. Заменить рукав."));
    EXPECT_EQ(panel_.Conclusion(), QStringLiteral("1. Вывод.\n2. Заменить рукав."));

    panel_.SetConclusion(QStringLiteral("Новый вывод."));
    EXPECT_EQ(panel_.Conclusion(), QStringLiteral("Новый вывод."));
}

TEST_F(ConclusionPanelTest, LongConclusionIsKeptWholeAndWrappedWithoutScrollBars) {
    QString text;
    while (text.size() < 100000)
        text += QStringLiteral("пожарный кран в коридоре второго этажа, ");
    panel_.SetConclusion(text);
    EXPECT_EQ(panel_.Conclusion(), text);
    const QTextBlock first = memo_->document()->firstBlock();
    ASSERT_NE(first.layout(), nullptr);
    EXPECT_GT(first.layout()->lineCount(), 1);
    for (int line = 0; line < std::min(first.layout()->lineCount(), 20); ++line)
        EXPECT_LE(first.layout()->lineAt(line).naturalTextWidth(), memo_->viewport()->width());
    EXPECT_FALSE(memo_->verticalScrollBar()->isVisible());
    EXPECT_FALSE(memo_->horizontalScrollBar()->isVisible());
}

} // namespace
