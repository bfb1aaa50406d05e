#pragma once
// The screen reader for platforms without a native one: it copies from the
// primary QScreen. QScreen::grabWindow takes Qt's logical coordinates, so a
// read grabs the logical rectangle that covers the physical one and cuts the
// physical pixels out of it.
#include "platform/ScreenSource.h"

namespace platform {

class QtScreenSource : public ScreenSource {
public:
    QPoint CursorPos() override;
    QSize PrimarySize() override;
    TColor Pixel(QPoint p) override;
    void Block(QPoint topLeft, int n, TColor* out) override;
    QImage Grab(const QRect& rect) override;

private:
    // The primary screen in physical pixels; empty without one.
    QRect ScreenRect() const;
};

} // namespace platform
