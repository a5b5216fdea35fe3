#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TF_progress;
}

class QProgressBar;

// The small window that counts while the protocol is written.
class TF_progress : public QDialog {
    Q_OBJECT

public:
    explicit TF_progress(QWidget* parent = nullptr);
    ~TF_progress() override;

    QProgressBar* PB() const;

private:
    std::unique_ptr<Ui::TF_progress> ui;
};
