#include "wizard/general_data_panel.h"

#include "ui_general_data_panel.h"

GeneralDataPanel::GeneralDataPanel(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::GeneralDataPanel>()) { ui->setupUi(this); }

GeneralDataPanel::~GeneralDataPanel() = default;

protocol::GeneralData GeneralDataPanel::GeneralData() const { return {}; }

QString GeneralDataPanel::Address() const { return {}; }
