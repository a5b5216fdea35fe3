#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Tf_about;
}

// "О программе". "Закрыть" has the focus and Enter presses it; Escape does nothing.
class Tf_about : public QDialog {
    Q_OBJECT

public:
    explicit Tf_about(QWidget* parent = nullptr);
    ~Tf_about() override;

signals:
    // The maker's address was clicked.
    void AddressClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::Tf_about> ui;
};
