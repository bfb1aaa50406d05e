#include "platform/WinScreenSource.h"

#include <algorithm>

namespace platform {

WinScreenSource::WinScreenSource()
    : screen_(GetDC(nullptr))
{
    if (screen_)
        memory_ = CreateCompatibleDC(screen_);
}

WinScreenSource::~WinScreenSource()
{
    if (memory_) {
        if (previous_)
            SelectObject(memory_, previous_);
        DeleteDC(memory_);
    }
    if (dib_)
        DeleteObject(dib_);
    if (screen_)
        ReleaseDC(nullptr, screen_);
}

QPoint WinScreenSource::CursorPos()
{
    POINT p;
    if (GetCursorPos(&p))
        lastCursor_ = QPoint(p.x, p.y);
    return lastCursor_;
}

QSize WinScreenSource::PrimarySize() { return QSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

QRect WinScreenSource::VirtualScreen() const
{
    return QRect(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                 GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TColor WinScreenSource::Pixel(QPoint p)
{
    // COLORREF is laid out as TColor is: red in the low byte.
    return screen_ ? TColor(GetPixel(screen_, p.x(), p.y())) : clInvalid;
}

bool WinScreenSource::CopyToDib(const QRect& rect)
{
    if (!memory_)
        return false;
    if (rect.width() > dibWidth_ || rect.height() > dibHeight_) {
        const int w = std::max(rect.width(), dibWidth_);
        const int h = std::max(rect.height(), dibHeight_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dib || !bits)
            return false;
        HGDIOBJ old = SelectObject(memory_, dib);
        if (!previous_)
            previous_ = old;
        if (dib_)
            DeleteObject(dib_);
        dib_ = dib;
        bits_ = static_cast<const std::uint32_t*>(bits);
        dibWidth_ = w;
        dibHeight_ = h;
    }
    if (!BitBlt(memory_, 0, 0, rect.width(), rect.height(), screen_, rect.x(), rect.y(), SRCCOPY))
        return false;
    GdiFlush(); // the DIB's memory is read directly next
    return true;
}

void WinScreenSource::Block(QPoint topLeft, int n, TColor* out)
{
    if (n <= 0)
        return;
    std::fill(out, out + std::ptrdiff_t(n) * n, clInvalid);
    const QRect want(topLeft, QSize(n, n));
    const QRect inside = want.intersected(VirtualScreen());
    if (inside.isEmpty() || !CopyToDib(inside))
        return;
    for (int y = 0; y < inside.height(); ++y) {
        const std::uint32_t* row = bits_ + std::ptrdiff_t(y) * dibWidth_;
        TColor* dst = out + std::ptrdiff_t(inside.top() - want.top() + y) * n + (inside.left() - want.left());
        for (int x = 0; x < inside.width(); ++x) {
            const std::uint32_t p = row[x]; // 0x00RRGGBB
            dst[x] = TColor((p >> 16) & 0xFF) | TColor(p & 0xFF00) | (TColor(p & 0xFF) << 16);
        }
    }
}

QImage WinScreenSource::Grab(const QRect& rect)
{
    if (rect.isEmpty())
        return QImage();
    QImage img(rect.size(), QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    const QRect inside = rect.intersected(VirtualScreen());
    if (inside.isEmpty() || !CopyToDib(inside))
        return img;
    for (int y = 0; y < inside.height(); ++y) {
        const std::uint32_t* row = bits_ + std::ptrdiff_t(y) * dibWidth_;
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(inside.top() - rect.top() + y)) + (inside.left() - rect.left());
        for (int x = 0; x < inside.width(); ++x)
            dst[x] = 0xFF000000u | row[x];
    }
    return img;
}

} // namespace platform
