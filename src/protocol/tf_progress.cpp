#include "protocol/tf_progress.h"

#include "ui_tf_progress.h"

TF_progress::TF_progress(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TF_progress>()) {
    ui->setupUi(this);
}

TF_progress::~TF_progress() = default;

QProgressBar* TF_progress::PB() const { return ui->PB; }
