#pragma once

// The main window with its progress window, driven as the inspector drives it: clicks and
// typed keys. The failure report, the refusal, the warning for an unopened protocol and the
// desktop are replaced, so that what the window shows or opens is recorded instead of waiting
// for a click.
#include "common/messages.h"
#include "protocol/tf_progress.h"
#include "wizard/clock.h"
#include "wizard/protocol_warning.h"
#include "wizard/tf_1.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Types a text key by key, Cyrillic letters included.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }
}

// Readable failures: texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class MainWindowFixture : public ::testing::Test {
protected:
    // The day every main window of the tests starts on.
    static inline const QDate Today{2024, 3, 5};

    void SetUp() override {
        previousClock_ = wizard::SetClock([] { return Today; });
        previousFailure_ =
            common::SetFailureSink([this](const QString& text) { failures_ << text; });
        previousRefusal_ =
            common::SetRefusalSink([this](const QString& text) { refusals_ << text; });
        previousWarning_ =
            wizard::SetUnopenedProtocolSink([this](const QString& text) { warnings_ << text; });
        window_ = std::make_unique<TF_1>();
        progress_ = std::make_unique<TF_progress>(window_.get());
        window_->SetProgressWindow(progress_.get());
        window_->SetDocumentFolder(folder_.path());
        window_->SetUrlOpener([this](const QUrl& url) {
            openedUrls_ << url;
            return true;
        });
        window_->SetDocumentOpener([this](const QString& path) {
            opened_ << path;
            return opens_;
        });
        window_->SetSaveQuestion([this](const QString& text) {
            questions_ << text;
            return answer_;
        });
        window_->SetFileChooser([this](TF_1::FileChoice choice, const QString& proposed) {
            proposals_ << proposed;
            return choice == TF_1::FileChoice::Save ? saveAs_ : openFile_;
        });
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void TearDown() override {
        progress_.reset();
        window_.reset();
        common::SetFailureSink(std::move(previousFailure_));
        common::SetRefusalSink(std::move(previousRefusal_));
        wizard::SetUnopenedProtocolSink(std::move(previousWarning_));
        wizard::SetClock(std::move(previousClock_));
    }

    template <class W = QWidget> W* Find(const char* name) const {
        W* widget = window_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The main window's step, 0 when its panel is not the one and only panel visible.
    int Step() const {
        const int step = static_cast<int>(window_->CurrentStep());
        int visible = 0;
        const QWidget* panels[] = {Find("Panel1"), Find("Panel2"), Find("Panel3"), Find("Panel4")};
        for (const QWidget* panel : panels)
            visible += panel->isVisible() ? 1 : 0;
        return visible == 1 && panels[step - 1]->isVisible() ? step : 0;
    }

    // Types a text into a cell of the results grid (row 1 is the first fire cock) through its
    // in-place editor, as the inspector does: F2, the text, Enter.
    void EnterCell(int row, int column, const QString& text) {
        auto* view = Find<QTableView>("SG");
        ASSERT_NE(view, nullptr);
        const QModelIndex index = view->model()->index(row - 1, column);
        view->setFocus();
        view->setCurrentIndex(index);
        QTest::keyClick(view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
        ASSERT_NE(editor, nullptr) << "no editor in row " << row << ", column " << column;
        editor->selectAll();
        TypeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    }

    QTemporaryDir folder_;
    std::unique_ptr<TF_1> window_;
    std::unique_ptr<TF_progress> progress_;
    QStringList failures_;
    QStringList refusals_;
    QStringList warnings_; // protocols saved that no program opened
    QList<QUrl> openedUrls_;
    QStringList opened_; // protocols handed to the desktop
    bool opens_ = true;  // what the desktop answers
    // The question before unsaved entries are left, and the file dialogs.
    QStringList questions_;
    TF_1::Answer answer_ = TF_1::Answer::No;
    QStringList proposals_; // what the file dialogs were opened with
    QString saveAs_;        // the file chosen to save to; empty: cancelled
    QString openFile_;      // the file chosen to open; empty: cancelled

private:
    common::MessageSink previousFailure_;
    common::MessageSink previousRefusal_;
    common::MessageSink previousWarning_;
    wizard::Clock previousClock_;
};
