// The pick overlay on the real X server: real pixels under it, the real
// pointer, clicks and keys from another client through XTest.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <dlfcn.h>
#include <functional>
#include <memory>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include "platform/ScreenSource.h"
#include "sampling/qvDeskPickerButton.h"

namespace {

// No two neighbouring pixels alike, so a shifted or scaled picture shows.
QRgb PictureAt(int x, int y)
{
    return qRgb((x * 7 + 3) & 0xFF, (y * 11 + 5) & 0xFF, ((x + y) * 13 % 200) + 20);
}

// The known screen content: a window above everything showing the picture,
// one picture pixel to each physical pixel whatever Qt's scale.
class PictureWindow : public QWidget {
public:
    explicit PictureWindow(QSize physical)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                               | Qt::X11BypassWindowManagerHint),
          picture_(physical, QImage::Format_RGB32)
    {
        for (int y = 0; y < physical.height(); ++y)
            for (int x = 0; x < physical.width(); ++x)
                picture_.setPixel(x, y, PictureAt(x, y));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setGeometry(platform::ToLogical(QRect(QPoint(0, 0), physical)));
        picture_.setDevicePixelRatio(devicePixelRatio());
    }
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

private:
    QImage picture_;
};

// The cursor the server shows at the pointer, read the way a screen
// recorder reads it (XFixes, loaded only for this check).
struct ServerCursor {
    bool known = false;
    QSize size;
    QPoint hotSpot;
};

ServerCursor CurrentCursor(Display* dpy)
{
    ServerCursor c;
    void* lib = dlopen("libXfixes.so.3", RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return c;
    using GetImage = XFixesCursorImage* (*)(Display*);
    auto get = reinterpret_cast<GetImage>(dlsym(lib, "XFixesGetCursorImage"));
    using Query = Bool (*)(Display*, int*, int*);
    auto query = reinterpret_cast<Query>(dlsym(lib, "XFixesQueryExtension"));
    int ev = 0, err = 0;
    if (get && query && query(dpy, &ev, &err)) {
        if (XFixesCursorImage* img = get(dpy)) {
            c.known = true;
            c.size = QSize(img->width, img->height);
            c.hotSpot = QPoint(img->xhot, img->yhot);
            XFree(img);
        }
    }
    dlclose(lib);
    return c;
}

class OverlayE2E : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs the xcb platform on a real X server";
        platform::SetScreen(nullptr); // the native reader
        dpy_ = XOpenDisplay(nullptr);
        ASSERT_NE(dpy_, nullptr);
        screen_ = QSize(DisplayWidth(dpy_, DefaultScreen(dpy_)), DisplayHeight(dpy_, DefaultScreen(dpy_)));
        picture_ = std::make_unique<PictureWindow>(screen_);
        picture_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(picture_.get()));
        QTest::qWait(100);
        Move(5, 5);
    }
    void TearDown() override
    {
        picture_.reset();
        if (dpy_)
            XCloseDisplay(dpy_);
    }

    // XTest input: queued to the server at once, delivered by whichever
    // event loop is running, as a user's hand would be.
    void Move(int x, int y)
    {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        XSync(dpy_, False);
    }
    void Click(unsigned button)
    {
        XTestFakeButtonEvent(dpy_, button, True, CurrentTime);
        XTestFakeButtonEvent(dpy_, button, False, CurrentTime);
        XSync(dpy_, False);
    }
    void Key(const char* keysym)
    {
        const KeyCode code = XKeysymToKeycode(dpy_, XStringToKeysym(keysym));
        ASSERT_NE(code, 0) << keysym;
        XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
        XSync(dpy_, False);
    }

    // Clicks the button and runs `during` inside the overlay's modal loop
    // once the overlay is on the screen. A watchdog ends an overlay the test
    // failed to end.
    void RunPick(TqvDeskPickerButton& button, const std::function<void(TScreenForm&)>& during)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            TScreenForm* form = button.ScreenForm();
            ASSERT_NE(form, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
            QTest::qWait(50);
            ran = true;
            during(*form);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (button.ScreenForm()) {
                ADD_FAILURE() << "the overlay was still open";
                button.ScreenForm()->reject();
            }
        });
        watchdog.start(8000);
        button.click();
        EXPECT_TRUE(ran);
        EXPECT_EQ(button.ScreenForm(), nullptr);
    }

    QImage Screen() { return platform::Screen().Grab(QRect(QPoint(), screen_)); }

    Display* dpy_ = nullptr;
    QSize screen_;
    std::unique_ptr<PictureWindow> picture_;
};

} // namespace

TEST_F(OverlayE2E, CoversTheScreenUnchangedWithTheEyedropperAndAClickPicks)
{
    const QImage before = Screen();
    QImage known = picture_->Picture();
    known.setDevicePixelRatio(1.0);
    ASSERT_TRUE(before == known) << "the known picture is up";
    TqvDeskPickerButton button;
    RunPick(button, [&](TScreenForm& form) {
        XWindowAttributes a{};
        ASSERT_TRUE(XGetWindowAttributes(dpy_, Window(form.winId()), &a));
        EXPECT_EQ(a.map_state, IsViewable);
        EXPECT_EQ(a.x, 0);
        EXPECT_EQ(a.y, 0);
        EXPECT_EQ(a.width, screen_.width());
        EXPECT_EQ(a.height, screen_.height());
        // With the picture gone from under it, the screen still shows it: it
        // is the overlay's own copy the user sees, not black.
        picture_->hide();
        QTest::qWait(150);
        EXPECT_TRUE(Screen() == before) << "the screen changed under the overlay";

        Move(300, 200);
        QTest::qWait(50);
        const ServerCursor c = CurrentCursor(dpy_);
        if (c.known) {
            EXPECT_EQ(c.size.width(), 32);
            EXPECT_EQ(c.size.height(), 32);
            EXPECT_EQ(c.hotSpot.x(), 8);
            EXPECT_EQ(c.hotSpot.y(), 23);
        }
        Move(613, 418);
        Click(3);
    });
    EXPECT_TRUE(button.Picked());
    const QRgb p = PictureAt(613, 418);
    EXPECT_EQ(button.PickedColor(), RGBColor(qRed(p), qGreen(p), qBlue(p)));
}

TEST_F(OverlayE2E, AWindowOfTheProgramChangingDuringThePickShowsAndIsPicked)
{
    QWidget own(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                             | Qt::X11BypassWindowManagerHint);
    own.setAttribute(Qt::WA_ShowWithoutActivating);
    own.setAutoFillBackground(true);
    auto paint = [&](QColor c) {
        QPalette pal = own.palette();
        pal.setColor(QPalette::Window, c);
        own.setPalette(pal);
    };
    paint(QColor(10, 200, 30));
    own.setGeometry(platform::ToLogical(QRect(700, 500, 100, 80)));
    own.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own));
    QTest::qWait(100);
    ASSERT_EQ(platform::Screen().Pixel(QPoint(750, 540)), RGBColor(10, 200, 30));

    TqvDeskPickerButton button;
    TColor shownDuring = 0;
    RunPick(button, [&](TScreenForm&) {
        paint(QColor(250, 5, 120));
        QTest::qWait(150);
        shownDuring = platform::Screen().Pixel(QPoint(750, 540));
        Move(750, 540);
        Click(1);
    });
    EXPECT_EQ(shownDuring, RGBColor(250, 5, 120));
    EXPECT_EQ(button.PickedColor(), RGBColor(250, 5, 120));
    EXPECT_TRUE(button.Picked());
}

TEST_F(OverlayE2E, PointerMovesFollowThePixelAndALeftClickPicks)
{
    TqvDeskPickerButton button;
    std::vector<TColor> seen;
    button.OnSelColorChange = [&](QObject*) { seen.push_back(button.PickedColor()); };
    RunPick(button, [&](TScreenForm&) {
        Move(100, 700);
        QTest::qWait(50);
        Move(1001, 33);
        QTest::qWait(50);
        Click(1);
    });
    auto at = [](int x, int y) {
        const QRgb p = PictureAt(x, y);
        return RGBColor(qRed(p), qGreen(p), qBlue(p));
    };
    ASSERT_GE(seen.size(), 3u);
    EXPECT_NE(std::find(seen.begin(), seen.end(), at(100, 700)), seen.end());
    EXPECT_EQ(seen.back(), at(1001, 33));
    EXPECT_TRUE(button.Picked());
}

TEST_F(OverlayE2E, EscapeAltAndCtrlCancel)
{
    for (const char* key : {"Escape", "Alt_L", "Control_L"}) {
        SCOPED_TRACE(key);
        TqvDeskPickerButton button;
        RunPick(button, [&](TScreenForm&) {
            Move(400, 300);
            QTest::qWait(50);
            Key(key);
        });
        EXPECT_FALSE(button.Picked());
        EXPECT_EQ(button.PickedColor(), clNone);
    }
}

TEST_F(OverlayE2E, TimersKeepTickingInsideTheModalLoop)
{
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(25);
    TqvDeskPickerButton button;
    int ticksWhenArmed = -1;
    int ticksAtClick = -1;
    RunPick(button, [&](TScreenForm& form) {
        Move(50, 50);
        // From here on nothing of the test waits: only the overlay's own loop
        // runs, and a poll on it clicks once the ticker has ticked five times.
        ticksWhenArmed = ticks;
        auto* poll = new QTimer(&form);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            if (ticks >= ticksWhenArmed + 5 && ticksAtClick < 0) {
                ticksAtClick = ticks;
                poll->stop();
                Click(1);
            }
        });
        poll->start(10);
    });
    EXPECT_GE(ticksAtClick, ticksWhenArmed + 5);
    EXPECT_TRUE(button.Picked());
}

// Qt's scale is fixed for the life of a process, so the same picks run again
// in a child process at twice the scale: odd physical pixels must still be
// read, the picture must still show one to one.
TEST_F(OverlayE2E, PicksTheSamePixelsAtTwiceTheScale)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        GTEST_SKIP() << "already scaled";
    picture_->hide();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=OverlayE2E.CoversTheScreen*:OverlayE2E.PointerMoves*:OverlayE2E.AWindow*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 3 tests")) << out.toStdString();
}
