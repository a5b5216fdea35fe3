#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

class QPainter;

// Draws a text word-wrapped and centred in a band in the middle of the cell: the band is as
// high as the wrapped text (at most the cell), so short headers sit in the middle and long
// ones start at the top and lose the lines that do not fit.
void DrawHeaderText(QPainter& painter, const QRect& cell, const QString& text);

// The header row: each column's header drawn by DrawHeaderText.
class ResultsHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit ResultsHeader(QWidget* parent = nullptr);

    // The largest font, at most the grid's own, in which every header fits its column of the
    // given width within the header row: whole words on their lines, no line cut off.
    void FitFont(const QFont& base, const QList<int>& widths);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

// Paints column 0 as a fixed column with the row number and the data cells 2 pixels in from
// their edges; its editor stores each keystroke at once.
class ResultsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};

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
