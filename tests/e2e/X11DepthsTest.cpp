// The X11 reader on screens that are not 24-bit: a 16-bit TrueColor screen,
// whose channels must be widened to 8 bits, and an 8-bit colour-mapped one,
// whose pixels mean whatever the colour map says. Each case starts a small
// X server of its own with that depth.
#include "platform/X11ScreenSource.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class OwnServer {
public:
    explicit OwnServer(int depth)
    {
        // -displayfd 1: the server picks a free display and writes its number.
        server_.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                               QStringLiteral("64x48x%1").arg(depth)});
        if (!server_.waitForStarted(10000))
            return;
        QByteArray number;
        while (!number.contains('\n') && server_.waitForReadyRead(10000))
            number += server_.readAllStandardOutput();
        if (!number.trimmed().isEmpty())
            name_ = ":" + number.trimmed();
    }
    ~OwnServer()
    {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    const QByteArray& Name() const { return name_; }

private:
    QProcess server_;
    QByteArray name_;
};

// Puts one pixel value on the root window at (x, y).
void PutPixel(Display* dpy, int x, int y, unsigned long pixel)
{
    GC gc = XCreateGC(dpy, DefaultRootWindow(dpy), 0, nullptr);
    XSetForeground(dpy, gc, pixel);
    XDrawPoint(dpy, DefaultRootWindow(dpy), gc, x, y);
    XFreeGC(dpy, gc);
    XSync(dpy, False);
}

class X11Depths : public ::testing::Test {
protected:
    void Start(int depth)
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            GTEST_SKIP() << "needs Xvfb";
        server_ = std::make_unique<OwnServer>(depth);
        ASSERT_FALSE(server_->Name().isEmpty()) << "Xvfb did not start";
        dpy_ = XOpenDisplay(server_->Name().constData());
        ASSERT_NE(dpy_, nullptr);
        ASSERT_EQ(DefaultDepth(dpy_, DefaultScreen(dpy_)), depth);
        source_ = std::make_unique<platform::X11ScreenSource>(server_->Name().constData());
        ASSERT_TRUE(source_->Connected());
        ASSERT_EQ(source_->RootRect(), QRect(0, 0, 64, 48));
    }
    void TearDown() override
    {
        source_.reset();
        if (dpy_)
            XCloseDisplay(dpy_);
        server_.reset();
    }

    std::unique_ptr<OwnServer> server_;
    Display* dpy_ = nullptr;
    std::unique_ptr<platform::X11ScreenSource> source_;
};

TEST_F(X11Depths, SixteenBitChannelsWidenToEightBits)
{
    Start(16);
    ASSERT_EQ(DefaultVisual(dpy_, DefaultScreen(dpy_))->red_mask, 0xF800ul);
    struct Case {
        unsigned long pixel;
        TColor colour;
    } const cases[] = {
        {0xF800, RGBColor(255, 0, 0)},     {0x07E0, RGBColor(0, 255, 0)},
        {0x001F, RGBColor(0, 0, 255)},     {0xFFFF, RGBColor(255, 255, 255)},
        {0x0000, RGBColor(0, 0, 0)},       {0x8410, RGBColor(132, 130, 132)},
        {0x0821, RGBColor(8, 4, 8)},
    };
    int x = 0;
    for (const Case& c : cases)
        PutPixel(dpy_, x++, 0, c.pixel);
    x = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.pixel);
        EXPECT_EQ(source_->Pixel({x, 0}), c.colour);
        const QImage img = source_->Grab(QRect(x, 0, 1, 1));
        EXPECT_EQ(img.pixel(0, 0), qRgb(GetRValue(c.colour), GetGValue(c.colour), GetBValue(c.colour)));
        ++x;
    }
    // And across the corner, where the block is clipped.
    std::vector<TColor> block(9);
    source_->Block({-1, -1}, 3, block.data());
    EXPECT_EQ(block[4], RGBColor(255, 0, 0));
    EXPECT_EQ(block[5], RGBColor(0, 255, 0));
    EXPECT_EQ(block[0], clInvalid);
    EXPECT_EQ(block[3], clInvalid);
}

TEST_F(X11Depths, ColourMappedPixelsReadAsTheirColours)
{
    Start(8);
    Colormap cmap = DefaultColormap(dpy_, DefaultScreen(dpy_));
    const XColor wanted[] = {{0, 200 << 8, 100 << 8, 50 << 8, DoRed | DoGreen | DoBlue, 0},
                             {0, 10 << 8, 250 << 8, 120 << 8, DoRed | DoGreen | DoBlue, 0}};
    int x = 10;
    std::vector<std::pair<int, TColor>> expected;
    for (XColor c : wanted) {
        ASSERT_TRUE(XAllocColor(dpy_, cmap, &c));
        PutPixel(dpy_, x, 20, c.pixel);
        expected.emplace_back(x++, RGBColor(std::uint8_t(c.red >> 8), std::uint8_t(c.green >> 8), std::uint8_t(c.blue >> 8)));
    }
    for (const auto& [px, colour] : expected)
        EXPECT_EQ(source_->Pixel({px, 20}), colour) << px;
    std::vector<TColor> block(9);
    source_->Block({9, 19}, 3, block.data());
    EXPECT_EQ(block[4], expected[0].second);
    EXPECT_EQ(block[5], expected[1].second);
    const QImage img = source_->Grab(QRect(10, 20, 2, 1));
    EXPECT_EQ(img.pixel(1, 0), qRgb(GetRValue(expected[1].second), GetGValue(expected[1].second), GetBValue(expected[1].second)));
}

} // namespace
