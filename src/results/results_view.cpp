#include "results/results_view.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <array>

namespace {

constexpr int TextFlags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextExpandTabs;
constexpr std::array<int, 7> ColumnWidths{22, 21, 80, 84, 66, 54, 90};
constexpr int HeaderHeight = 45;
constexpr int RowHeight = 16;
constexpr int CellInset = 2;
// Marks an editor whose text the user owns: the grid's own writes do not overwrite it.
constexpr const char* EditorLoaded = "naporisEditorLoaded";

} // namespace

void DrawHeaderText(QPainter& painter, const QRect& cell, const QString& text) {
    const int measured = painter.boundingRect(cell, TextFlags, text).height();
    const int height = std::min(measured, cell.height());
    // Cell bottom as an exclusive edge, the band's top truncated toward zero.
    const int top = (cell.top() + (cell.top() + cell.height()) - height) / 2;
    painter.drawText(QRect(cell.left(), top, cell.width(), height), TextFlags | Qt::AlignTop, text);
}

ResultsHeader::ResultsHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

namespace {

// Headers wrap between words only, as "№ п/п" and "2.04.01-85*" must stay whole: a word
// joiner after each "/" and "-" inside a word keeps the line breaker from splitting there.
QString JoinedWords(const QString& text) {
    QString joined;
    joined.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        joined += text.at(i);
        const bool inside = i + 1 < text.size() && !text.at(i + 1).isSpace();
        if (inside && (text.at(i) == u'/' || text.at(i) == u'-'))
            joined += QChar(0x2060);
    }
    return joined;
}

// Whether the text, wrapped at the width, breaks only between words and stays within the
// height.
bool WrapsWhole(const QFont& font, const QString& text, int width, int height) {
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QFontMetricsF metrics(font);
    qreal used = 0;
    bool whole = true;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int end = line.textStart() + line.textLength();
        if (end < text.size() && !text.at(end - 1).isSpace() && !text.at(end).isSpace())
            whole = false;
        if (line.naturalTextWidth() > width)
            whole = false;
        used += metrics.lineSpacing();
    }
    layout.endLayout();
    return whole && used <= height;
}

} // namespace

void ResultsHeader::FitFont(const QFont& base, const QList<int>& widths) {
    // Hinting differs a little between screens; a header must also fit slightly narrower.
    constexpr int Slack = 2;
    const auto fits = [&](const QFont& font) {
        for (int column = 0; column < widths.size() && model(); ++column) {
            const QString joined =
                JoinedWords(model()->headerData(column, orientation()).toString());
            if (!WrapsWhole(font, joined, widths[column], height()) ||
                !WrapsWhole(font, joined, widths[column] - Slack, height()))
                return false;
        }
        return true;
    };
    // Down from the grid's own size, in the unit the font was given in.
    QFont font = base;
    if (base.pixelSize() > 0) {
        for (int size = base.pixelSize(); size >= 8; --size) {
            font.setPixelSize(size);
            if (fits(font))
                break;
        }
    } else {
        for (qreal size = base.pointSizeF(); size >= 6; size -= 0.5) {
            font.setPointSizeF(size);
            if (fits(font))
                break;
        }
    }
    setFont(font);
}

void ResultsHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    if (model())
        DrawHeaderText(*painter, rect,
                       JoinedWords(model()->headerData(logicalIndex, orientation()).toString()));
    painter->restore();
}

void ResultsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->save();
    if (index.column() == 0) {
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

ResultsView::ResultsView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new ResultsHeader(this));
    horizontalHeader()->setFixedHeight(HeaderHeight);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(RowHeight);
    FitRowHeight();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    setItemDelegate(new ResultsDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
}

void ResultsView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    for (int column = 0; column < static_cast<int>(ColumnWidths.size()); ++column)
        setColumnWidth(column, ColumnWidths[static_cast<std::size_t>(column)]);
    FitHeaderFont();
}

void ResultsView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitHeaderFont();
        FitRowHeight();
    }
}

// 16 pixels hold a line of the usual fonts below the 2-pixel inset; a larger font gets the
// room it needs rather than losing its descenders.
void ResultsView::FitRowHeight() {
    verticalHeader()->setDefaultSectionSize(
        std::max(RowHeight, fontMetrics().height() + CellInset));
}

void ResultsView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::EditNextItem && AtLastCell()) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextChild();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

// The headers are fitted to the columns as laid out, not as the user drags them.
void ResultsView::FitHeaderFont() {
    static_cast<ResultsHeader*>(horizontalHeader())
        ->FitFont(font(), QList<int>(ColumnWidths.begin(), ColumnWidths.end()));
}

bool ResultsView::AtLastCell() const {
    const QModelIndex current = currentIndex();
    return model() && current.isValid() && current.row() == model()->rowCount() - 1 &&
           current.column() == model()->columnCount() - 1;
}

QModelIndex ResultsView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // Staying put makes the view pass the Tab on to the next control.
    if (cursorAction == MoveNext && AtLastCell())
        return currentIndex();
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (!next.isValid() || next.column() != 0 || !model())
        return next;
    if (cursorAction == MoveNext)
        return model()->index(next.row(), 1);
    if (cursorAction == MovePrevious)
        return next.row() > 0 ? model()->index(next.row() - 1, model()->columnCount() - 1)
                              : currentIndex();
    return next;
}
