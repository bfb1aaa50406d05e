#pragma once
// A synthetic screen for tests: an image stands for the screen, the pointer
// is wherever the test puts it.
#include "platform/ScreenSource.h"

namespace platform {

class FakeScreenSource : public ScreenSource {
public:
    explicit FakeScreenSource(QImage screen, QPoint cursor = {});

    QPoint CursorPos() override;
    QSize PrimarySize() override;
    TColor Pixel(QPoint p) override;
    void Block(QPoint topLeft, int n, TColor* out) override;
    QImage Grab(const QRect& rect) override;

    void SetCursorPos(QPoint p) { cursor_ = p; }
    QImage& Image() { return screen_; }
    // How many round trips Block and Pixel made, for tests of the read pattern.
    int Reads() const { return reads_; }

private:
    QImage screen_;
    QPoint cursor_;
    int reads_ = 0;
};

} // namespace platform
