#include "platform/X11ScreenSource.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <bit>
#include <cstring>

// Xlib's macros (None, Bool, Status, ...) collide with Qt names: it comes last.
#include <X11/Xlib.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xutil.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

namespace {

// Xlib reports request errors through one process-wide handler whose default
// ends the process. A read can still fail (the screen may shrink between two
// reads), so the few requests that can fail run with a handler that only
// notes the failure.
bool g_failed = false;
int NoteError(Display*, XErrorEvent*)
{
    g_failed = true;
    return 0;
}

class ErrorTrap {
public:
    ErrorTrap() : old_(XSetErrorHandler(NoteError)) { g_failed = false; }
    ~ErrorTrap() { XSetErrorHandler(old_); }
    bool Failed() const { return g_failed; }

private:
    XErrorHandler old_;
};

// The masks of the usual 24-bit TrueColor visual in an image whose bytes are
// in this machine's order: such a pixel already is 0x00RRGGBB.
bool IsPlainRgb32(const XImage* img)
{
    const int native = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    return img->bits_per_pixel == 32 && img->byte_order == native && img->red_mask == 0xFF0000
        && img->green_mask == 0xFF00 && img->blue_mask == 0xFF;
}

// One channel of a pixel scaled to 0..255 from whatever width its mask has.
unsigned Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const unsigned long v = (pixel & mask) >> shift;
    if (bits >= 8)
        return unsigned(v >> (bits - 8));
    const unsigned long max = (1ul << bits) - 1;
    return unsigned((v * 255 + max / 2) / max);
}

constexpr TColor FromRgb(unsigned long p)
{
    return TColor((p >> 16) & 0xFF) | TColor(p & 0xFF00) | (TColor(p & 0xFF) << 16);
}

constexpr QRgb ToQRgb(TColor c)
{
    return c == clInvalid ? 0xFFFFFFFFu
                          : qRgb(int(GetRValue(c)), int(GetGValue(c)), int(GetBValue(c)));
}

} // namespace

X11ScreenSource::X11ScreenSource(const char* displayName)
{
    QByteArray name;
    if (displayName) {
        name = displayName;
    } else if (qGuiApp) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            if (Display* qt = x11->display())
                name = XDisplayString(qt);
    }
    display_ = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!display_)
        return;
    rootWindow_ = DefaultRootWindow(display_);
    colormap_ = DefaultColormap(display_, DefaultScreen(display_));
    // The root tells of its own size changes (RandR); reads pick them up from
    // the queue without a round trip.
    XSelectInput(display_, rootWindow_, StructureNotifyMask);
    RefreshRootSize();
}

void X11ScreenSource::TrackRootSize()
{
    XEvent ev;
    while (XCheckTypedWindowEvent(display_, rootWindow_, ConfigureNotify, &ev))
        root_ = QRect(0, 0, ev.xconfigure.width, ev.xconfigure.height);
}

X11ScreenSource::~X11ScreenSource()
{
    if (display_)
        XCloseDisplay(display_);
}

void X11ScreenSource::RefreshRootSize()
{
    ::Window rootReturn;
    int x, y;
    unsigned w = 0, h = 0, border, depth;
    if (XGetGeometry(display_, rootWindow_, &rootReturn, &x, &y, &w, &h, &border, &depth))
        root_ = QRect(0, 0, int(w), int(h));
}

QPoint X11ScreenSource::CursorPos()
{
    if (!display_)
        return lastCursor_;
    ::Window rootReturn, child;
    int rx, ry, wx, wy;
    unsigned mask;
    // False when the pointer is on another X screen: keep the last position.
    if (XQueryPointer(display_, rootWindow_, &rootReturn, &child, &rx, &ry, &wx, &wy, &mask))
        lastCursor_ = QPoint(rx, ry);
    return lastCursor_;
}

QSize X11ScreenSource::PrimarySize()
{
    if (const QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr) {
        const qreal r = s->devicePixelRatio();
        return QSize(qRound(s->geometry().width() * r), qRound(s->geometry().height() * r));
    }
    return root_.size();
}

XImage* X11ScreenSource::Read(const QRect& rect)
{
    XImage* img = nullptr;
    {
        ErrorTrap trap;
        img = XGetImage(display_, rootWindow_, rect.x(), rect.y(), unsigned(rect.width()),
                        unsigned(rect.height()), AllPlanes, ZPixmap);
        if (trap.Failed() && img) {
            XDestroyImage(img);
            img = nullptr;
        }
    }
    return img;
}

void X11ScreenSource::ConvertRow(XImage* img, int y, TColor* out)
{
    const int w = img->width;
    if (IsPlainRgb32(img)) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(img->data + std::ptrdiff_t(y) * img->bytes_per_line);
        for (int x = 0; x < w; ++x)
            out[x] = FromRgb(src[x]);
        return;
    }
    if (img->red_mask || img->green_mask || img->blue_mask) {
        for (int x = 0; x < w; ++x) {
            const unsigned long p = XGetPixel(img, x, y);
            out[x] = RGBColor(std::uint8_t(Channel(p, img->red_mask)), std::uint8_t(Channel(p, img->green_mask)),
                              std::uint8_t(Channel(p, img->blue_mask)));
        }
        return;
    }
    // A visual without masks (a colour map): ask the server what the pixels are.
    std::vector<XColor> colours(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) {
        colours[std::size_t(x)].pixel = XGetPixel(img, x, y);
        colours[std::size_t(x)].flags = DoRed | DoGreen | DoBlue;
    }
    ErrorTrap trap;
    XQueryColors(display_, colormap_, colours.data(), w);
    XSync(display_, False);
    for (int x = 0; x < w; ++x) {
        const XColor& c = colours[std::size_t(x)];
        out[x] = trap.Failed() ? clInvalid
                               : RGBColor(std::uint8_t(c.red >> 8), std::uint8_t(c.green >> 8), std::uint8_t(c.blue >> 8));
    }
}

TColor X11ScreenSource::Pixel(QPoint p)
{
    TColor c = clInvalid;
    Block(p, 1, &c);
    return c;
}

void X11ScreenSource::Block(QPoint topLeft, int n, TColor* out)
{
    if (n <= 0)
        return;
    std::fill(out, out + std::ptrdiff_t(n) * n, clInvalid);
    if (!display_)
        return;
    TrackRootSize();
    const QRect want(topLeft, QSize(n, n));
    QRect inside = want.intersected(root_);
    if (inside.isEmpty())
        return;
    XImage* img = Read(inside);
    if (!img) {
        // The screen may have changed size since the last look.
        RefreshRootSize();
        inside = want.intersected(root_);
        if (inside.isEmpty() || !(img = Read(inside)))
            return;
    }
    const int dx = inside.left() - want.left();
    const int dy = inside.top() - want.top();
    for (int y = 0; y < img->height; ++y)
        ConvertRow(img, y, out + std::ptrdiff_t(y + dy) * n + dx);
    XDestroyImage(img);
}

QPoint X11ScreenSource::CursorAndBlock(int n, TColor* out)
{
    if (!display_ || n <= 0)
        return ScreenSource::CursorAndBlock(n, out);
    TrackRootSize();
    const QPoint guess = lastCursor_;
    const QRect want(guess - QPoint(n / 2, n / 2), QSize(n, n));
    const QRect inside = want.intersected(root_);
    xcb_connection_t* c = XGetXCBConnection(display_);
    // Both requests go out before either reply is awaited; the server answers
    // them in order, so the image shows the screen as it was when the pointer
    // was where the first reply says.
    XFlush(display_);
    const xcb_query_pointer_cookie_t pointerCookie = xcb_query_pointer(c, xcb_window_t(rootWindow_));
    xcb_get_image_cookie_t imageCookie{};
    if (!inside.isEmpty())
        imageCookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_window_t(rootWindow_), std::int16_t(inside.x()),
                                    std::int16_t(inside.y()), std::uint16_t(inside.width()),
                                    std::uint16_t(inside.height()), ~0u);
    // Errors come back with their replies, never to Xlib's handler.
    xcb_generic_error_t* error = nullptr;
    xcb_query_pointer_reply_t* pointer = xcb_query_pointer_reply(c, pointerCookie, &error);
    std::free(error);
    error = nullptr;
    xcb_get_image_reply_t* image = inside.isEmpty() ? nullptr : xcb_get_image_reply(c, imageCookie, &error);
    std::free(error);
    if (pointer && pointer->same_screen)
        lastCursor_ = QPoint(pointer->root_x, pointer->root_y);
    std::free(pointer);

    const bool usable = lastCursor_ == guess && (inside.isEmpty() || image);
    if (usable) {
        std::fill(out, out + std::ptrdiff_t(n) * n, clInvalid);
        if (image) {
            XImage* img = XCreateImage(display_, DefaultVisual(display_, DefaultScreen(display_)), image->depth,
                                       ZPixmap, 0, reinterpret_cast<char*>(xcb_get_image_data(image)),
                                       unsigned(inside.width()), unsigned(inside.height()), 32, 0);
            if (img && std::ptrdiff_t(img->bytes_per_line) * img->height <= xcb_get_image_data_length(image)) {
                const int dx = inside.left() - want.left();
                const int dy = inside.top() - want.top();
                for (int y = 0; y < img->height; ++y)
                    ConvertRow(img, y, out + std::ptrdiff_t(y + dy) * n + dx);
            } else {
                Block(want.topLeft(), n, out);
            }
            if (img) {
                img->data = nullptr; // owned by the reply
                XDestroyImage(img);
            }
        }
    } else {
        Block(lastCursor_ - QPoint(n / 2, n / 2), n, out);
    }
    std::free(image);
    return lastCursor_;
}

void X11ScreenSource::SyncDrawing()
{
    if (!qGuiApp)
        return;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (Display* qt = x11->display())
            XSync(qt, False);
}

QImage X11ScreenSource::Grab(const QRect& rect)
{
    if (rect.isEmpty())
        return QImage();
    // The zoom view grabs the same size forty times a second: keep the image
    // and write into it; it detaches only while a caller still holds the last one.
    if (grab_.size() != rect.size())
        grab_ = QImage(rect.size(), QImage::Format_RGB32);
    grab_.fill(0xFFFFFFFFu);
    if (!display_)
        return grab_;
    TrackRootSize();
    QRect inside = rect.intersected(root_);
    if (inside.isEmpty())
        return grab_;
    XImage* img = Read(inside);
    if (!img) {
        RefreshRootSize();
        inside = rect.intersected(root_);
        if (inside.isEmpty() || !(img = Read(inside)))
            return grab_;
    }
    const int dx = inside.left() - rect.left();
    const int dy = inside.top() - rect.top();
    const bool plain = IsPlainRgb32(img);
    row_.resize(std::size_t(img->width));
    for (int y = 0; y < img->height; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(grab_.scanLine(y + dy)) + dx;
        if (plain) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(img->data + std::ptrdiff_t(y) * img->bytes_per_line);
            for (int x = 0; x < img->width; ++x)
                dst[x] = 0xFF000000u | src[x];
        } else {
            ConvertRow(img, y, row_.data());
            for (int x = 0; x < img->width; ++x)
                dst[x] = ToQRgb(row_[std::size_t(x)]);
        }
    }
    XDestroyImage(img);
    return grab_;
}

std::unique_ptr<ScreenSource> CreateX11ScreenSource()
{
    auto source = std::make_unique<X11ScreenSource>();
    if (!source->Connected())
        return nullptr;
    return source;
}

} // namespace platform
