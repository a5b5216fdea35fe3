#pragma once

#include "results/results_grid.h"

#include <QAbstractTableModel>

// The grid of tested fire cocks as a Qt model over the core grid: one model row per data row
// (the header row is the view's header), column 0 the painted sequence number. Every change
// brings the affected rows up to date through the core at once, so what the conclusion and
// the protocol read is never stale, whether a row is on screen or not.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const results::ResultsGrid& Grid() const { return grid_; }
    const results::RowRules& Rules() const { return rules_; }

    // Sizes the grid to JetCount data rows for the given JetFlow.
    void Prepare(std::int32_t JetCount, double JetFlow);
    void AppendRow();
    void RemoveLastRow();
    // Shows a saved grid, judged against the JetFlow it was prepared for (0: never prepared).
    void Restore(const results::ResultsGrid& grid, double JetFlow);

    // Each brings every row up to date that the change affects.
    void SetDiameter(std::optional<int> diameter);
    void SetSwitches(bool autoFlow, bool autoCompliance);
    void SetSeparator(char separator);

signals:
    void DataRowCountChanged(int dataRows);

private:
    static int GridRow(int modelRow) { return modelRow + 1; }
    void UpdateEveryRow();
    void EmitRowsChanged(const std::vector<int>& gridRows);

    results::ResultsGrid grid_;
    results::RowRules rules_;
};
