#include "results/sheet_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

enum class Mark { Plus, Cross };

// A page with a folded corner; the mark sits on its lower right, as on a table row button.
QPixmap Sheet(Mark mark, bool disabled) {
    constexpr int Size = 16;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    painter.setPen(QPen(disabled ? QColor(160, 160, 160) : QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.drawLine(QPointF(9.5, 0.5), QPointF(9.5, 4.5));
    painter.drawLine(QPointF(9.5, 4.5), QPointF(13.5, 4.5));
    painter.setPen(QPen(QColor(180, 180, 180), 1));
    for (double y : {6.5, 8.5})
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));

    const QColor colour = disabled             ? QColor(170, 170, 170)
                          : mark == Mark::Plus ? QColor(0, 150, 0)
                                               : QColor(210, 0, 0);
    painter.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::FlatCap));
    const QPointF centre(10.5, 11.5);
    constexpr double arm = 3.5;
    if (mark == Mark::Plus) {
        painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
        painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    } else {
        painter.drawLine(centre - QPointF(arm - 0.7, arm - 0.7),
                         centre + QPointF(arm - 0.7, arm - 0.7));
        painter.drawLine(centre + QPointF(-(arm - 0.7), arm - 0.7),
                         centre + QPointF(arm - 0.7, -(arm - 0.7)));
    }
    return pixmap;
}

QIcon SheetIcon(Mark mark) {
    QIcon icon;
    icon.addPixmap(Sheet(mark, false), QIcon::Normal);
    icon.addPixmap(Sheet(mark, true), QIcon::Disabled);
    return icon;
}

} // namespace

QIcon AddRowIcon() {
    return SheetIcon(Mark::Plus);
}
QIcon RemoveRowIcon() {
    return SheetIcon(Mark::Cross);
}
