// The X11 screen reader against pixels this test puts on the root window of
// the real X server, and the pointer moved the way a user's mouse moves it.
#include "platform/QtScreenSource.h"
#include "platform/ScreenSource.h"
#include "platform/X11ScreenSource.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

// A colour for every root pixel that no two neighbours share, never black,
// white or the off-screen value.
TColor PatternAt(int x, int y)
{
    return RGBColor(std::uint8_t(x * 7 + 3), std::uint8_t(y * 11 + 5), std::uint8_t((x + y) * 13 % 200 + 20));
}

// Its own connection, as another client of the server would be.
class X11Screen : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs the xcb platform on a real X server";
        dpy_ = XOpenDisplay(nullptr);
        ASSERT_NE(dpy_, nullptr);
        root_ = DefaultRootWindow(dpy_);
        size_ = QSize(DisplayWidth(dpy_, DefaultScreen(dpy_)), DisplayHeight(dpy_, DefaultScreen(dpy_)));
        source_ = std::make_unique<platform::X11ScreenSource>();
        ASSERT_TRUE(source_->Connected());
    }
    // The root goes back to its own background for whatever runs next.
    void TearDown() override
    {
        if (dpy_) {
            XClearWindow(dpy_, root_);
            XCloseDisplay(dpy_);
        }
    }

    // Paints rect of the root window with PatternAt (24-bit TrueColor root).
    void Paint(const QRect& rect)
    {
        Visual* visual = DefaultVisual(dpy_, DefaultScreen(dpy_));
        ASSERT_EQ(visual->red_mask, 0xFF0000ul) << "the test paints a 24-bit TrueColor root";
        std::vector<std::uint32_t> data(std::size_t(rect.width() * rect.height()));
        for (int y = 0; y < rect.height(); ++y)
            for (int x = 0; x < rect.width(); ++x) {
                const TColor c = PatternAt(rect.x() + x, rect.y() + y);
                data[std::size_t(y * rect.width() + x)] = (std::uint32_t(GetRValue(c)) << 16)
                    | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
            }
        XImage* img = XCreateImage(dpy_, visual, unsigned(DefaultDepth(dpy_, DefaultScreen(dpy_))), ZPixmap, 0,
                                   reinterpret_cast<char*>(data.data()), unsigned(rect.width()),
                                   unsigned(rect.height()), 32, 0);
        ASSERT_NE(img, nullptr);
        GC gc = XCreateGC(dpy_, root_, 0, nullptr);
        XPutImage(dpy_, root_, gc, img, 0, 0, rect.x(), rect.y(), unsigned(rect.width()), unsigned(rect.height()));
        XFreeGC(dpy_, gc);
        img->data = nullptr;
        XDestroyImage(img);
        XSync(dpy_, False);
    }

    TColor Expected(int x, int y) const
    {
        return QRect(QPoint(0, 0), size_).contains(x, y) ? PatternAt(x, y) : clInvalid;
    }

    void MoveWithXTest(int x, int y)
    {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        XSync(dpy_, False);
    }

    Display* dpy_ = nullptr;
    ::Window root_ = 0;
    QSize size_;
    std::unique_ptr<platform::X11ScreenSource> source_;
};

TEST_F(X11Screen, ReadsThePixelUnderThePointer)
{
    Paint(QRect(290, 190, 20, 20));
    struct Case {
        QPoint to;
        bool warp;
    } const cases[] = {{{300, 200}, false}, {{291, 209}, true}, {{309, 190}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.to.x() << "," << c.to.y() << (c.warp ? " warp" : " xtest"));
        if (c.warp) {
            XWarpPointer(dpy_, 0, root_, 0, 0, 0, 0, c.to.x(), c.to.y());
            XSync(dpy_, False);
        } else {
            MoveWithXTest(c.to.x(), c.to.y());
        }
        const QPoint at = source_->CursorPos();
        EXPECT_EQ(at, c.to);
        EXPECT_EQ(source_->Pixel(at), PatternAt(c.to.x(), c.to.y()));
    }
}

// The sampler's read: the pointer and the block around it. Whether the
// pointer stayed (one round trip) or moved (the block is read again), the
// block is the one around the position returned, also at the corners.
TEST_F(X11Screen, PointerAndBlockAroundItStillOrMoved)
{
    Paint(QRect(0, 0, 8, 8));
    Paint(QRect(296, 196, 9, 9));
    Paint(QRect(size_.width() - 8, size_.height() - 8, 8, 8));
    const QPoint stops[] = {{300, 200}, {300, 200}, {302, 199}, {0, 0}, {0, 0},
                            {size_.width() - 1, size_.height() - 1}, {300, 200}};
    for (int n : {1, 3, 5}) {
        for (QPoint to : stops) {
            SCOPED_TRACE(testing::Message() << "n " << n << " at " << to.x() << "," << to.y());
            MoveWithXTest(to.x(), to.y());
            TColor block[25];
            const QPoint at = source_->CursorAndBlock(n, block);
            ASSERT_EQ(at, to);
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x)
                    EXPECT_EQ(block[y * n + x], Expected(to.x() - n / 2 + x, to.y() - n / 2 + y)) << x << "," << y;
        }
    }
    // The screen changing under a still pointer is seen at the next read.
    MoveWithXTest(300, 200);
    TColor before = 0;
    source_->CursorAndBlock(1, &before);
    XSetWindowBackground(dpy_, root_, 0x123456);
    XClearArea(dpy_, root_, 300, 200, 1, 1, False);
    XSync(dpy_, False);
    TColor after = 0;
    source_->CursorAndBlock(1, &after);
    XSetWindowBackgroundPixmap(dpy_, root_, 0); // None: the root's own background again
    XSync(dpy_, False);
    EXPECT_EQ(before, PatternAt(300, 200));
    EXPECT_EQ(after, RGBColor(0x12, 0x34, 0x56));
}

TEST_F(X11Screen, PixelsOffTheScreenAreInvalid)
{
    EXPECT_EQ(source_->RootRect(), QRect(QPoint(0, 0), size_));
    Paint(QRect(0, 0, 2, 2));
    Paint(QRect(size_.width() - 2, size_.height() - 2, 2, 2));
    EXPECT_EQ(source_->Pixel({0, 0}), PatternAt(0, 0));
    EXPECT_EQ(source_->Pixel({size_.width() - 1, size_.height() - 1}),
              PatternAt(size_.width() - 1, size_.height() - 1));
    const QPoint off[] = {{-1, 0}, {0, -1}, {size_.width(), 0}, {0, size_.height()}, {-100000, 100000}};
    for (QPoint p : off)
        EXPECT_EQ(source_->Pixel(p), clInvalid) << p.x() << "," << p.y();
}

TEST_F(X11Screen, BlocksReadInsideAcrossTheEdgesAndOff)
{
    const int w = size_.width(), h = size_.height();
    Paint(QRect(0, 0, 6, 6));
    Paint(QRect(w - 6, h - 6, 6, 6));
    Paint(QRect(400, 300, 10, 10));
    Paint(QRect(0, 300, 6, 6));
    struct Case {
        const char* name;
        QPoint topLeft;
        int n;
    } const cases[] = {
        {"inside", {402, 302}, 5},
        {"inside 3", {400, 300}, 3},
        {"off the top-left corner", {-1, -1}, 3},
        {"off the top-left corner 5", {-2, -2}, 5},
        {"off the left edge", {-2, 301}, 5},
        {"off the bottom-right corner", {w - 2, h - 2}, 3},
        {"off the bottom-right corner 5", {w - 3, h - 1}, 5},
        {"fully off above", {10, -5}, 3},
        {"fully off right", {w, 10}, 5},
        {"single pixel", {0, 0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<TColor> got(std::size_t(c.n * c.n), 0x12345678);
        source_->Block(c.topLeft, c.n, got.data());
        for (int y = 0; y < c.n; ++y)
            for (int x = 0; x < c.n; ++x)
                EXPECT_EQ(got[std::size_t(y * c.n + x)], Expected(c.topLeft.x() + x, c.topLeft.y() + y))
                    << "cell " << x << "," << y;
    }
}

TEST_F(X11Screen, GrabCopiesTheRectangleAndFillsWhatIsOffScreen)
{
    const int w = size_.width(), h = size_.height();
    Paint(QRect(0, 0, 44, 28));
    Paint(QRect(500, 400, 45, 28));
    Paint(QRect(w - 44, h - 28, 44, 28));
    const QRect rects[] = {{500, 400, 44, 28}, {-5, -3, 44, 28}, {w - 10, h - 4, 12, 8}, {-50, 10, 12, 8}};
    for (const QRect& r : rects) {
        SCOPED_TRACE(testing::Message() << r.x() << "," << r.y() << " " << r.width() << "x" << r.height());
        // Twice: the second grab reuses the first one's buffer while the first
        // image is still held, and must leave that one as it was.
        const QImage first = source_->Grab(r);
        const QImage second = source_->Grab(r.translated(1, 0));
        for (const auto& [img, rect] : {std::pair{first, r}, std::pair{second, r.translated(1, 0)}}) {
            ASSERT_EQ(img.size(), rect.size());
            ASSERT_EQ(img.format(), QImage::Format_RGB32);
            for (int y = 0; y < rect.height(); ++y)
                for (int x = 0; x < rect.width(); ++x) {
                    const TColor c = Expected(rect.x() + x, rect.y() + y);
                    const QRgb want = c == clInvalid ? 0xFFFFFFFFu : qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
                    ASSERT_EQ(img.pixel(x, y), want) << "pixel " << x << "," << y;
                }
        }
    }
}

TEST_F(X11Screen, TheProgramReadsThroughTheX11SourceOnXcb)
{
    EXPECT_NE(dynamic_cast<platform::X11ScreenSource*>(platform::CreateNativeScreenSource().get()), nullptr);
    EXPECT_EQ(source_->PrimarySize(), size_);
}

// Under QT_SCALE_FACTOR=2 Qt's coordinates are half the screen's: the reader
// still reads the pixel under the pointer, and the conversions agree with
// Qt's own idea of where the pointer and a window are. Runs this binary again
// with the factor set, since the factor is read when the application starts.
TEST_F(X11Screen, ScaleFactorTwoStillReadsThePixelUnderThePointer)
{
    if (qEnvironmentVariableIsSet("TINQUOR_SCALED_CHILD"))
        GTEST_SKIP() << "this is the scaled run itself";
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("TINQUOR_SCALED_CHILD", "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=X11ScaledChild.*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

class X11ScaledChild : public X11Screen {};

TEST_F(X11ScaledChild, ReadsUnderThePointerAtScaleTwo)
{
    if (!qEnvironmentVariableIsSet("TINQUOR_SCALED_CHILD"))
        GTEST_SKIP() << "run by ScaleFactorTwoStillReadsThePixelUnderThePointer";
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    auto& screen = platform::Screen();
    ASSERT_NE(dynamic_cast<platform::X11ScreenSource*>(&screen), nullptr);
    EXPECT_EQ(screen.PrimarySize(), size_);

    Paint(QRect(596, 496, 16, 16));
    // An odd physical position has no logical pixel of its own.
    MoveWithXTest(605, 503);
    EXPECT_EQ(screen.CursorPos(), QPoint(605, 503));
    EXPECT_EQ(screen.Pixel(screen.CursorPos()), PatternAt(605, 503));
    MoveWithXTest(604, 502);
    EXPECT_EQ(screen.Pixel(screen.CursorPos()), PatternAt(604, 502));
    EXPECT_EQ(platform::ToLogical(screen.CursorPos()), QCursor::pos());
    EXPECT_EQ(platform::ToPhysical(QCursor::pos()), QPoint(604, 502));

    // The QScreen reader grabs in logical pixels and must still hit single
    // physical ones, also odd ones that no logical pixel starts at.
    platform::QtScreenSource qt;
    EXPECT_EQ(qt.PrimarySize(), size_);
    EXPECT_EQ(qt.CursorPos(), QPoint(604, 502));
    std::vector<TColor> block(25, 0);
    qt.Block({601, 499}, 5, block.data());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(block[std::size_t(y * 5 + x)], PatternAt(601 + x, 499 + y)) << "cell " << x << "," << y;
    EXPECT_EQ(qt.Pixel({605, 503}), PatternAt(605, 503));
    EXPECT_EQ(qt.Pixel({-1, 3}), clInvalid);

    // A window of one colour at logical (50, 40) covers physical (100, 80).
    QWidget w(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    w.setAutoFillBackground(true);
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, QColor(10, 200, 30));
    w.setPalette(pal);
    w.setGeometry(50, 40, 20, 10);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect physical = platform::ToPhysical(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()));
    EXPECT_EQ(physical, QRect(100, 80, 40, 20));
    TColor corner = clInvalid;
    for (int i = 0; i < 200 && corner != RGBColor(10, 200, 30); ++i) {
        QTest::qWait(10);
        corner = screen.Pixel(physical.bottomRight());
    }
    EXPECT_EQ(corner, RGBColor(10, 200, 30));
    EXPECT_NE(screen.Pixel(physical.bottomRight() + QPoint(1, 1)), RGBColor(10, 200, 30));
}

} // namespace
