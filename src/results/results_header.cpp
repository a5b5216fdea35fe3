#include "results/results_header.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr int TextFlags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextExpandTabs;

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
