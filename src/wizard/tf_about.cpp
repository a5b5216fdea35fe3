#include "wizard/tf_about.h"

#include "ui_tf_about.h"

Tf_about::Tf_about(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tf_about>()) {
    ui->setupUi(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::reject);
}

Tf_about::~Tf_about() = default;
