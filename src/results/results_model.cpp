#include "results/results_model.h"

#include "common/qt_text.h"
#include "results/nozzle.h"

#include <algorithm>

namespace {

const QList<int> TextRoles{Qt::DisplayRole, Qt::EditRole};

} // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {
    rules_.diameter = results::InitialDiameter;
    results::UpdateAllRows(grid_, rules_);
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount() - 1;
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : results::ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int row = GridRow(index.row());
    if (index.column() == results::ColNumber)
        return QString::number(row);
    return QString::fromStdString(grid_.Cell(index.column(), row));
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == results::ColNumber)
        return false;
    const int row = GridRow(index.row());
    if (grid_.SetCell(index.column(), row, value.toString().toStdString()))
        emit dataChanged(index, index, TextRoles);
    // A keystroke concerns its own row only.
    if (results::UpdateRow(grid_, row, rules_))
        emit dataChanged(this->index(index.row(), results::ColFlow),
                         this->index(index.row(), results::ColCompliance), TextRoles);
    return true;
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == results::ColNumber)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::number(GridRow(section));
    if (section < 0 || section >= results::ColumnCount)
        return {};
    return common::ToQString(results::GridHeaders[static_cast<std::size_t>(section)]);
}

void ResultsModel::Prepare(std::int32_t JetCount, double JetFlow) {
    beginResetModel();
    rules_.JetFlow = JetFlow;
    results::PrepareResultsGrid(grid_, JetCount);
    results::UpdateAllRows(grid_, rules_);
    endResetModel();
    emit DataRowCountChanged(rowCount());
}

void ResultsModel::Restore(const results::ResultsGrid& grid, double JetFlow) {
    beginResetModel();
    grid_ = grid;
    rules_.JetFlow = JetFlow;
    results::UpdateAllRows(grid_, rules_);
    endResetModel();
    emit DataRowCountChanged(rowCount());
}

void ResultsModel::AppendRow() {
    const int modelRow = rowCount();
    beginInsertRows({}, modelRow, modelRow);
    results::AppendRow(grid_);
    // The returning row may hold a stored pressure: it shows its flow at once.
    results::UpdateRow(grid_, GridRow(modelRow), rules_);
    endInsertRows();
    emit DataRowCountChanged(rowCount());
}

void ResultsModel::RemoveLastRow() {
    if (!results::CanRemoveRow(grid_))
        return;
    const int modelRow = rowCount() - 1;
    beginRemoveRows({}, modelRow, modelRow);
    results::RemoveLastRow(grid_);
    endRemoveRows();
    emit DataRowCountChanged(rowCount());
}

void ResultsModel::SetDiameter(std::optional<int> diameter) {
    rules_.diameter = diameter;
    UpdateEveryRow();
}

void ResultsModel::SetSwitches(bool autoFlow, bool autoCompliance) {
    rules_.autoFlow = autoFlow;
    rules_.autoCompliance = autoCompliance;
    UpdateEveryRow();
}

void ResultsModel::SetSeparator(char separator) {
    rules_.separator = separator;
    UpdateEveryRow();
}

void ResultsModel::UpdateEveryRow() {
    EmitRowsChanged(results::UpdateAllRows(grid_, rules_));
}

// One signal per run of consecutive changed rows, so a change across a long grid stays cheap.
void ResultsModel::EmitRowsChanged(const std::vector<int>& gridRows) {
    std::vector<int> rows = gridRows;
    std::sort(rows.begin(), rows.end());
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] <= rows[last] + 1)
            ++last;
        emit dataChanged(index(rows[first] - 1, results::ColFlow),
                         index(rows[last] - 1, results::ColCompliance), TextRoles);
        first = last + 1;
    }
}
