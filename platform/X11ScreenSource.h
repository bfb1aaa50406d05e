#pragma once
// The screen reader for X11 desktops. It keeps its own connection to the X
// server Qt talks to, so its round trips never wait behind Qt's event traffic,
// and reads the root window directly: root coordinates are physical pixels
// whatever Qt's scale factor, so nothing here converts coordinates.
#include "platform/ScreenSource.h"

#include <vector>

typedef struct _XDisplay Display;
struct _XImage;

namespace platform {

class X11ScreenSource : public ScreenSource {
public:
    // Connects to displayName (nullptr: the display Qt uses, else $DISPLAY).
    // Check Connected() before use.
    explicit X11ScreenSource(const char* displayName = nullptr);
    ~X11ScreenSource() override;
    X11ScreenSource(const X11ScreenSource&) = delete;
    X11ScreenSource& operator=(const X11ScreenSource&) = delete;

    bool Connected() const { return display_ != nullptr; }

    QPoint CursorPos() override;
    QSize PrimarySize() override;
    TColor Pixel(QPoint p) override;
    void Block(QPoint topLeft, int n, TColor* out) override;
    // Asks for the pointer and for the block around its last position in one
    // round trip; only when the pointer has moved is the block read again.
    QPoint CursorAndBlock(int n, TColor* out) override;
    // A round trip on Qt's own connection, the one our windows draw through.
    void SyncDrawing() override;
    QImage Grab(const QRect& rect) override;

    // The whole root window, in physical pixels.
    QRect RootRect() const { return root_; }

private:
    // Reads rect (already clipped to the root) in one request; null on failure.
    _XImage* Read(const QRect& rect);
    // Converts row y of an image into TColor values.
    void ConvertRow(_XImage* image, int y, TColor* out);
    void RefreshRootSize();
    void TrackRootSize();

    Display* display_ = nullptr;
    unsigned long rootWindow_ = 0;
    unsigned long colormap_ = 0;
    QRect root_;
    QPoint lastCursor_;
    QImage grab_;
    std::vector<TColor> row_;
};

// The X11 reader, or null when no X server can be reached.
std::unique_ptr<ScreenSource> CreateX11ScreenSource();

} // namespace platform
