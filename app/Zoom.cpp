#include "app/Zoom.h"

#include <cmath>

namespace {

// Halves go to the even neighbour.
int RoundEven(double v) { return int(std::nearbyint(v)); }

// The first and last target pixel that show source pixel i when n source
// pixels are stretched over m target pixels; the centre of that block.
int BlockCentre(int i, int n, int m)
{
    const long long first = (static_cast<long long>(i) * m + n - 1) / n;
    const long long last = ((static_cast<long long>(i) + 1) * m + n - 1) / n - 1;
    return int((first + last) / 2);
}

} // namespace

ZoomGeometry ComputeZoom(QPoint pointer, int position, QSize image, QSize screen)
{
    ZoomGeometry z;
    const int W = image.width(), H = image.height();
    const int k = position * 6;
    const int dx = RoundEven(double(W) / k);
    const int dy = RoundEven(double(H) / k);
    int left = pointer.x() - dx, top = pointer.y() - dy;
    int right = pointer.x() + dx, bottom = pointer.y() + dy;
    if (left < 0) {
        right -= left;
        left = 0;
    }
    if (top < 0) {
        bottom -= top;
        top = 0;
    }
    if (right > screen.width()) {
        left -= right - screen.width();
        right = screen.width();
    }
    if (bottom > screen.height()) {
        top -= bottom - screen.height();
        bottom = screen.height();
    }
    z.source = QRect(left, top, right - left, bottom - top);
    // The crosshair marks the pointer's pixel as it is actually enlarged.
    const int i = pointer.x() - left, j = pointer.y() - top;
    z.crosshair = QPoint(z.source.width() > 0 ? BlockCentre(i, z.source.width(), W) : 0,
                         z.source.height() > 0 ? BlockCentre(j, z.source.height(), H) : 0);
    z.armX = W / 4;
    z.armY = H / 4;
    return z;
}

void StretchNearest(const QImage& source, QImage& target)
{
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0)
        return;
    int columns[4096];
    const int n = std::min(tw, 4096);
    for (int x = 0; x < n; ++x)
        columns[x] = int(static_cast<long long>(x) * sw / tw);
    for (int y = 0; y < th; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(int(static_cast<long long>(y) * sh / th)));
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < n; ++x)
            dst[x] = 0xFF000000u | src[columns[x]];
    }
}

void DrawCrosshair(QImage& image, const ZoomGeometry& z)
{
    const QRgb black = 0xFF000000u;
    const int cx = z.crosshair.x(), cy = z.crosshair.y();
    if (cy >= 0 && cy < image.height()) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(cy));
        for (int x = std::max(0, cx - z.armX); x < std::min(image.width(), cx + z.armX); ++x)
            row[x] = black;
    }
    if (cx >= 0 && cx < image.width())
        for (int y = std::max(0, cy - z.armY); y < std::min(image.height(), cy + z.armY); ++y)
            reinterpret_cast<QRgb*>(image.scanLine(y))[cx] = black;
}
