#include "wizard/building_panel.h"

#include "ui_building_panel.h"

BuildingPanel::BuildingPanel(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::BuildingPanel>()) { ui->setupUi(this); }

BuildingPanel::~BuildingPanel() = default;

requirement::BuildingParameters BuildingPanel::Parameters() const { return {}; }

void BuildingPanel::UpdateParamPanels() {}
