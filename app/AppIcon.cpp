#include "app/AppIcon.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A hue wheel with a white centre: what the program is about.
QPixmap Wheel(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QConicalGradient hues(size / 2.0, size / 2.0, 0);
    const QColor stops[7] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta, Qt::red};
    for (int i = 0; i < 7; ++i)
        hues.setColorAt(i / 6.0, stops[i]);
    const QRectF r(1, 1, size - 2, size - 2);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(hues);
    p.drawEllipse(r);
    p.setBrush(Qt::white);
    p.drawEllipse(r.adjusted(size * 0.3, size * 0.3, -size * 0.3, -size * 0.3));
    return pm;
}

// An eyedropper lying from the top right to the bottom left.
void DrawDropper(QPainter& p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.translate(size / 2.0, size / 2.0);
    p.rotate(45);
    const double s = size / 32.0;
    p.setPen(QPen(QColor(30, 30, 30), 1.2 * s));
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(-3.5 * s, -15 * s, 7 * s, 8 * s), 2.5 * s, 2.5 * s); // bulb
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(-4.5 * s, -7.5 * s, 9 * s, 2.5 * s)); // collar
    p.setBrush(QColor(225, 235, 245));
    QPainterPath tube;
    tube.moveTo(-2.5 * s, -5 * s);
    tube.lineTo(2.5 * s, -5 * s);
    tube.lineTo(1.2 * s, 11 * s);
    tube.lineTo(0, 14 * s);
    tube.lineTo(-1.2 * s, 11 * s);
    tube.closeSubpath();
    p.drawPath(tube);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(-1.8 * s, 3 * s, 3.6 * s, 7 * s)); // the colour drawn up
    p.restore();
}

} // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pm = Wheel(size);
        QPainter p(&pm);
        DrawDropper(p, size);
        icon.addPixmap(pm);
    }
    return icon;
}

QIcon PickButtonGlyph()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    DrawDropper(p, 32);
    p.end();
    return QIcon(pm);
}
