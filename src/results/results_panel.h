#pragma once

#include "results/results_grid.h"

#include <QFrame>
#include <memory>
#include <optional>

namespace Ui {
class ResultsPanel;
}

class ResultsModel;

// Step 3: the required flow, the nozzle diameter and the grid of tested fire cocks.
class ResultsPanel : public QFrame {
    Q_OBJECT

public:
    explicit ResultsPanel(QWidget* parent = nullptr);
    ~ResultsPanel() override;

    // Sizes the grid to JetCount rows and states the required flow.
    void Prepare(std::int32_t JetCount, double JetFlow);

    // The grid as it stands; every row is up to date.
    const results::ResultsGrid& Grid() const;
    // The diameter text as the field shows it.
    QString DnasText() const;
    // The JetFlow the grid was last prepared for; none before the first preparation.
    std::optional<double> PreparedFlow() const { return preparedFlow_; }
    bool AutoFlow() const;
    bool AutoCompliance() const;
    // Shows a saved step 3 as it was.
    void SetState(const results::ResultsGrid& grid, std::optional<double> preparedFlow,
                  const QString& Dnas, bool autoFlow, bool autoCompliance);

    // Handlers.
    void DnasChange();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Action2Execute();

signals:
    // Any entry changed: a cell, a row added or removed, the diameter or a switch.
    void Changed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void FitToFont();

    std::unique_ptr<Ui::ResultsPanel> ui;
    ResultsModel* model_ = nullptr;
    std::optional<double> preparedFlow_;
};
