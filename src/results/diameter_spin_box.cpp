#include "results/diameter_spin_box.h"

#include "common/locale_format.h"
#include "common/qt_text.h"
#include "results/nozzle.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

DiameterSpinBox::DiameterSpinBox(QWidget* parent)
    : ArrowSpinBox(400, parent) { // repeats after 400 ms
    setAccelerated(false);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(results::InitialDiameter));
    connect(lineEdit(), &QLineEdit::textChanged, this, &DiameterSpinBox::TextChanged);
}

QString DiameterSpinBox::Text() const {
    return lineEdit()->text();
}

void DiameterSpinBox::SetText(const QString& text) {
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

// Digits, signs and the decimal separator may stand while typing; the diameter they make is
// judged by the core.
QValidator::State DiameterSpinBox::validate(QString& input, int&) const {
    const char separator = common::DecimalSeparator(*this);
    for (const char32_t c : input.toUcs4())
        if (!results::AcceptsDiameterCharacter(c, separator))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

// A typed whole number outside the range steps by one from where it is.
int DiameterSpinBox::Stepped(int steps) const {
    int value = results::DiameterValue(Utf8(Text()));
    for (int i = 0; i < steps; ++i)
        value = results::DiameterUp(value);
    for (int i = 0; i > steps; --i)
        value = results::DiameterDown(value);
    return value;
}

void DiameterSpinBox::stepBy(int steps) {
    SetText(QString::number(Stepped(steps)));
}

QAbstractSpinBox::StepEnabled DiameterSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (QString::number(Stepped(1)) != Text())
        enabled |= StepUpEnabled;
    if (QString::number(Stepped(-1)) != Text())
        enabled |= StepDownEnabled;
    return enabled;
}

void DiameterSpinBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool refusedChar = common::TypesCharacter(*event) &&
                             !results::AcceptsDiameterCharacter(event->text().toUcs4().value(0),
                                                                common::DecimalSeparator(*this));
    if (enter || refusedChar) {
        event->accept();
        Beep();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void DiameterSpinBox::focusOutEvent(QFocusEvent* event) {
    SetText(QString::number(results::BoundedDiameter(Utf8(Text()))));
    QAbstractSpinBox::focusOutEvent(event);
}
