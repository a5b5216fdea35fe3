#pragma once

#include "common/arrow_spin_box.h"
#include "wizard/numeric_input.h"

// A spin input for a number typed or stepped: the floors or the volume of step 2. The text is
// examined after every change; a text that is no number keeps the last value.
class NumericSpin : public ArrowSpinBox {
    Q_OBJECT

public:
    explicit NumericSpin(QWidget* parent = nullptr);

    // Sets the rules and the starting value; the field shows it as a whole number.
    void SetRules(const wizard::NumericRules& rules, double initial);
    double Value() const { return value_; }
    // Shows a saved text and value as they were, the text unexamined: it need not be a number.
    void SetState(const QString& text, double value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString&) const override {}

signals:
    void ValueChanged(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    StepEnabled stepEnabled() const override;

private:
    void ExamineText(const QString& text);
    void SetValue(double value);

    wizard::NumericRules rules_;
    double value_ = 0;
};
