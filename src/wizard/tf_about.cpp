#include "wizard/tf_about.h"

#include "common/link_label.h"
#include "common/qt_text.h"
#include "ui_tf_about.h"
#include "wizard/application.h"
#include "wizard/maker.h"

#include <QKeyEvent>
#include <QMouseEvent>

Tf_about::Tf_about(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Tf_about>()) {
    ui->setupUi(this);
    setFixedSize(312, 206);
    ui->Image1->setPixmap(wizard::FireCockPicture());

    QFont title(QStringLiteral("Arial"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(13);
    title.setBold(true);
    ui->Label1->setFont(title);
    ui->Label2->setText(QString::fromStdString(wizard::VersionLine()));
    ui->Label3->setText(common::ToQString(wizard::MakerNotice));
    ui->Label7->setText(common::ToQString(wizard::MakerAddress));
    for (QLabel* label : std::initializer_list<QLabel*>{
             ui->Label1, ui->Label2, ui->Label3, ui->Label7, ui->Label4, ui->Label5, ui->Label6})
        label->adjustSize();
    connect(ui->Label7, &LinkLabel::Clicked, this, &Tf_about::AddressClicked);

    ui->Button1->setFocus();
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::reject);
}

Tf_about::~Tf_about() = default;

void Tf_about::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
