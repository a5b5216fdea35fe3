#include "common/arrow_spin_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleOptionSpinBox>
#include <utility>

ArrowSpinBox::ArrowSpinBox(int repeatDelayMs, QWidget* parent)
    : QAbstractSpinBox(parent), repeatDelayMs_(repeatDelayMs),
      beeper_([] { QApplication::beep(); }) {
    connect(&repeat_, &QTimer::timeout, this, &ArrowSpinBox::Repeat);
}

void ArrowSpinBox::Beep() const {
    if (beeper_)
        beeper_();
}

QStyle::SubControl ArrowSpinBox::ButtonAt(const QPoint& pos) const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, pos, this);
}

void ArrowSpinBox::mousePressEvent(QMouseEvent* event) {
    const QStyle::SubControl button = ButtonAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton &&
        (button == QStyle::SC_SpinBoxUp || button == QStyle::SC_SpinBoxDown)) {
        held_ = button;
        repeat_.start(repeatDelayMs_);
        event->accept();
        return;
    }
    QAbstractSpinBox::mousePressEvent(event);
}

void ArrowSpinBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && held_ != QStyle::SC_None) {
        const QStyle::SubControl pressed = std::exchange(held_, QStyle::SC_None);
        repeat_.stop();
        if (ButtonAt(event->position().toPoint()) == pressed)
            stepBy(pressed == QStyle::SC_SpinBoxUp ? 1 : -1);
        event->accept();
        return;
    }
    QAbstractSpinBox::mouseReleaseEvent(event);
}

void ArrowSpinBox::Repeat() {
    repeat_.setInterval(100);
    stepBy(held_ == QStyle::SC_SpinBoxUp ? 1 : -1);
}
