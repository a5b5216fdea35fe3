#pragma once

#include <QStyledItemDelegate>

// The data cells' text stands this many pixels in from the cell's top and left edges.
inline constexpr int CellInset = 2;

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
