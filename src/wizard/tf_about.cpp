#include "wizard/tf_about.h"

#include "ui_tf_about.h"
#include "wizard/application.h"
#include "wizard/maker.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), s.size());
}

} // namespace

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
    ui->Label3->setText(Text(wizard::MakerNotice));
    ui->Label7->setText(Text(wizard::MakerAddress));
    QFont link = ui->Label7->font();
    link.setUnderline(true);
    ui->Label7->setFont(link);
    QPalette blue = ui->Label7->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    ui->Label7->setPalette(blue);
    for (QLabel* label :
         {ui->Label1, ui->Label2, ui->Label3, ui->Label7, ui->Label4, ui->Label5, ui->Label6})
        label->adjustSize();
    ui->Label7->installEventFilter(this);

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

bool Tf_about::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Label7 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit AddressClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
