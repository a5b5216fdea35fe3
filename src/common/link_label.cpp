#include "common/link_label.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    // Only the underline is set: the rest of the font still follows the window's.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit Clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
