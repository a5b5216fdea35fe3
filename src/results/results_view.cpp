#include "results/results_view.h"

#include "results/results_delegate.h"
#include "results/results_grid.h"
#include "results/results_header.h"

#include <QEvent>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, results::ColumnCount> ColumnWidths{22, 21, 80, 84, 66, 54, 90};
constexpr int HeaderHeight = 45;
constexpr int RowHeight = 16;

} // namespace

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
