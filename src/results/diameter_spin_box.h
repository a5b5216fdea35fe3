#pragma once

#include "common/arrow_spin_box.h"

// The nozzle diameter field: a whole number of millimetres whose spin buttons and arrow keys
// step through the discharge table's diameters. While it has the focus its text stands as
// typed; on leaving, the text becomes the bounded diameter, so the text the protocol prints
// is the diameter the flows were computed with.
class DiameterSpinBox : public ArrowSpinBox {
    Q_OBJECT

public:
    explicit DiameterSpinBox(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void TextChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Stepped(int steps) const;
};
