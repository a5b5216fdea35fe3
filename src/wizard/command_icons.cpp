#include "wizard/command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 16;

enum class Picture { Save, SaveAs, Open, New };

QColor Shade(bool disabled, QColor colour) {
    if (!disabled)
        return colour;
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey).lighter(130);
}

void Floppy(QPainter& p, bool disabled) {
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(12.5, 1.5);
    body.lineTo(14.5, 3.5);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    p.setPen(QPen(Shade(disabled, QColor(30, 60, 120)), 1));
    p.setBrush(Shade(disabled, QColor(60, 110, 190)));
    p.drawPath(body);
    p.setBrush(Qt::white); // the label
    p.drawRect(QRectF(3.5, 1.5, 8, 5));
    p.setBrush(Shade(disabled, QColor(200, 200, 200))); // the shutter
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 10.5, 1.5, 3), Shade(disabled, QColor(30, 60, 120)));
}

void Pencil(QPainter& p, bool disabled) {
    p.setPen(QPen(Shade(disabled, QColor(90, 60, 20)), 1));
    p.setBrush(Shade(disabled, QColor(240, 170, 40)));
    QPainterPath pencil;
    pencil.moveTo(15.5, 8.5);
    pencil.lineTo(10, 14);
    pencil.lineTo(8, 15.5);
    pencil.lineTo(8.5, 13.5);
    pencil.lineTo(14, 8);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

void Folder(QPainter& p, bool disabled) {
    p.setPen(QPen(Shade(disabled, QColor(140, 100, 20)), 1));
    p.setBrush(Shade(disabled, QColor(230, 190, 80)));
    QPainterPath back;
    back.moveTo(0.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(13.5, 4.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(0.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Shade(disabled, QColor(250, 215, 110)));
    QPainterPath front;
    front.moveTo(3.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.5, 13.5);
    front.lineTo(0.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

void BlankSheet(QPainter& p, bool disabled) {
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(QPen(Shade(disabled, QColor(90, 90, 90)), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(9.5, 0.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(13.5, 4.5));
    // A spark: a fresh page.
    p.setPen(QPen(Shade(disabled, QColor(230, 160, 0)), 1.6));
    const QPointF c(6.5, 9.5);
    p.drawLine(c - QPointF(3, 0), c + QPointF(3, 0));
    p.drawLine(c - QPointF(0, 3), c + QPointF(0, 3));
    p.setPen(QPen(Shade(disabled, QColor(230, 160, 0)), 1));
    p.drawLine(c - QPointF(2, 2), c + QPointF(2, 2));
    p.drawLine(c + QPointF(-2, 2), c + QPointF(2, -2));
}

QPixmap Draw(Picture picture, bool disabled, qreal scale) {
    QPixmap pixmap(QSize(Size, Size) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case Picture::Save:
        Floppy(p, disabled);
        break;
    case Picture::SaveAs:
        Floppy(p, disabled);
        Pencil(p, disabled);
        break;
    case Picture::Open:
        Folder(p, disabled);
        break;
    case Picture::New:
        BlankSheet(p, disabled);
        break;
    }
    return pixmap;
}

QIcon MakeIcon(Picture picture) {
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        icon.addPixmap(Draw(picture, false, scale), QIcon::Normal);
        icon.addPixmap(Draw(picture, true, scale), QIcon::Disabled);
    }
    return icon;
}

} // namespace

QIcon SaveInspectionIcon() {
    return MakeIcon(Picture::Save);
}
QIcon SaveInspectionAsIcon() {
    return MakeIcon(Picture::SaveAs);
}
QIcon OpenInspectionIcon() {
    return MakeIcon(Picture::Open);
}
QIcon NewInspectionIcon() {
    return MakeIcon(Picture::New);
}
