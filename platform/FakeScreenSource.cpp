#include "platform/FakeScreenSource.h"

namespace platform {

FakeScreenSource::FakeScreenSource(QImage screen, QPoint cursor)
    : screen_(std::move(screen).convertToFormat(QImage::Format_RGB32)), cursor_(cursor)
{
}

QPoint FakeScreenSource::CursorPos() { return cursor_; }

QSize FakeScreenSource::PrimarySize() { return screen_.size(); }

static TColor ColorOf(const QImage& img, int x, int y)
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return clInvalid;
    const QRgb p = img.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

TColor FakeScreenSource::Pixel(QPoint p)
{
    ++reads_;
    return ColorOf(screen_, p.x(), p.y());
}

void FakeScreenSource::Block(QPoint topLeft, int n, TColor* out)
{
    ++reads_;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            out[y * n + x] = ColorOf(screen_, topLeft.x() + x, topLeft.y() + y);
}

QImage FakeScreenSource::Grab(const QRect& rect)
{
    ++reads_;
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(0xFFFFFFFFu);
    const QRect inside = rect.intersected(screen_.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(screen_.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y - rect.top()));
        for (int x = inside.left(); x <= inside.right(); ++x)
            dst[x - rect.left()] = src[x];
    }
    return out;
}

} // namespace platform
