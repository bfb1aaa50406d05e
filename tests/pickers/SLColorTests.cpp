// The saturation-lightness square and its marker shapes: position <-> value
// mapping through the mouse and the keys (with the no-partial-step rule),
// SelectedColor through the integer HSV conversion, the gradient as drawn,
// and the four marks on a rendered image.
#include "pickers/SLColorPicker.h"

#include "colour/ColorLibrary.h"
#include "pickers/PickerMarkers.h"
#include "platform/PointerConfine.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testsupport::PixelAt;
using testsupport::Render;

// QTest takes the point (0, 0) to mean the widget's centre; these go exactly
// where they are told.
void SendMouse(QWidget& w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

class SLSquare : public ::testing::Test {
protected:
    void SetUp() override
    {
        sl.resize(120, 120);
        sl.OnChange = [this](TqvCustomPicker* s) {
            EXPECT_EQ(s, &sl);
            ++changes;
        };
    }
    void Show()
    {
        sl.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&sl));
        QApplication::processEvents();
    }

    TSLColorPicker sl;
    int changes = 0;
};

TEST(SLConstruction, DefaultsAndTheProcessWideScales)
{
    SetColorScales(239, 240, 240);
    TSLColorPicker sl;
    EXPECT_EQ(HueScale, 360);
    EXPECT_EQ(SatScale, 255);
    EXPECT_EQ(LumScale, 255);
    EXPECT_EQ(HSLHueOf(RGBColor(0, 0, 255)), 240);
    EXPECT_EQ(HSLLumOf(RGBColor(255, 255, 255)), 255);
    EXPECT_EQ(sl.size(), QSize(255, 255));
    EXPECT_EQ(sl.Hue(), 0);
    EXPECT_EQ(sl.Saturation(), 0);
    EXPECT_EQ(sl.Luminance(), 255);
    EXPECT_EQ(sl.MarkerStyle(), msCircle);
    EXPECT_EQ(sl.SelectedColor(), clWhite);
}

TEST_F(SLSquare, SettersClampAndPlaceTheMarker)
{
    sl.SetHue(400);
    EXPECT_EQ(sl.Hue(), 360);
    sl.SetHue(-3);
    EXPECT_EQ(sl.Hue(), 0);
    EXPECT_EQ(changes, 2);
    sl.SetHue(0);
    EXPECT_EQ(changes, 2);
    sl.SetSaturation(300);
    sl.SetLuminance(-8);
    EXPECT_EQ(sl.Saturation(), 255);
    EXPECT_EQ(sl.Luminance(), 0);
    EXPECT_EQ(QPoint(sl.MarkerX(), sl.MarkerY()), QPoint(120, 120));
    sl.SetSaturation(128);
    sl.SetLuminance(128);
    EXPECT_EQ(QPoint(sl.MarkerX(), sl.MarkerY()), QPoint(60, 60)); // MulDiv(128, 120, 255) = 60.2
    sl.resize(240, 60);
    QApplication::sendPostedEvents();
    QResizeEvent re(QSize(240, 60), QSize(120, 120));
    QApplication::sendEvent(&sl, &re);
    EXPECT_EQ(QPoint(sl.MarkerX(), sl.MarkerY()), QPoint(120, 30)) << "a resize places the marker again";
}

TEST_F(SLSquare, ClicksSelectByPositionAndConfineToTheControl)
{
    Show();
    struct Row {
        QPoint at;
        int sat, lum;
    };
    const Row rows[] = {{{0, 0}, 0, 255}, {{119, 119}, 253, 2}, {{60, 30}, 128, 191}};
    for (const Row& r : rows) {
        changes = 0;
        SendMouse(sl, QEvent::MouseButtonPress, r.at);
        EXPECT_TRUE(platform::PointerConfined());
        EXPECT_EQ(platform::PointerConfinement(), QRect(sl.mapToGlobal(QPoint(0, 0)), QSize(120, 120)));
        EXPECT_EQ(changes, 1) << "a press raises OnChange at once";
        SendMouse(sl, QEvent::MouseButtonRelease, r.at);
        EXPECT_FALSE(platform::PointerConfined());
        EXPECT_EQ(changes, 2) << "and so does the release, changed or not";
        EXPECT_EQ(sl.Saturation(), r.sat) << r.at.x();
        EXPECT_EQ(sl.Luminance(), r.lum) << r.at.y();
    }
    EXPECT_EQ(sl.ColorAtPosition(119, 119), ColorFromTriple(TripleFromScaledHSV(0, 253, 2)));
}

TEST_F(SLSquare, KeysMoveTheMarkerOnlyByAWholeStep)
{
    Show();
    QTest::mouseClick(&sl, Qt::LeftButton, {}, QPoint(5, 50));
    ASSERT_EQ(sl.MarkerX(), 5); // saturation 11 places it back at 5
    std::vector<int> keys;
    sl.OnKeyDown = [&](TqvCustomPicker*, int& key, Qt::KeyboardModifiers) {
        if (key != Qt::Key_Control)
            keys.push_back(key);
    };
    const int sat = sl.Saturation(), lum = sl.Luminance();
    changes = 0;
    QTest::keyClick(&sl, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(sl.MarkerX(), 5);
    EXPECT_EQ(sl.Saturation(), sat);
    EXPECT_EQ(sl.Luminance(), lum);
    EXPECT_EQ(changes, 0) << "no partial step, no change";
    EXPECT_EQ(keys, std::vector<int>{Qt::Key_Left}) << "OnKeyDown all the same";

    QTest::keyClick(&sl, Qt::Key_Left);
    EXPECT_EQ(sl.Saturation(), MulDiv(255, 4, 120));
    EXPECT_EQ(changes, 1);

    // The keys reach the far edges, where the mouse cannot.
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&sl, Qt::Key_Right, Qt::ControlModifier);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&sl, Qt::Key_Down, Qt::ControlModifier);
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(&sl, Qt::Key_Right);
        QTest::keyClick(&sl, Qt::Key_Down);
    }
    EXPECT_EQ(sl.Saturation(), 255);
    EXPECT_EQ(sl.Luminance(), 0);
    EXPECT_EQ(QPoint(sl.MarkerX(), sl.MarkerY()), QPoint(120, 120));
}

TEST_F(SLSquare, SelectedColorGoesThroughIntegerHSVAndNotifiesOnceAtTheEnd)
{
    struct Row {
        TColor in;
        int hue, sat, lum;
        TColor out;
    };
    const Row rows[] = {
        {RGBColor(255, 0, 0), 0, 255, 255, RGBColor(255, 0, 0)},
        {RGBColor(128, 128, 128), 0, 0, 128, RGBColor(128, 128, 128)},
        {RGBColor(200, 100, 50), 20, 191, 200, RGBColor(200, 101, 51)},
        {RGBColor(255, 0, 255), 300, 255, 255, RGBColor(255, 0, 255)},
    };
    for (const Row& r : rows) {
        changes = 0;
        int hueSeen = -1, satSeen = -1, lumSeen = -1;
        sl.OnChange = [&](TqvCustomPicker*) {
            ++changes;
            hueSeen = sl.Hue();
            satSeen = sl.Saturation();
            lumSeen = sl.Luminance();
        };
        sl.SetSelectedColor(r.in);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(hueSeen, r.hue);
        EXPECT_EQ(satSeen, r.sat);
        EXPECT_EQ(lumSeen, r.lum);
        EXPECT_EQ(sl.SelectedColor(), r.out);
    }
    // The same colour again still notifies once.
    changes = 0;
    sl.SetSelectedColor(RGBColor(255, 0, 255));
    EXPECT_EQ(changes, 1);

    sl.SetWebSafe(true);
    sl.SetSelectedColor(RGBColor(200, 100, 50));
    EXPECT_EQ(sl.SelectedColor(), SnapToWebSafe(sl.SelectedColor()));
}

TEST_F(SLSquare, GradientCornersAtAnySizeAndHue360DrawsAsHue0)
{
    sl.SetSaturation(128);
    sl.SetLuminance(128); // marker in the middle, away from the corners
    sl.SetHue(120);
    for (QSize size : {QSize(128, 128), QSize(600, 300), QSize(7, 3)}) {
        sl.resize(size);
        const QImage img = Render(sl);
        const int r = size.width() - 1, b = size.height() - 1;
        EXPECT_EQ(PixelAt(img, 0, 0), RGBColor(255, 255, 255)) << size.width();
        EXPECT_EQ(PixelAt(img, r, 0), RGBColor(0, 255, 0)) << "the pure hue top right " << size.width();
        for (int x : {0, r / 2, r})
            EXPECT_EQ(PixelAt(img, x, b), RGBColor(0, 0, 0)) << "bottom row black " << size.width();
        if (size.width() == 600) { // halfway along the top row: column 128 of 256
            EXPECT_EQ(sl.Picture().pixel(300, 0) & 0xFFFFFF, PixelFromScaledHSV(120, 128, 255));
        }
    }

    sl.resize(128, 128);
    sl.SetHue(0);
    const QImage at0 = Render(sl);
    EXPECT_EQ(PixelAt(at0, 127, 0), RGBColor(255, 0, 0));
    sl.SetHue(360);
    EXPECT_EQ(Render(sl), at0);
    sl.SetHue(100);
    sl.SetHue(360); // computed afresh this time
    EXPECT_EQ(Render(sl), at0);
}

TEST_F(SLSquare, WebSafePicture)
{
    sl.SetHue(200);
    sl.SetWebSafe(true);
    const QImage& g = sl.Picture();
    for (int y = 0; y < g.height(); y += 3)
        for (int x = 0; x < g.width(); x += 3) {
            const QRgb p = g.pixel(x, y);
            ASSERT_TRUE(qRed(p) % 51 == 0 && qGreen(p) % 51 == 0 && qBlue(p) % 51 == 0) << x << "," << y;
        }
    sl.SetWebSafe(false);
    EXPECT_NE(sl.Picture().pixel(60, 30) & 0xFFFFFF, SnapToWebSafe(sl.Picture().pixel(60, 30) & 0xFFFFFF));
}

TEST(Markers, EllipseOutlineIsAClosedRingInItsBox)
{
    const auto pts = markers::EllipseOutline(QRect(10, 20, 10, 10));
    ASSERT_FALSE(pts.empty());
    int minX = 99, maxX = 0, minY = 99, maxY = 0;
    for (const QPoint& p : pts) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
        // Symmetric about the box's centre.
        EXPECT_NE(std::find(pts.begin(), pts.end(), QPoint(29 - p.x(), 49 - p.y())),
                  pts.end());
    }
    EXPECT_EQ(QRect(QPoint(minX, minY), QPoint(maxX, maxY)), QRect(10, 20, 10, 10));
    EXPECT_EQ(std::find(pts.begin(), pts.end(), QPoint(14, 24)), pts.end()) << "the inside is not outline";
}

// The marks on a flat grey image, where inversion and complement are known.
TEST(Markers, ShapesAndColours)
{
    const QRgb grey = qRgb(100, 150, 200);
    const QRgb inverse = qRgb(155, 105, 55);
    const TColor under = RGBColor(100, 150, 200);
    auto fresh = [&] {
        QImage img(40, 40, QImage::Format_RGB32);
        img.fill(grey);
        return img;
    };

    QImage img = fresh();
    markers::DrawMarker(img, msSquare, 20, 20, under);
    EXPECT_EQ(img.pixel(15, 15), inverse);
    EXPECT_EQ(img.pixel(24, 24), inverse);
    EXPECT_EQ(img.pixel(24, 18), inverse);
    EXPECT_EQ(img.pixel(25, 20), grey) << "right edge excluded";
    EXPECT_EQ(img.pixel(20, 20), grey) << "inside untouched";

    img = fresh();
    markers::DrawMarker(img, msCircle, 20, 20, under);
    EXPECT_EQ(img.pixel(15, 19), inverse) << "left of the circle";
    EXPECT_EQ(img.pixel(20, 15), inverse) << "top of the circle";
    EXPECT_EQ(img.pixel(15, 15), grey) << "corner of the box is outside the circle";
    EXPECT_EQ(img.pixel(20, 20), grey);

    img = fresh();
    markers::DrawMarker(img, msCross, 20, 20, under);
    for (QPoint p : {QPoint(10, 18), QPoint(14, 20), QPoint(18, 10), QPoint(20, 14), QPoint(24, 19),
                     QPoint(28, 20), QPoint(19, 24), QPoint(20, 28)})
        EXPECT_EQ(img.pixel(p), inverse) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(20, 20), QPoint(15, 20), QPoint(20, 21), QPoint(29, 20), QPoint(20, 29)})
        EXPECT_EQ(img.pixel(p), grey) << p.x() << "," << p.y();

    img = fresh();
    markers::DrawMarker(img, msCrossCirc, 20, 20, under);
    int drawn = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            if (img.pixel(x, y) == grey)
                continue;
            ++drawn;
            EXPECT_EQ(img.pixel(x, y), inverse);
            EXPECT_FALSE(y >= 19 && y <= 20) << "horizontal gap " << x << "," << y;
            EXPECT_FALSE(x >= 19 && x <= 20) << "vertical gap " << x << "," << y;
        }
    EXPECT_GT(drawn, 20) << "two broken circles";
    EXPECT_EQ(img.pixel(15, 18), inverse) << "outer circle";
    EXPECT_EQ(img.pixel(16, 18), inverse) << "inner circle";

    // Marks near an edge are cut, not wrapped or crashed.
    img = fresh();
    for (TMarkerStyle s : {msCircle, msSquare, msCross, msCrossCirc})
        markers::DrawMarker(img, s, 0, 39, under);
    EXPECT_EQ(img.pixel(39, 0), grey);
}

TEST_F(SLSquare, RenderedMarkers)
{
    // Marker at (0, 0) over white: the cross is drawn in black.
    sl.SetMarkerStyle(msCross);
    QImage img = Render(sl);
    EXPECT_EQ(PixelAt(img, 5, 0), RGBColor(0, 0, 0));
    EXPECT_EQ(PixelAt(img, 0, 5), RGBColor(0, 0, 0));
    // Over black (bottom left): white bars.
    sl.SetLuminance(0);
    img = Render(sl);
    EXPECT_EQ(PixelAt(img, 0, 112), RGBColor(255, 255, 255));
    EXPECT_EQ(PixelAt(img, 5, 119), RGBColor(255, 255, 255));

    // The circle inverts what is under its outline and nothing inside.
    sl.SetMarkerStyle(msCircle);
    sl.SetHue(200);
    sl.SetSaturation(0);
    sl.SetLuminance(255);
    const QImage away = Render(sl);
    sl.SetSaturation(128);
    sl.SetLuminance(128);
    ASSERT_EQ(QPoint(sl.MarkerX(), sl.MarkerY()), QPoint(60, 60));
    const QImage marked = Render(sl);
    EXPECT_EQ(PixelAt(marked, 55, 59), PixelAt(away, 55, 59) ^ 0xFFFFFF);
    EXPECT_EQ(PixelAt(marked, 60, 60), PixelAt(away, 60, 60));
    EXPECT_EQ(PixelAt(marked, 66, 60), PixelAt(away, 66, 60));
}

} // namespace
