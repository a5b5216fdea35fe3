#pragma once

#include <QTableView>

// The grid of step 3: flat, 45-pixel header row, 16-pixel rows, fixed column widths that the
// user may drag, block selection, Tab between cells, editing in place.
class ResultsView : public QTableView {
    Q_OBJECT

public:
    explicit ResultsView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

protected:
    void changeEvent(QEvent* event) override;
    // Tab passes over the row-number column, which holds nothing to edit, and leaves the
    // grid from its last cell (Shift+Tab from its first) instead of wrapping round, so that a
    // keyboard user can always go on to the switches and buttons.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool AtLastCell() const;
    void FitHeaderFont();
    void FitRowHeight();
};
