#include "wizard/general_data_panel.h"

#include "common/qt_text.h"
#include "ui_general_data_panel.h"
#include "wizard/building_inputs.h"
#include "wizard/clock.h"

#include <QDate>
#include <QKeyEvent>

GeneralDataPanel::GeneralDataPanel(QWidget* parent)
    : QFrame(parent), ui(std::make_unique<Ui::GeneralDataPanel>()) {
    ui->setupUi(this);
    ui->Data->setDate(wizard::Today());
    ui->Oborud->addItem(common::ToQString(wizard::OborudItem));
    ui->Oborud->setCurrentIndex(-1);
    ui->Oborud->clearEditText();
    ApplyLocale(QLocale());
    // Tab leaves the date for the next field instead of walking through day, month and year.
    ui->Data->installEventFilter(this);

    connect(ui->Data, &QDateEdit::dateChanged, this, &GeneralDataPanel::Changed);
    for (QLineEdit* field : {ui->Mesto, ui->MestoProverki, ui->ObjName, ui->NameOrg})
        connect(field, &QLineEdit::textChanged, this, &GeneralDataPanel::Changed);
    connect(ui->Oborud, &QComboBox::currentTextChanged, this, &GeneralDataPanel::Changed);
    connect(ui->Oborud, &QComboBox::currentIndexChanged, this, &GeneralDataPanel::Changed);
}

bool GeneralDataPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Data && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

GeneralDataPanel::~GeneralDataPanel() = default;

void GeneralDataPanel::ApplyLocale(const QLocale& locale) {
    ui->Data->setLocale(locale);
    ui->Data->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
}

protocol::GeneralData GeneralDataPanel::GeneralData() const {
    const QDate date = ui->Data->date();
    return {
        .date = {date.day(), date.month(), date.year()},
        .Mesto = ui->Mesto->text().toStdString(),
        .MestoProverki = ui->MestoProverki->text().toStdString(),
        .ObjName = ui->ObjName->text().toStdString(),
        .NameOrg = ui->NameOrg->text().toStdString(),
        .Oborud = ui->Oborud->currentText().toStdString(),
    };
}

std::optional<int> GeneralDataPanel::EquipmentSelected() const {
    const int index = ui->Oborud->currentIndex();
    return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

void GeneralDataPanel::SetGeneralData(const protocol::GeneralData& data,
                                      std::optional<int> equipmentSelected) {
    ui->Data->setDate(QDate(data.date.year, data.date.month, data.date.day));
    ui->Mesto->setText(QString::fromStdString(data.Mesto));
    ui->MestoProverki->setText(QString::fromStdString(data.MestoProverki));
    ui->ObjName->setText(QString::fromStdString(data.ObjName));
    ui->NameOrg->setText(QString::fromStdString(data.NameOrg));
    ui->Oborud->setCurrentIndex(equipmentSelected.value_or(-1));
    ui->Oborud->setEditText(QString::fromStdString(data.Oborud));
}

QString GeneralDataPanel::Address() const {
    return ui->MestoProverki->text();
}
