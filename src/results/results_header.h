#pragma once

#include <QHeaderView>

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
