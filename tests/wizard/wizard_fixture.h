#pragma once

// A main window driven as the inspector drives it: clicks and typed keys. Messages and the
// desktop are replaced, so what the window shows or opens is recorded instead.
#include "protocol/tf_progress.h"
#include "wizard/building_panel.h"
#include "wizard/messages.h"
#include "wizard/tf_1.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
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

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        previousRefusal_ =
            wizard::SetRefusalSink([this](const QString& text) { refusals_ << text; });
        previousFailure_ =
            wizard::SetFailureSink([this](const QString& text) { failures_ << text; });
        window_ = std::make_unique<TF_1>();
        progress_ = std::make_unique<TF_progress>(window_.get());
        window_->SetProgressWindow(progress_.get());
        window_->SetUrlOpener([this](const QUrl& url) {
            openedUrls_ << url;
            return true;
        });
        window_->SetDocumentOpener([this](const QString& path) {
            openedDocuments_ << path;
            return true;
        });
        window_->SetDocumentFolder(folder_.path());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void TearDown() override {
        progress_.reset();
        window_.reset();
        wizard::SetRefusalSink(std::move(previousRefusal_));
        wizard::SetFailureSink(std::move(previousFailure_));
    }

    template <class W = QWidget> W* Find(const char* name) const {
        W* widget = window_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Forward() { Click("ButtonForward"); }
    void Back() { Click("ButtonBack"); }

    void ChooseType(const char* radio) {
        auto* button = Find<QRadioButton>(radio);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void Tick(const char* box) {
        auto* check = Find<QWidget>(box);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }

    // Replaces a list's text by typing, as a user selects the text and types over it.
    void TypeIntoList(const char* list, const QString& text) {
        QTest::keyClick(Find<QComboBox>(list), Qt::Key_A, Qt::ControlModifier);
        TypeText(Find<QComboBox>(list), text);
    }
    void Backspace(const char* list) { QTest::keyClick(Find<QComboBox>(list), Qt::Key_Backspace); }

    // Types over the whole text of a spin input.
    void TypeIntoSpin(const char* spin, const QString& text) {
        auto* box = Find<QAbstractSpinBox>(spin);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        TypeText(box, text);
    }
    QString SpinText(const char* spin) { return Find<QAbstractSpinBox>(spin)->text(); }

    // The step whose panel is visible, 0 when none or more than one is.
    int Step() const {
        int step = 0;
        int visible = 0;
        const QWidget* panels[] = {Find("Panel1"), Find("Panel2"), Find("Panel3"), Find("Panel4")};
        for (int i = 0; i < 4; ++i) {
            if (panels[i]->isVisible()) {
                step = i + 1;
                ++visible;
            }
        }
        return visible == 1 ? step : 0;
    }

    // A residential building of one floor gives one jet of 2.5 l/s, enough to reach step 3.
    void ReachStep(int step) {
        if (step >= 2)
            Forward();
        if (step >= 3) {
            ChooseType("Zhiloe");
            Forward();
        }
        if (step >= 4)
            Forward();
        ASSERT_EQ(Step(), step);
    }

    QTemporaryDir folder_;
    std::unique_ptr<TF_1> window_;
    std::unique_ptr<TF_progress> progress_;
    QStringList refusals_;
    QStringList failures_;
    QList<QUrl> openedUrls_;
    QStringList openedDocuments_;

private:
    wizard::MessageSink previousRefusal_;
    wizard::MessageSink previousFailure_;
};

// Readable failures: texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
