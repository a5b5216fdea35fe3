#pragma once

// A main window driven as the inspector drives it: clicks and typed keys. Messages and the
// desktop are replaced, so what the window shows or opens is recorded instead.
#include "support/main_window_fixture.h"
#include "wizard/building_panel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class WizardFixture : public MainWindowFixture {
protected:
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
};
