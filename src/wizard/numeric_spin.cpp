#include "wizard/numeric_spin.h"

#include "common/locale_format.h"
#include "common/qt_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <utility>

// Held down, an arrow repeats after 500 ms.
NumericSpin::NumericSpin(QWidget* parent) : ArrowSpinBox(500, parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumericSpin::ExamineText);
}

void NumericSpin::SetRules(const wizard::NumericRules& rules, double initial) {
    rules_ = rules;
    value_ = wizard::Bound(rules, initial);
    lineEdit()->setText(QString::number(static_cast<long long>(value_)));
}

QValidator::State NumericSpin::validate(QString&, int&) const {
    // Any text may stand in the field; only a number changes the value.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled NumericSpin::stepEnabled() const {
    // At a bound a step still rewrites the text.
    return StepUpEnabled | StepDownEnabled;
}

void NumericSpin::SetState(const QString& text, double value) {
    {
        const QSignalBlocker quiet(lineEdit());
        lineEdit()->setText(text);
    }
    SetValue(value);
}

void NumericSpin::stepBy(int steps) {
    const wizard::Stepped stepped =
        wizard::Step(rules_, value_, steps, common::DecimalSeparator(*this));
    SetValue(stepped.value);
    lineEdit()->setText(QString::fromStdString(stepped.text));
}

void NumericSpin::ExamineText(const QString& text) {
    const char separator = common::DecimalSeparator(*this);
    const wizard::TextOutcome outcome = wizard::ExamineText(rules_, text.toStdString(), separator);
    if (!outcome.value)
        return;
    SetValue(*outcome.value);
    if (outcome.text)
        lineEdit()->setText(QString::fromStdString(*outcome.text));
}

void NumericSpin::SetValue(double value) {
    if (value == value_)
        return;
    value_ = value;
    emit ValueChanged(value_);
}

void NumericSpin::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        QAbstractSpinBox::keyPressEvent(event);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Beep();
        event->accept();
        return;
    default:
        break;
    }
    if (common::TypesCharacter(*event)) {
        const QString typed = event->text();
        QString kept = lineEdit()->text();
        if (lineEdit()->hasSelectedText())
            kept.remove(lineEdit()->selectionStart(), lineEdit()->selectedText().size());
        const char separator = common::DecimalSeparator(*this);
        for (const char32_t c : typed.toUcs4()) {
            if (!wizard::AcceptsCharacter(rules_, kept.toStdString(), c, separator)) {
                Beep();
                event->accept();
                return;
            }
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void NumericSpin::wheelEvent(QWheelEvent* event) {
    // The wheel scrolls the list of inputs; a number changes only on purpose.
    event->ignore();
}
