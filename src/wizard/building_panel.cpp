#include "wizard/building_panel.h"

#include "common/messages.h"
#include "ui_building_panel.h"
#include "wizard/building_inputs.h"

#include <QButtonGroup>

namespace {

QStringList Items(auto&& texts) {
    QStringList items;
    for (const std::string_view text : texts)
        items << QString::fromUtf8(text.data(), text.size());
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
    auto* types = new QButtonGroup(this);
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

    UpdateParamPanels();
}

BuildingPanel::~BuildingPanel() = default;

void BuildingPanel::Action1Execute() {
    UpdateParamPanels();
}

void BuildingPanel::DegreeChanged() {
    stepognChange();
    UpdateParamPanels();
}

void BuildingPanel::stepognChange() {
    const int index = ui->stepogn->currentIndex();
    const auto items =
        wizard::CategoryItemsForDegree(index >= 0 ? std::optional<int>(index) : std::nullopt);
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
    if (const int degree = ui->stepogn->currentIndex(); degree >= 0)
        p.degree = degree;
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
