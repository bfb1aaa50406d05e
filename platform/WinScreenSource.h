#pragma once
// The screen reader on Windows: GDI on the device context of the whole
// screen, held for the reader's life. Single pixels come from GetPixel, which
// itself answers CLR_INVALID (all bits set) off the screen; blocks and grabs
// are one BitBlt into a DIB section kept between calls, clipped to the
// virtual screen so that what lies off it reads as off-screen pixels do.
#include "platform/ScreenSource.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

class WinScreenSource : public ScreenSource {
public:
    WinScreenSource();
    ~WinScreenSource() override;
    WinScreenSource(const WinScreenSource&) = delete;
    WinScreenSource& operator=(const WinScreenSource&) = delete;

    QPoint CursorPos() override;
    QSize PrimarySize() override;
    TColor Pixel(QPoint p) override;
    void Block(QPoint topLeft, int n, TColor* out) override;
    QImage Grab(const QRect& rect) override;

private:
    QRect VirtualScreen() const;
    // Copies the screen rectangle (inside the virtual screen) to the DIB's
    // top-left corner; false when GDI failed. Rows are dibWidth_ pixels apart.
    bool CopyToDib(const QRect& rect);

    HDC screen_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
    int dibWidth_ = 0;
    int dibHeight_ = 0;
    QPoint lastCursor_;
};

} // namespace platform
