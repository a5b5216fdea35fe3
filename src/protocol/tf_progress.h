#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TF_progress;
}

class QLabel;
class QProgressBar;

// The small window that counts while the protocol is written. Not modal; centred over the
// main window the first time it shows, later where it was.
class TF_progress : public QDialog {
    Q_OBJECT

public:
    explicit TF_progress(QWidget* parent = nullptr);
    ~TF_progress() override;

    QProgressBar* PB() const;
    QLabel* Label1() const;

    // Sets the bar and paints the window at once, after the window's own pending events (its
    // exposure first of all): the main window's thread is busy writing.
    void ShowProgress(int percent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TF_progress> ui;
    bool placed_ = false;
};
