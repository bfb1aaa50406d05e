// The hue ring: its clamped properties, the position <-> hue/saturation
// mapping that mouse, hint and wheel share, the keys with their wrap-around,
// SelectedColor with its stored-colour state, the change raised from the next
// paint after a mouse pick, and what a rendered ring shows.
#include "pickers/HRingPicker.h"

#include "colour/ColorLibrary.h"
#include "platform/PointerConfine.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::PixelAt;
using testsupport::Render;

const QColor kWindow(1, 2, 3);
constexpr TColor kWindowColor = 0x030201;

// A ring with a known background and a change counter.
class Ring : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette pal = ring.palette();
        pal.setColor(QPalette::Window, kWindow);
        ring.setPalette(pal);
        ring.OnChange = [this](TqvCustomPicker* s) {
            EXPECT_EQ(s, &ring);
            ++changes;
        };
    }
    void Show()
    {
        ring.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ring));
        QApplication::processEvents();
    }

    THRingPicker ring;
    int changes = 0;
};

TEST_F(Ring, Defaults)
{
    EXPECT_EQ(ring.size(), QSize(204, 204));
    EXPECT_EQ(ring.Hue(), 0);
    EXPECT_EQ(ring.Saturation(), 0);
    EXPECT_EQ(ring.Value(), 255);
    EXPECT_EQ(ring.Radius(), 30);
    EXPECT_EQ(ring.HueLineColor(), TColor(0x808080));
    EXPECT_EQ(ring.SelectedColor(), clNone);
}

TEST_F(Ring, SettersClampAndNotifyOnlyOnAChange)
{
    struct Row {
        void (THRingPicker::*set)(int);
        int (THRingPicker::*get)() const;
        int in, stored;
    };
    const Row rows[] = {
        {&THRingPicker::SetHue, &THRingPicker::Hue, 400, 360},
        {&THRingPicker::SetHue, &THRingPicker::Hue, -5, 0},
        {&THRingPicker::SetHue, &THRingPicker::Hue, 200, 200},
        {&THRingPicker::SetSaturation, &THRingPicker::Saturation, 300, 255},
        {&THRingPicker::SetSaturation, &THRingPicker::Saturation, -1, 0},
        {&THRingPicker::SetValue, &THRingPicker::Value, -9, 0},
        {&THRingPicker::SetValue, &THRingPicker::Value, 999, 255},
    };
    for (const Row& r : rows) {
        (ring.*r.set)(r.stored == 0 ? 77 : 0);
        changes = 0;
        (ring.*r.set)(r.in);
        EXPECT_EQ((ring.*r.get)(), r.stored) << r.in;
        EXPECT_EQ(changes, 1) << r.in;
        (ring.*r.set)(r.in);
        EXPECT_EQ(changes, 1) << "the same value again raises nothing";
    }
    changes = 0;
    ring.SetRadius(40);
    ring.SetHueLineColor(0x0000FF);
    EXPECT_EQ(changes, 0);
}

TEST(RingGeometry, HueAndSaturationAtAPosition)
{
    // d = 204, r = 102. Hue grows counter-clockwise from red at the right.
    struct Row {
        int x, y, hue, sat;
    };
    const Row rows[] = {
        {150, 102, 360, 120}, // right of the centre
        {102, 50, 90, 130},   // above
        {50, 102, 180, 130},  // left
        {102, 150, 270, 120}, // below
        {102, 102, 360, 0},   // the centre itself
        {204, 102, 360, 255}, // rounded distance r
        {102 + 72, 102 - 72, 45, 255}, // distance 101.8 rounds to r
        {203, 102, 360, 253}, // distance r - 1: MulDiv(101, 255, 102)
    };
    for (const Row& r : rows) {
        EXPECT_EQ(THRingPicker::HueAt(r.x, r.y, 204), r.hue) << r.x << "," << r.y;
        EXPECT_EQ(THRingPicker::SaturationAt(r.x, r.y, 204), r.sat) << r.x << "," << r.y;
    }
    // The wheel image uses its own formula with the same orientation.
    EXPECT_EQ(THRingPicker::WheelHueAt(150, 102, 204), 360);
    EXPECT_EQ(THRingPicker::WheelHueAt(102, 50, 204), 90);
    EXPECT_EQ(THRingPicker::WheelHueAt(50, 102, 204), 180);
    EXPECT_EQ(THRingPicker::WheelHueAt(102, 150, 204), 270);
    EXPECT_EQ(THRingPicker::WheelSaturationAt(102, 0, 204), 255);
    EXPECT_EQ(THRingPicker::WheelSaturationAt(1, 1, 2), 0) << "r = 1, centre";

    EXPECT_TRUE(THRingPicker::IsPointInDisc(0, 102, 204));
    EXPECT_FALSE(THRingPicker::IsPointInDisc(0, 0, 204));
    EXPECT_FALSE(THRingPicker::IsPointInDisc(205, 102, 204));

    EXPECT_EQ(THRingPicker::HueLineEnd(0, 204), QPoint(204, 102));
    EXPECT_EQ(THRingPicker::HueLineEnd(90, 204), QPoint(102, 0));
    EXPECT_EQ(THRingPicker::HueLineEnd(180, 204), QPoint(0, 102));
}

TEST_F(Ring, ClicksPickHueAndSaturationAndConfineThePointer)
{
    Show();
    struct Row {
        QPoint at;
        int hue, sat;
    };
    const Row rows[] = {{{150, 102}, 360, 120}, {{102, 50}, 90, 130}, {{50, 102}, 180, 130},
                        {{102, 150}, 270, 120}, {{102, 102}, 360, 0}};
    for (const Row& r : rows) {
        QTest::mousePress(&ring, Qt::LeftButton, {}, r.at);
        EXPECT_TRUE(platform::PointerConfined());
        EXPECT_EQ(platform::PointerConfinement(), QRect(ring.mapToGlobal(QPoint(-1, -1)), QSize(206, 206)))
            << "client rectangle grown by 1";
        QTest::mouseRelease(&ring, Qt::LeftButton, {}, r.at);
        EXPECT_FALSE(platform::PointerConfined());
        EXPECT_EQ(ring.Hue(), r.hue) << r.at.x() << "," << r.at.y();
        EXPECT_EQ(ring.Saturation(), r.sat) << r.at.x() << "," << r.at.y();
    }
    EXPECT_EQ(ring.SelectedColor(), ColorFromHSV(360, 0, 255)) << "a mouse pick selects a colour";

    // Outside the disc a press selects nothing and confines nothing.
    const int hue = ring.Hue();
    QTest::mousePress(&ring, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(platform::PointerConfined());
    QTest::mouseRelease(&ring, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(ring.Hue(), hue);
}

TEST_F(Ring, MousePickRaisesOnChangeFromTheNextPaint)
{
    Show();
    changes = 0;
    QTest::mousePress(&ring, Qt::LeftButton, {}, QPoint(102, 50));
    EXPECT_EQ(changes, 0) << "nothing before the paint";
    QApplication::processEvents();
    EXPECT_EQ(changes, 1);
    // A drag out of the disc leaves the selection alone until it returns.
    QMouseEvent outside(QEvent::MouseMove, QPointF(1, 1), ring.mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&ring, &outside);
    EXPECT_EQ(ring.Hue(), 90);
    QMouseEvent back(QEvent::MouseMove, QPointF(50, 102), ring.mapToGlobal(QPointF(50, 102)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&ring, &back);
    EXPECT_EQ(ring.Hue(), 180);
    QTest::mouseRelease(&ring, Qt::LeftButton, {}, QPoint(50, 102));
    QApplication::processEvents();
    EXPECT_EQ(changes, 2) << "one change per paint, however many picks came before";
}

TEST_F(Ring, KeysTurnTheHueWithWrapAround)
{
    struct Row {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int to;
    };
    const Row rows[] = {
        {5, Qt::Key_Right, Qt::ControlModifier, 355}, {360, Qt::Key_Left, Qt::NoModifier, 1},
        {355, Qt::Key_Left, Qt::ControlModifier, 5},  {0, Qt::Key_Right, Qt::NoModifier, 359},
        {100, Qt::Key_Left, Qt::NoModifier, 101},     {100, Qt::Key_Right, Qt::NoModifier, 99},
    };
    std::vector<int> keys;
    int changesBeforeKeyDown = -1;
    ring.OnKeyDown = [&](TqvCustomPicker*, int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Control)
            return; // the Ctrl press itself
        keys.push_back(key);
        changesBeforeKeyDown = changes;
    };
    for (const Row& r : rows) {
        ring.SetHue(r.from);
        changes = 0;
        keys.clear();
        QTest::keyClick(&ring, r.key, r.mods);
        EXPECT_EQ(ring.Hue(), r.to) << r.from;
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(changesBeforeKeyDown, 1) << "OnChange comes before OnKeyDown";
        EXPECT_EQ(keys, std::vector<int>{r.key});
    }
    EXPECT_EQ(ring.SelectedColor(), clNone) << "keys select no colour";

    // Other keys: only the standard handling, no change.
    changes = 0;
    keys.clear();
    QTest::keyClick(&ring, Qt::Key_Up);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(keys, std::vector<int>{Qt::Key_Up});
}

TEST_F(Ring, SelectedColorSetsValueHueSaturationAndNotifiesOnce)
{
    ring.SetSelectedColor(RGBColor(200, 100, 50));
    EXPECT_EQ(ring.Value(), 200);
    EXPECT_EQ(ring.Hue(), 20);
    EXPECT_EQ(ring.Saturation(), 191);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ring.SelectedColor(), RGBColor(200, 101, 51)) << "the integer round trip is not exact";

    changes = 0;
    ring.SetSelectedColor(RGBColor(90, 90, 90));
    EXPECT_EQ(ring.Hue(), 0);
    EXPECT_EQ(ring.Saturation(), 0);
    EXPECT_EQ(ring.Value(), 90);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ring.SelectedColor(), RGBColor(90, 90, 90));
}

TEST_F(Ring, ColorAtPositionInsideTheDiscOnly)
{
    ring.SetValue(200);
    EXPECT_EQ(ring.ColorAtPosition(0, 0), clNone);
    EXPECT_EQ(ring.ColorAtPosition(203, 203), clNone);
    EXPECT_EQ(ring.ColorAtPosition(102, 102), ColorFromHSV(360, 0, 200)) << "the hole has a colour too";
    EXPECT_EQ(ring.ColorAtPosition(204, 102), RGBColor(200, 0, 0));
    ring.SetWebSafe(true);
    EXPECT_EQ(ring.ColorAtPosition(204, 102), RGBColor(204, 0, 0));
}

TEST_F(Ring, RenderedRingShowsTheWheelInTheBandOnly)
{
    ring.resize(264, 268);
    ring.SetRadius(32);
    ring.SetHue(90);
    ring.SetHueLineColor(RGBColor(1, 254, 3));
    const QImage img = Render(ring);
    // d 264, r 132: the band is 100..132 from the centre.
    EXPECT_EQ(PixelAt(img, 263, 132), ColorFromHSV(360, 253, 255)) << "right rim: hue 360";
    EXPECT_EQ(PixelAt(img, 4, 132), ColorFromHSV(180, MulDiv(128, 255, 132), 255));
    EXPECT_EQ(PixelAt(img, 132 + 20, 132), kWindowColor) << "the hole shows the background";
    EXPECT_EQ(PixelAt(img, 1, 1), kWindowColor) << "outside the disc";
    for (int x : {0, 131, 263})
        for (int y : {264, 267})
            EXPECT_EQ(PixelAt(img, x, y), kWindowColor) << "bottom rows below the wheel";
    // The hue line runs straight up, visible only across the band.
    for (int y : {1, 15, 31})
        EXPECT_EQ(PixelAt(img, 132, y), RGBColor(1, 254, 3)) << y;
    EXPECT_EQ(PixelAt(img, 132, 60), kWindowColor) << "no line in the hole";
    EXPECT_EQ(PixelAt(img, 132, 264 - 15), ColorFromHSV(270, MulDiv(117, 255, 132), 255))
        << "no line below the centre";
}

TEST_F(Ring, RadiusDecidesHowMuchOfTheDiscShows)
{
    ring.SetRadius(102);
    QImage img = Render(ring);
    EXPECT_NE(PixelAt(img, 110, 102), kWindowColor) << "Radius d/2 shows the whole disc";
    ring.SetRadius(0);
    img = Render(ring);
    for (QPoint p : {QPoint(203, 102), QPoint(110, 102), QPoint(102, 2)})
        EXPECT_EQ(PixelAt(img, p.x(), p.y()), kWindowColor) << "Radius 0 shows no wheel";
}

TEST_F(Ring, WebSafeWheelAndSelection)
{
    ring.SetWebSafe(true);
    const QImage& wheel = ring.WheelImage();
    for (int y = 0; y < wheel.height(); y += 3)
        for (int x = 0; x < wheel.width(); x += 3) {
            if (!THRingPicker::IsPointInDisc(x, y, 204))
                continue;
            const QRgb p = wheel.pixel(x, y);
            ASSERT_TRUE(qRed(p) % 51 == 0 && qGreen(p) % 51 == 0 && qBlue(p) % 51 == 0) << x << "," << y;
        }
    ring.SetSelectedColor(RGBColor(200, 100, 50));
    const TColor c = ring.SelectedColor();
    EXPECT_EQ(c, SnapToWebSafe(c));
    ring.SetWebSafe(false);
    EXPECT_EQ(ring.WheelImage().pixel(150, 102) & 0xFFFFFF, PixelFromHSV(360, 120, ring.Value()));
}

} // namespace
