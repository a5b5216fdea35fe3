// The main window's operations of step 3 and step 4.
#include "wizard/tf_1.h"

#include "results/results_panel.h"

void TF_1::PrepareResultsGrid() { Panel3()->Prepare(JetCount(), JetFlow()); }

QString TF_1::BuildConclusion() const { return {}; }
