#include "pickers/PickerMarkers.h"

#include <QColor>

namespace markers {

namespace {

void Invert(QImage& target, int x, int y)
{
    if (x < 0 || y < 0 || x >= target.width() || y >= target.height())
        return;
    auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
    line[x] ^= 0x00FFFFFFu;
}

void Put(QImage& target, int x, int y, QRgb px)
{
    if (x < 0 || y < 0 || x >= target.width() || y >= target.height())
        return;
    reinterpret_cast<QRgb*>(target.scanLine(y))[x] = px;
}

QRgb Complement(TColor c)
{
    return qRgb(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

// A rectangle given as (left, top, right, bottom) with right and bottom
// excluded, as the shapes are described.
QRect Ltrb(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

void FillRect(QImage& target, const QRect& r, QRgb px)
{
    const QRect clipped = r.intersected(target.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            reinterpret_cast<QRgb*>(target.scanLine(y))[x] = px;
}

} // namespace

std::vector<QPoint> EllipseOutline(const QRect& box)
{
    std::vector<QPoint> points;
    if (box.width() <= 0 || box.height() <= 0)
        return points;
    const double a = box.width() / 2.0, b = box.height() / 2.0;
    // Pixel (i, j) of the box is inside when its centre is in the ellipse.
    auto inside = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= box.width() || j >= box.height())
            return false;
        const double u = (i + 0.5 - a) / a, v = (j + 0.5 - b) / b;
        return u * u + v * v <= 1.0;
    };
    for (int j = 0; j < box.height(); ++j)
        for (int i = 0; i < box.width(); ++i)
            if (inside(i, j) && (!inside(i - 1, j) || !inside(i + 1, j) || !inside(i, j - 1) || !inside(i, j + 1)))
                points.emplace_back(box.left() + i, box.top() + j);
    return points;
}

void DrawCircleMarker(QImage& target, int x, int y)
{
    for (const QPoint& p : EllipseOutline(Ltrb(x - 5, y - 5, x + 5, y + 5)))
        Invert(target, p.x(), p.y());
}

void DrawSquareMarker(QImage& target, int x, int y)
{
    const QRect r = Ltrb(x - 5, y - 5, x + 5, y + 5);
    for (int i = r.left(); i <= r.right(); ++i) {
        Invert(target, i, r.top());
        Invert(target, i, r.bottom());
    }
    for (int j = r.top() + 1; j < r.bottom(); ++j) {
        Invert(target, r.left(), j);
        Invert(target, r.right(), j);
    }
}

void DrawCrossMarker(QImage& target, int x, int y, TColor c)
{
    const QRgb px = Complement(c);
    FillRect(target, Ltrb(x - 10, y - 2, x - 5, y + 1), px);
    FillRect(target, Ltrb(x - 2, y - 10, x + 1, y - 5), px);
    FillRect(target, Ltrb(x + 4, y - 2, x + 9, y + 1), px);
    FillRect(target, Ltrb(x - 2, y + 4, x + 1, y + 9), px);
}

void DrawCrossCircMarker(QImage& target, int x, int y, TColor c)
{
    const QRgb px = Complement(c);
    const QRect gapH = Ltrb(x - 6, y - 1, x + 6, y + 1);
    const QRect gapV = Ltrb(x - 1, y - 6, x + 1, y + 6);
    for (const QRect& box : {Ltrb(x - 5, y - 5, x + 5, y + 5), Ltrb(x - 4, y - 4, x + 4, y + 4)})
        for (const QPoint& p : EllipseOutline(box))
            if (!gapH.contains(p) && !gapV.contains(p))
                Put(target, p.x(), p.y(), px);
}

void DrawMarker(QImage& target, TMarkerStyle style, int x, int y, TColor c)
{
    switch (style) {
    case msCircle: DrawCircleMarker(target, x, y); break;
    case msSquare: DrawSquareMarker(target, x, y); break;
    case msCross: DrawCrossMarker(target, x, y, c); break;
    case msCrossCirc: DrawCrossCircMarker(target, x, y, c); break;
    }
}

} // namespace markers
