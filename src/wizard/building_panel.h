#pragma once

#include "requirement/requirement.h"
#include "wizard/inspection.h"

#include <QFrame>
#include <memory>

class QButtonGroup;

namespace Ui {
class BuildingPanel;
}

// Step 2: the building's parameters.
class BuildingPanel : public QFrame {
    Q_OBJECT

public:
    explicit BuildingPanel(QWidget* parent = nullptr);
    ~BuildingPanel() override;

    // What the building-code rules read from the inputs, as they stand.
    requirement::BuildingParameters Parameters() const;

    // Shows the sub-panels that matter for the chosen type and degree.
    void UpdateParamPanels();
    // Refills the category list after the degree changed.
    void stepognChange();

    // Every input as it stands, hidden ones too, and back.
    wizard::BuildingState State() const;
    void SetState(const wizard::BuildingState& state);

signals:
    // Any input changed, by the user or by SetState.
    void Changed();

private:
    void Action1Execute();
    void DegreeChanged();

    std::unique_ptr<Ui::BuildingPanel> ui;
    QButtonGroup* types_ = nullptr;
};
