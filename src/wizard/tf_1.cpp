#include "wizard/tf_1.h"

#include "ui_tf_1.h"
#include "wizard/building_panel.h"
#include "wizard/messages.h"

#include <QDesktopServices>
#include <QEvent>

TF_1::TF_1(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TF_1>()),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      documentOpener_([](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }) {
    ui->setupUi(this);
    connect(ui->ButtonForward, &QPushButton::clicked, this, wizard::Guarded([this] { ButtonForwardClick(); }));
    connect(ui->ButtonBack, &QPushButton::clicked, this, wizard::Guarded([this] { ButtonBackClick(); }));
    connect(ui->Button3, &QPushButton::clicked, this, wizard::Guarded([this] { Button3Click(); }));
    connect(ui->Button1, &QPushButton::clicked, this, wizard::Guarded([this] { Button1Click(); }));
    FormCreate();
}

TF_1::~TF_1() = default;

GeneralDataPanel* TF_1::Panel1() const { return ui->Panel1; }
BuildingPanel* TF_1::Panel2() const { return ui->Panel2; }
ResultsPanel* TF_1::Panel3() const { return ui->Panel3; }
ConclusionPanel* TF_1::Panel4() const { return ui->Panel4; }

void TF_1::FormCreate() {}

void TF_1::CalcRequirement() {
    requirement_ = requirement::CalcRequirement(ui->Panel2->Parameters(), requirement_);
}

void TF_1::ButtonForwardClick() {}
void TF_1::ButtonBackClick() {}
void TF_1::Button3Click() { close(); }
void TF_1::Button1Click() {}
void TF_1::Label2Click() {}

void TF_1::changeEvent(QEvent* event) { QWidget::changeEvent(event); }
