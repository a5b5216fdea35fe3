#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Tf_about;
}

// "О программе".
class Tf_about : public QDialog {
    Q_OBJECT

public:
    explicit Tf_about(QWidget* parent = nullptr);
    ~Tf_about() override;

private:
    std::unique_ptr<Ui::Tf_about> ui;
};
