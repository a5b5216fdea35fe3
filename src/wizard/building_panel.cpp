#include "wizard/building_panel.h"

#include "common/messages.h"
#include "common/qt_text.h"
#include "ui_building_panel.h"
#include "wizard/building_inputs.h"

#include <QButtonGroup>
#include <QLineEdit>

namespace {

QStringList Items(auto&& texts) {
    QStringList items;
    for (const std::string_view text : texts)
        items << common::ToQString(text);
    return items;
}

void PaintWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

BuildingPanel::BuildingPanel(QWidget* parent)
    : QFrame(parent), ui(std::make_unique<Ui::BuildingPanel>()) {
    ui->setupUi(this);

    PaintWhite(ui->ScrollBox1->viewport());
    PaintWhite(ui->ScrollBox1Contents);
    for (QFrame* panel :
         {ui->PanelType, ui->PanelStepen, ui->PanelEtazh, ui->PanelV, ui->PanelH, ui->PanelLkor,
          ui->PanelRukav, ui->PanelZal, ui->PanelStal, ui->PanelGorMat})
        PaintWhite(panel);

    // One group: a choice can be changed, never cleared.
    auto* types = types_ = new QButtonGroup(this);
    for (QRadioButton* type : {ui->Zhiloe, ui->Uprava, ui->Obshaga, ui->Administr, ui->Proisv}) {
        types->addButton(type);
        connect(type, &QRadioButton::toggled, this, common::Guarded([this, type] {
                    if (type->isChecked())
                        Action1Execute();
                }));
    }

    ui->NumEtazh->SetRules(wizard::FloorsRules, 1);
    ui->V->SetRules(wizard::VolumeRules, 0);

    ui->stepogn->addItems(Items(wizard::DegreeItems));
    ui->stepogn->setCurrentIndex(0);
    // The category shows "А" at start without an item selected.
    ui->rategoriya->addItems(Items(wizard::CategoriesFirstGroup));
    ui->rategoriya->setCurrentIndex(-1);
    ui->rategoriya->setEditText(ui->rategoriya->itemText(0));
    connect(ui->stepogn, &QComboBox::currentIndexChanged, this,
            common::Guarded([this] { DegreeChanged(); }));
    connect(ui->stepogn, &CompletingCombo::TextEdited, this,
            common::Guarded([this] { DegreeChanged(); }));

    // Every input tells when it changed, so unsaved entries are noticed.
    const QList<QAbstractButton*> boxes{ui->Zhiloe,    ui->Uprava,    ui->Obshaga,  ui->Administr,
                                        ui->Proisv,    ui->H50,       ui->DlCor,    ui->Oborud38,
                                        ui->ZalLudOtd, ui->CheckBox6, ui->CheckBox4};
    for (QAbstractButton* box : boxes)
        connect(box, &QAbstractButton::toggled, this, &BuildingPanel::Changed);
    for (const QAbstractSpinBox* spin : QList<QAbstractSpinBox*>{ui->NumEtazh, ui->V})
        connect(spin->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
                &BuildingPanel::Changed);
    for (QComboBox* list : QList<QComboBox*>{ui->stepogn, ui->rategoriya}) {
        connect(list, &QComboBox::currentTextChanged, this, &BuildingPanel::Changed);
        connect(list, &QComboBox::currentIndexChanged, this, &BuildingPanel::Changed);
    }

    UpdateParamPanels();
}

BuildingPanel::~BuildingPanel() = default;

wizard::BuildingState BuildingPanel::State() const {
    const requirement::BuildingParameters p = Parameters();
    wizard::BuildingState s;
    s.type = p.type;
    s.floors = {ui->NumEtazh->text().toStdString(), ui->NumEtazh->Value()};
    s.volume = {ui->V->text().toStdString(), ui->V->Value()};
    s.H50 = p.H50;
    s.DlCor = p.DlCor;
    s.Oborud38 = p.Oborud38;
    s.ZalLudOtd = p.ZalLudOtd;
    s.CheckBox6 = ui->CheckBox6->isChecked();
    s.CheckBox4 = ui->CheckBox4->isChecked();
    const int degree = ui->stepogn->currentIndex();
    s.degree = {ui->stepogn->currentText().toStdString(),
                degree >= 0 ? std::optional<int>(degree) : std::nullopt};
    const int category = ui->rategoriya->currentIndex();
    s.category = {p.category, category >= 0 ? std::optional<int>(category) : std::nullopt};
    // The list holds one of the two groups; its first item tells which.
    const QString first = ui->rategoriya->count() > 0 ? ui->rategoriya->itemText(0) : QString();
    s.categories = first.toStdString() == wizard::CategoriesSecondGroup[0]
                       ? wizard::CategoryList::Second
                       : wizard::CategoryList::First;
    return s;
}

void BuildingPanel::SetState(const wizard::BuildingState& s) {
    using requirement::BuildingType;
    // A choice cannot be cleared in an exclusive group; a new inspection has none.
    types_->setExclusive(false);
    const std::pair<QRadioButton*, BuildingType> types[] = {
        {ui->Zhiloe, BuildingType::Zhiloe},
        {ui->Uprava, BuildingType::Uprava},
        {ui->Obshaga, BuildingType::Obshaga},
        {ui->Administr, BuildingType::Administr},
        {ui->Proisv, BuildingType::Proisv}};
    for (const auto& [button, type] : types)
        button->setChecked(type == s.type);
    types_->setExclusive(true);

    ui->NumEtazh->SetState(QString::fromStdString(s.floors.text), s.floors.value);
    ui->V->SetState(QString::fromStdString(s.volume.text), s.volume.value);
    ui->H50->setChecked(s.H50);
    ui->DlCor->setChecked(s.DlCor);
    ui->Oborud38->setChecked(s.Oborud38);
    ui->ZalLudOtd->setChecked(s.ZalLudOtd);
    ui->CheckBox6->setChecked(s.CheckBox6);
    ui->CheckBox4->setChecked(s.CheckBox4);

    // The degree first: selecting it refills the categories, which are set after it.
    ui->stepogn->setCurrentIndex(s.degree.selected.value_or(-1));
    ui->stepogn->setEditText(QString::fromStdString(s.degree.text));
    ui->rategoriya->Refill(Items(s.categories == wizard::CategoryList::Second
                                     ? wizard::CategoriesSecondGroup
                                     : wizard::CategoriesFirstGroup));
    ui->rategoriya->setCurrentIndex(s.category.selected.value_or(-1));
    ui->rategoriya->setEditText(QString::fromStdString(s.category.text));
    UpdateParamPanels();
}

void BuildingPanel::Action1Execute() {
    UpdateParamPanels();
}

void BuildingPanel::DegreeChanged() {
    stepognChange();
    UpdateParamPanels();
}

void BuildingPanel::stepognChange() {
    const auto items =
        wizard::CategoryItemsForDegree(requirement::DegreeAt(ui->stepogn->currentIndex()));
    if (items)
        ui->rategoriya->Refill(Items(*items));
}

requirement::BuildingParameters BuildingPanel::Parameters() const {
    using requirement::BuildingType;
    requirement::BuildingParameters p;
    p.type = ui->Zhiloe->isChecked()      ? BuildingType::Zhiloe
             : ui->Uprava->isChecked()    ? BuildingType::Uprava
             : ui->Obshaga->isChecked()   ? BuildingType::Obshaga
             : ui->Administr->isChecked() ? BuildingType::Administr
             : ui->Proisv->isChecked()    ? BuildingType::Proisv
                                          : BuildingType::None;
    p.floors = ui->NumEtazh->Value();
    p.volume = ui->V->Value();
    p.DlCor = ui->DlCor->isChecked();
    p.ZalLudOtd = ui->ZalLudOtd->isChecked();
    p.Oborud38 = ui->Oborud38->isChecked();
    p.H50 = ui->H50->isChecked();
    p.degree = requirement::DegreeAt(ui->stepogn->currentIndex());
    p.category = ui->rategoriya->currentText().toStdString();
    return p;
}

void BuildingPanel::UpdateParamPanels() {
    const auto p = Parameters();
    const wizard::ParamPanels v = wizard::VisibleParamPanels(p.type, p.degree);
    ui->PanelStepen->setVisible(v.PanelStepen);
    ui->PanelEtazh->setVisible(v.PanelEtazh);
    ui->PanelV->setVisible(v.PanelV);
    ui->PanelH->setVisible(v.PanelH);
    ui->PanelLkor->setVisible(v.PanelLkor);
    ui->PanelRukav->setVisible(v.PanelRukav);
    ui->PanelZal->setVisible(v.PanelZal);
    ui->PanelStal->setVisible(v.PanelStal);
    ui->PanelGorMat->setVisible(v.PanelGorMat);
}
