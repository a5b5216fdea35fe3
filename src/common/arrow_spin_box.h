#pragma once

#include <QAbstractSpinBox>
#include <QStyle>
#include <QTimer>
#include <functional>

// A spin box whose arrow buttons step once when released over the arrow that was pressed and,
// held down, repeat after a first delay and then every 100 ms. The step itself is stepBy()'s.
// A refused key beeps.
class ArrowSpinBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    ArrowSpinBox(int repeatDelayMs, QWidget* parent = nullptr);

    // How a refused key is signalled; tests replace the beep.
    using Beeper = std::function<void()>;
    void SetBeeper(Beeper beeper) { beeper_ = std::move(beeper); }

protected:
    void Beep() const;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStyle::SubControl ButtonAt(const QPoint& pos) const;
    void Repeat();

    int repeatDelayMs_;
    Beeper beeper_;
    // The arrow held down, and the timer that repeats its step while it is.
    QStyle::SubControl held_ = QStyle::SC_None;
    QTimer repeat_;
};
