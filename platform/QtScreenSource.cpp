#include "platform/QtScreenSource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace platform {

QRect QtScreenSource::ScreenRect() const
{
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return QRect();
    const QRect g = s->geometry();
    const qreal r = s->devicePixelRatio();
    return QRect(ToPhysical(g.topLeft()), QSize(qRound(g.width() * r), qRound(g.height() * r)));
}

QPoint QtScreenSource::CursorPos() { return ToPhysical(QCursor::pos()); }

QSize QtScreenSource::PrimarySize() { return ScreenRect().size(); }

QImage QtScreenSource::Grab(const QRect& rect)
{
    if (rect.isEmpty())
        return QImage();
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(0xFFFFFFFFu);
    QScreen* s = QGuiApplication::primaryScreen();
    const QRect screen = ScreenRect();
    const QRect inside = rect.intersected(screen);
    if (!s || inside.isEmpty())
        return out;

    // Physical, relative to the screen's corner, then the logical cover.
    const qreal r = s->devicePixelRatio();
    const QRect local = inside.translated(-screen.topLeft());
    const int lx = int(std::floor(local.left() / r));
    const int ly = int(std::floor(local.top() / r));
    const int lr = int(std::ceil((local.right() + 1) / r));
    const int lb = int(std::ceil((local.bottom() + 1) / r));
    const QImage got = s->grabWindow(0, lx, ly, lr - lx, lb - ly).toImage().convertToFormat(QImage::Format_RGB32);
    if (got.isNull())
        return out;
    // The grab's pixel (0, 0) is physical pixel (lx * r, ly * r) of the screen.
    const int ox = qRound(lx * r);
    const int oy = qRound(ly * r);
    for (int y = local.top(); y <= local.bottom(); ++y) {
        const int sy = y - oy;
        if (sy < 0 || sy >= got.height())
            continue;
        const auto* src = reinterpret_cast<const QRgb*>(got.constScanLine(sy));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y - local.top() + inside.top() - rect.top()));
        for (int x = local.left(); x <= local.right(); ++x) {
            const int sx = x - ox;
            if (sx >= 0 && sx < got.width())
                dst[x - local.left() + inside.left() - rect.left()] = 0xFF000000u | src[sx];
        }
    }
    return out;
}

void QtScreenSource::Block(QPoint topLeft, int n, TColor* out)
{
    if (n <= 0)
        return;
    std::fill(out, out + std::ptrdiff_t(n) * n, clInvalid);
    const QRect want(topLeft, QSize(n, n));
    const QRect inside = want.intersected(ScreenRect());
    if (inside.isEmpty())
        return;
    const QImage img = Grab(want);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y - want.top()));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = row[x - want.left()];
            out[(y - want.top()) * n + (x - want.left())] = RGBColor(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
        }
    }
}

TColor QtScreenSource::Pixel(QPoint p)
{
    TColor c = clInvalid;
    Block(p, 1, &c);
    return c;
}

} // namespace platform
