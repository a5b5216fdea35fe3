// The main window's operations of step 3 and step 4.
#include "results/conclusion.h"
#include "results/results_panel.h"
#include "wizard/general_data_panel.h"
#include "wizard/tf_1.h"

void TF_1::PrepareResultsGrid() {
    Panel3()->Prepare(JetCount(), JetFlow());
}

QString TF_1::BuildConclusion() const {
    return QString::fromStdString(
        results::BuildConclusion(Panel3()->Grid(), Panel1()->Address().toStdString()));
}
