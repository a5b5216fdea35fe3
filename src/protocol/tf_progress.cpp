#include "protocol/tf_progress.h"

#include "ui_tf_progress.h"

#include <QCoreApplication>

TF_progress::TF_progress(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TF_progress>()) {
    ui->setupUi(this);
    // A fixed dialog frame: no resizing, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(265, 51);
    setModal(false);
}

TF_progress::~TF_progress() = default;

QProgressBar* TF_progress::PB() const {
    return ui->PB;
}
QLabel* TF_progress::Label1() const {
    return ui->Label1;
}

void TF_progress::ShowProgress(int percent) {
    ui->PB->setValue(percent);
    // The window system tells of the window's showing through events that nobody handles while
    // the protocol is written, and an unexposed window paints nothing: its own events go first
    // (the user's input waits, the main window is disabled anyway).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TF_progress::showEvent(QShowEvent* event) {
    QDialog::showEvent(event); // centres over the parent unless the window was placed
    if (!placed_) {
        placed_ = true;
        setAttribute(Qt::WA_Moved); // from now on it stays where it is
    }
}
