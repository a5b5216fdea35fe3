#include "results/results_delegate.h"

#include "results/results_grid.h"
#include "results/results_header.h"

#include <QLineEdit>
#include <QPainter>

namespace {

// Marks an editor whose text the user owns: the grid's own writes do not overwrite it.
constexpr const char* EditorLoaded = "naporisEditorLoaded";

} // namespace

void ResultsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->save();
    if (index.column() == results::ColNumber) {
        painter->fillRect(option.rect, option.palette.button());
        painter->setPen(option.palette.color(QPalette::ButtonText));
        DrawHeaderText(*painter, option.rect, text);
        painter->restore();
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : nullptr;
    if (style)
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(CellInset, CellInset, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

QWidget* ResultsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // Every keystroke is stored at once, so its row is brought up to date while typing.
    connect(editor, &QLineEdit::textEdited, this,
            [this, editor] { emit const_cast<ResultsDelegate*>(this)->commitData(editor); });
    return editor;
}

void ResultsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || line->property(EditorLoaded).toBool())
        return;
    line->setText(index.data(Qt::EditRole).toString());
    line->setProperty(EditorLoaded, true);
}

void ResultsDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

void ResultsDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect);
}
