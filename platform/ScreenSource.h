#pragma once
// Reading the screen and the pointer, in physical screen pixels whatever Qt's
// device pixel ratio is. Widget geometry stays in Qt's logical pixels; the
// conversions below are the one place where the two meet.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

#include "colour/ColorTypes.h"

namespace platform {

class ScreenSource {
public:
    virtual ~ScreenSource() = default;

    // Pointer position on the screen.
    virtual QPoint CursorPos() = 0;
    // Size of the primary screen.
    virtual QSize PrimarySize() = 0;
    // The pixel at p; clInvalid (all bits set) when p is off the screen.
    virtual TColor Pixel(QPoint p) = 0;
    // The n x n block whose top-left pixel is topLeft, row by row into
    // out[0 .. n*n-1], in one round trip to the window system. Every pixel
    // off the screen reads clInvalid, also when the block only partly leaves it.
    virtual void Block(QPoint topLeft, int n, TColor* out) = 0;
    // The pointer position, and the n x n block centred on it (top-left at
    // the position minus n / 2) read at the same moment. A source may serve
    // both in one round trip while the pointer stays where it was.
    virtual QPoint CursorAndBlock(int n, TColor* out)
    {
        const QPoint p = CursorPos();
        Block(p - QPoint(n / 2, n / 2), n, out);
        return p;
    }
    // Returns once the window system has put on the screen everything this
    // program has drawn so far, so the next read sees it. Processes no events.
    virtual void SyncDrawing() {}
    // A copy of the screen rectangle as a Format_RGB32 image of rect's size;
    // parts off the screen are filled with 0xFFFFFFFF.
    virtual QImage Grab(const QRect& rect) = 0;
};

// The source the program reads through. Made on first use: the X11 reader on
// the xcb platform, the QScreen one elsewhere (GDI on Windows).
ScreenSource& Screen();
// Replaces the process-wide source (tests put a synthetic screen here).
void SetScreen(std::unique_ptr<ScreenSource> source);
std::unique_ptr<ScreenSource> CreateNativeScreenSource();

// Logical (Qt) <-> physical (screen) coordinates.
QPoint ToPhysical(QPoint logicalGlobal);
QPoint ToLogical(QPoint physicalGlobal);
QRect ToPhysical(const QRect& logicalGlobal);
QRect ToLogical(const QRect& physicalGlobal);

} // namespace platform
