// Pointer confinement on the real X server: the pointer is moved the way a
// mouse moves it (XTest) and by warping, and read back from the server.
#include "platform/PointerConfine.h"
#include "platform/ScreenSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

// Records what Qt delivers, and can confine and release from inside its
// handlers the way the picker controls do.
class Pad : public QWidget {
public:
    Pad() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint) {}

    std::function<void()> onPress, onRelease;
    int presses = 0, releases = 0, moves = 0;
    QPoint lastMove{-1, -1};

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        ++presses;
        if (onPress)
            onPress();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        ++moves;
        lastMove = e->position().toPoint();
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        ++releases;
        if (onRelease)
            onRelease();
    }
};

class Confinement : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs the xcb platform on a real X server";
        dpy_ = XOpenDisplay(nullptr);
        ASSERT_NE(dpy_, nullptr);
        pad_.setGeometry(200, 150, 100, 80);
        pad_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pad_));
        MoveTo(5, 5);
    }
    void TearDown() override
    {
        platform::ReleasePointer();
        if (dpy_) {
            XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
            XCloseDisplay(dpy_);
        }
    }

    void MoveTo(int x, int y)
    {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        XSync(dpy_, False);
    }
    void WarpTo(int x, int y)
    {
        XWarpPointer(dpy_, 0, DefaultRootWindow(dpy_), 0, 0, 0, 0, x, y);
        XSync(dpy_, False);
    }
    void Button(bool down)
    {
        XTestFakeButtonEvent(dpy_, 1, down ? True : False, CurrentTime);
        XSync(dpy_, False);
    }
    QPoint Pointer()
    {
        ::Window r, c;
        int rx = -1, ry = -1, wx, wy;
        unsigned m;
        XQueryPointer(dpy_, DefaultRootWindow(dpy_), &r, &c, &rx, &ry, &wx, &wy, &m);
        return {rx, ry};
    }
    // Lets Qt deliver what the server sent until done() holds (or 5 s pass).
    void Until(const std::function<bool()>& done)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 5000)
            QTest::qWait(5);
    }

    Display* dpy_ = nullptr;
    Pad pad_;
};

TEST_F(Confinement, KeepsThePointerInsideUntilReleased)
{
    platform::ConfinePointer(&pad_, QRect(10, 10, 50, 40));
    ASSERT_TRUE(platform::PointerConfined());
    EXPECT_EQ(platform::PointerConfinement(), QRect(210, 160, 50, 40));

    struct Case {
        QPoint to, ends;
        bool warp;
    } const cases[] = {
        {{230, 170}, {230, 170}, false},
        {{0, 0}, {210, 160}, false},
        {{1000, 700}, {259, 199}, false},  // right and bottom edges excluded
        {{260, 200}, {259, 199}, false},
        {{235, 5}, {235, 160}, false},
        {{100, 180}, {210, 180}, true},
        {{900, 100}, {259, 160}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "to " << c.to.x() << "," << c.to.y() << (c.warp ? " warp" : " xtest"));
        c.warp ? WarpTo(c.to.x(), c.to.y()) : MoveTo(c.to.x(), c.to.y());
        EXPECT_EQ(Pointer(), c.ends);
    }

    platform::ReleasePointer();
    EXPECT_FALSE(platform::PointerConfined());
    EXPECT_TRUE(platform::PointerConfinement().isEmpty());
    MoveTo(3, 4);
    EXPECT_EQ(Pointer(), QPoint(3, 4));
    MoveTo(1000, 700);
    EXPECT_EQ(Pointer(), QPoint(1000, 700));
}

TEST_F(Confinement, ASecondConfinementReplacesTheFirst)
{
    platform::ConfinePointer(&pad_, QRect(0, 0, 20, 20));
    platform::ConfinePointer(&pad_, QRect(50, 40, 10, 10));
    EXPECT_EQ(platform::PointerConfinement(), QRect(250, 190, 10, 10));
    MoveTo(0, 0);
    EXPECT_EQ(Pointer(), QPoint(250, 190));
    // Grown past the window's own edge, as the hue ring grows its rectangle.
    platform::ConfinePointer(&pad_, QRect(-1, -1, 102, 82));
    MoveTo(0, 0);
    EXPECT_EQ(Pointer(), QPoint(199, 149));
    MoveTo(1000, 1000);
    EXPECT_EQ(Pointer(), QPoint(300, 230));
}

// The pickers confine on a press and release on the release: the grab must
// take over the press's implicit grab without Qt losing the drag.
TEST_F(Confinement, ADragConfinedFromThePressStillReachesTheWidget)
{
    pad_.onPress = [this] { platform::ConfinePointer(&pad_, pad_.rect()); };
    pad_.onRelease = [] { platform::ReleasePointer(); };
    MoveTo(230, 170);
    Button(true);
    Until([this] { return pad_.presses == 1; });
    ASSERT_EQ(pad_.presses, 1);
    ASSERT_TRUE(platform::PointerConfined());

    MoveTo(700, 600);
    EXPECT_EQ(Pointer(), QPoint(299, 229));
    Until([this] { return pad_.lastMove == QPoint(99, 79); });
    EXPECT_EQ(pad_.lastMove, QPoint(99, 79));
    MoveTo(210, 160);
    Until([this] { return pad_.lastMove == QPoint(10, 10); });
    EXPECT_EQ(pad_.lastMove, QPoint(10, 10));

    Button(false);
    Until([this] { return pad_.releases == 1; });
    EXPECT_EQ(pad_.releases, 1);
    EXPECT_FALSE(platform::PointerConfined());
    MoveTo(700, 600);
    EXPECT_EQ(Pointer(), QPoint(700, 600));

    // Qt still takes clicks after the grab is gone.
    MoveTo(250, 200);
    Button(true);
    Button(false);
    Until([this] { return pad_.releases == 2; });
    EXPECT_EQ(pad_.presses, 2);
    EXPECT_EQ(pad_.releases, 2);
}

} // namespace
