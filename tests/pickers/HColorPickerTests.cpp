// The hue bar: hue <-> offset mapping, the setters and their change events,
// the cached strip, input through the bar base, drawing and the tooltip text.
#include "pickers/HColorPicker.h"

#include "colour/ColorLibrary.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

using Bar = TqvTrackBarPicker;

struct CountedPicker {
    THColorPicker picker;
    int changes = 0;
    CountedPicker()
    {
        picker.OnChange = [this](Bar* sender) {
            EXPECT_EQ(sender, &picker);
            ++changes;
        };
    }
};

QImage Render(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor At(const QImage& img, int x, int y)
{
    return QColor(img.pixel(x, y));
}

TColor StripColor(const QImage& strip, int x, int y)
{
    const QRgb p = strip.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void Key(QWidget& w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&w, &e);
}

void Wheel(QWidget& w, int delta)
{
    QWheelEvent e(QPointF(50, 5), w.mapToGlobal(QPointF(50, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST(HColorPickerMapping, HueToOffset)
{
    struct Row {
        int h, length, reserve, offset;
    };
    const Row rows[] = {
        {0, 267, 7, 0},
        {360, 267, 7, 255}, // Round(255 / 360 * 360)
        {180, 267, 7, 128}, // 127.5: halves go to the even neighbour
        {120, 267, 7, 85},
        {1, 192, 7, 0},     // scale 0.5: 0.5 -> 0
        {3, 192, 7, 2},     // 1.5 -> 2
        {5, 192, 7, 2},     // 2.5 -> 2
        {500, 267, 7, 260}, // held at length - c
        {500, 267, 3, 264},
        {200, 10, 7, 0},    // a negative scale holds at 0
    };
    for (const Row& r : rows)
        EXPECT_EQ(THColorPicker::HueToOffsetFor(r.h, r.length, r.reserve), r.offset)
            << "h " << r.h << " length " << r.length << " c " << r.reserve;
}

TEST(HColorPickerMapping, OffsetToHueIncludingDegenerateBars)
{
    struct Row {
        int p, length, hue;
    };
    const Row rows[] = {
        {0, 267, 0},   {255, 267, 360}, {127, 267, 179}, {260, 267, 360}, // 367 clamps
        {1, 192, 2},   {5, 12, 0},      {5, 11, 0},      {0, 0, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(THColorPicker::OffsetToHueFor(r.p, r.length), r.hue) << "p " << r.p << " length " << r.length;
}

TEST(HColorPickerMapping, PressesAndTheMarkOfTheDefaultBar)
{
    struct Row {
        int x, hue;
    };
    const Row rows[] = {{6, 0}, {261, 360}, {133, 179}, {3, 0}, {400, 360}};
    for (const Row& r : rows) {
        THColorPicker picker;
        picker.SetHue(90);
        QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(r.x, 5));
        EXPECT_EQ(picker.Hue(), r.hue) << "x " << r.x;
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(r.x, 5));
    }

    THColorPicker picker;
    picker.SetHue(360);
    EXPECT_EQ(picker.HueToOffset(picker.Hue()), 255);
    EXPECT_EQ(picker.ArrowPolygons(picker.HueToOffset(360)).at(0).at(0), QPoint(261, 15));
}

TEST(HColorPickerMapping, VerticalBarMapsAlongItsHeight)
{
    THColorPicker picker;
    picker.SetLayout(Bar::lyVertical);
    picker.resize(22, 192);
    EXPECT_EQ(picker.HueToOffset(360), 180);
    QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(5, 6 + 90));
    EXPECT_EQ(picker.Hue(), 180);
    QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(5, 6 + 90));
}

TEST(HColorPickerSetters, ClampAndReportOnlyRealChanges)
{
    CountedPicker c;
    THColorPicker& p = c.picker;
    EXPECT_EQ(p.Hue(), 0);
    EXPECT_EQ(p.Saturation(), 255);
    EXPECT_EQ(p.Value(), 255);
    EXPECT_EQ(p.SelectedColor(), TColor(255));
    EXPECT_EQ(p.HintFormat(), "Hue: %h");

    struct Step {
        void (THColorPicker::*set)(int);
        int (THColorPicker::*get)() const;
        int value, stored, changes;
    };
    const Step steps[] = {
        {&THColorPicker::SetHue, &THColorPicker::Hue, -20, 0, 0},
        {&THColorPicker::SetHue, &THColorPicker::Hue, 500, 360, 1},
        {&THColorPicker::SetHue, &THColorPicker::Hue, 400, 360, 1},
        {&THColorPicker::SetSaturation, &THColorPicker::Saturation, 300, 255, 1},
        {&THColorPicker::SetSaturation, &THColorPicker::Saturation, -1, 0, 2},
        {&THColorPicker::SetValue, &THColorPicker::Value, 100, 100, 3},
        {&THColorPicker::SetValue, &THColorPicker::Value, 100, 100, 3},
    };
    for (const Step& s : steps) {
        (p.*s.set)(s.value);
        EXPECT_EQ((p.*s.get)(), s.stored) << "value " << s.value;
        EXPECT_EQ(c.changes, s.changes) << "value " << s.value;
    }
}

TEST(HColorPickerStrip, RebuiltOnlyWhenSaturationValueLayoutOrWebSafeChange)
{
    THColorPicker p;
    ASSERT_EQ(p.HueStrip().size(), QSize(360, 12));
    qint64 key = p.HueStrip().cacheKey();
    auto rebuilt = [&] {
        const qint64 now = p.HueStrip().cacheKey();
        const bool changed = now != key;
        key = now;
        return changed;
    };
    p.SetHue(200);
    (void)Render(p);
    p.SetSelectedColor(RGBColor(0, 0, 255)); // same saturation and value, new hue
    (void)Render(p);
    EXPECT_FALSE(rebuilt());
    p.SetSaturation(100);
    EXPECT_TRUE(rebuilt());
    p.SetValue(100);
    EXPECT_TRUE(rebuilt());
    p.SetWebSafe(true);
    EXPECT_TRUE(rebuilt());
    p.SetLayout(Bar::lyVertical);
    EXPECT_TRUE(rebuilt());
    EXPECT_EQ(p.HueStrip().size(), QSize(12, 360));
    p.SetNewArrowStyle(true);
    p.SetSelectionIndicator(Bar::siRect);
    p.resize(30, 200);
    (void)Render(p);
    EXPECT_FALSE(rebuilt());
}

TEST(HColorPickerStrip, HoldsEveryHueAtTheBarsSaturationAndValue)
{
    THColorPicker p;
    p.SetSaturation(200);
    p.SetValue(180);
    const QImage& strip = p.HueStrip();
    for (int h = 0; h < 360; ++h)
        for (int y : {0, 11})
            ASSERT_EQ(StripColor(strip, h, y), ColorFromHSV(h, 200, 180)) << "hue " << h;

    p.SetLayout(Bar::lyVertical);
    for (int h : {0, 45, 359})
        for (int x : {0, 11})
            EXPECT_EQ(StripColor(p.HueStrip(), x, h), ColorFromHSV(h, 200, 180)) << "hue " << h;
}

TEST(HColorPickerSelectedColor, GreyGivesAUniformGreyStripAndOneChange)
{
    CountedPicker c;
    THColorPicker& p = c.picker;
    p.SetHue(200);
    c.changes = 0;
    p.SetSelectedColor(RGBColor(128, 128, 128));
    EXPECT_EQ(c.changes, 1);
    EXPECT_EQ(p.Hue(), 0);
    EXPECT_EQ(p.Saturation(), 0);
    EXPECT_EQ(p.Value(), 128);
    EXPECT_EQ(p.SelectedColor(), RGBColor(128, 128, 128));
    for (int h = 0; h < 360; ++h)
        ASSERT_EQ(StripColor(p.HueStrip(), h, 6), RGBColor(128, 128, 128)) << "hue " << h;

    // Writing the same colour again still reports once.
    p.SetSelectedColor(RGBColor(128, 128, 128));
    EXPECT_EQ(c.changes, 2);
}

TEST(HColorPickerSelectedColor, ReadsBackThroughHSV)
{
    struct Row {
        TColor in;
        int h, s, v;
    };
    const Row rows[] = {
        {RGBColor(0, 0, 255), 240, 255, 255},
        {RGBColor(255, 0, 255), 300, 255, 255},
        {RGBColor(0, 0, 0), 0, 0, 0},
        {0xFF0000FFu, 0, 255, 255}, // the top byte is ignored
    };
    for (const Row& r : rows) {
        THColorPicker p;
        p.SetSelectedColor(r.in);
        EXPECT_EQ(p.Hue(), r.h) << std::hex << r.in;
        EXPECT_EQ(p.Saturation(), r.s) << std::hex << r.in;
        EXPECT_EQ(p.Value(), r.v) << std::hex << r.in;
        EXPECT_EQ(p.SelectedColor(), ColorFromHSV(r.h, r.s, r.v));
    }
}

TEST(HColorPickerSelectedColor, WebSafeSnapsTheStripAndTheColour)
{
    auto webSafe = [](TColor c) {
        for (int ch : {GetRValue(c), GetGValue(c), GetBValue(c)})
            if (ch % 51 != 0)
                return false;
        return true;
    };
    THColorPicker p;
    p.SetSaturation(170);
    p.SetValue(230);
    // without the switch the strip has colours off the web palette
    bool anyOff = false;
    for (int h = 0; h < 360; ++h)
        anyOff = anyOff || !webSafe(StripColor(p.HueStrip(), h, 0));
    ASSERT_TRUE(anyOff);

    p.SetWebSafe(true);
    std::set<TColor> seen;
    for (int h = 0; h < 360; ++h) {
        const TColor c = StripColor(p.HueStrip(), h, 0);
        ASSERT_TRUE(webSafe(c)) << "hue " << h;
        EXPECT_EQ(c, SnapToWebSafe(ColorFromHSV(h, 170, 230)));
        seen.insert(c);
    }
    EXPECT_GT(seen.size(), 3u);

    p.SetSelectedColor(RGBColor(25, 130, 229)); // snaps to (0, 153, 204) first
    int h = 0, s = 0, v = 0;
    RGBChannelsToHSV(0, 153, 204, h, s, v);
    EXPECT_EQ(p.Hue(), h);
    EXPECT_EQ(p.Saturation(), s);
    EXPECT_EQ(p.Value(), v);
    EXPECT_TRUE(webSafe(p.SelectedColor()));
    EXPECT_EQ(p.SelectedColor(), SnapToWebSafe(ColorFromHSV(h, s, v)));
}

TEST(HColorPickerInput, KeysAndWheelStepTheHueAndCtrlJumpsToTheEnds)
{
    struct Step {
        Bar::TTrackBarLayout layout;
        int start;
        Qt::Key key; // Qt::Key_unknown: wheel by delta
        Qt::KeyboardModifiers mods;
        int delta;
        int hue;
        int changes;
    };
    const auto none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    const Step steps[] = {
        {Bar::lyHorizontal, 100, Qt::Key_Right, none, 0, 105, 1},
        {Bar::lyHorizontal, 100, Qt::Key_Left, none, 0, 95, 1},
        {Bar::lyHorizontal, 100, Qt::Key_Right, ctrl, 0, 360, 1},
        {Bar::lyHorizontal, 100, Qt::Key_Left, ctrl, 0, 0, 1},
        {Bar::lyHorizontal, 100, Qt::Key_Up, none, 0, 100, 0},
        {Bar::lyHorizontal, 100, Qt::Key_Down, none, 0, 100, 0},
        {Bar::lyHorizontal, 358, Qt::Key_Right, none, 0, 360, 1}, // stops at the end
        {Bar::lyHorizontal, 2, Qt::Key_Left, none, 0, 0, 1},
        {Bar::lyHorizontal, 100, Qt::Key_unknown, none, 120, 105, 1},
        {Bar::lyHorizontal, 100, Qt::Key_unknown, none, -120, 95, 1},
        {Bar::lyVertical, 100, Qt::Key_Down, none, 0, 105, 1},
        {Bar::lyVertical, 100, Qt::Key_Up, none, 0, 95, 1},
        {Bar::lyVertical, 100, Qt::Key_Down, ctrl, 0, 360, 1},
        {Bar::lyVertical, 100, Qt::Key_Up, ctrl, 0, 0, 1},
        {Bar::lyVertical, 100, Qt::Key_Right, none, 0, 100, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "layout " << s.layout << " key " << s.key << " delta " << s.delta);
        CountedPicker c;
        c.picker.SetLayout(s.layout);
        c.picker.SetIncrement(5);
        c.picker.SetHue(s.start);
        c.changes = 0;
        if (s.key == Qt::Key_unknown)
            Wheel(c.picker, s.delta);
        else
            Key(c.picker, s.key, s.mods);
        EXPECT_EQ(c.picker.Hue(), s.hue);
        EXPECT_EQ(c.changes, s.changes);
    }
}

TEST(HColorPickerInput, HugeIncrementClampsInsteadOfOverflowing)
{
    THColorPicker p;
    p.SetIncrement(std::numeric_limits<int>::max());
    p.SetHue(100);
    Key(p, Qt::Key_Right);
    EXPECT_EQ(p.Hue(), 360);
    p.SetIncrement(std::numeric_limits<int>::min());
    Key(p, Qt::Key_Right);
    EXPECT_EQ(p.Hue(), 0);
}

TEST(HColorPickerInput, DragReportsOnceAtThePaintAndRightButtonDoesNothing)
{
    CountedPicker c;
    THColorPicker& p = c.picker;
    p.SetHue(90);
    c.changes = 0;
    QTest::mousePress(&p, Qt::RightButton, {}, QPoint(200, 5));
    QTest::mouseRelease(&p, Qt::RightButton, {}, QPoint(200, 5));
    (void)Render(p);
    EXPECT_EQ(p.Hue(), 90);
    EXPECT_EQ(c.changes, 0);

    QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(133, 5));
    EXPECT_EQ(p.Hue(), 179);
    EXPECT_EQ(c.changes, 0); // pending until painted
    (void)Render(p);
    EXPECT_EQ(c.changes, 1);
    // the mark snaps to the hue's own offset
    EXPECT_EQ(p.ArrowOffset(), p.HueToOffset(179));
    QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(133, 5));
}

TEST(HColorPickerDrawing, StripStartsAtHueZeroAndTheMarkSitsAtTheHuesOffset)
{
    THColorPicker p;
    p.SetHue(120); // offset 85, tip at x 91
    const QImage img = Render(p);
    const QColor bg = p.palette().color(QPalette::Window);
    EXPECT_EQ(At(img, 6, 0), QColor(255, 0, 0));
    EXPECT_EQ(At(img, 6, 11), QColor(255, 0, 0));
    EXPECT_EQ(At(img, 5, 6), bg);   // left of the gradient
    EXPECT_EQ(At(img, 6, 12), bg);  // below it
    EXPECT_EQ(At(img, 261, 6), bg); // right edge excluded
    // a third of the way along is green, as hue 120 is
    const QColor third = At(img, 6 + 85, 6);
    EXPECT_EQ(third.green(), 255);
    EXPECT_LE(third.red() + third.blue(), 12);
    // the classic triangle, grey without focus
    EXPECT_EQ(At(img, 91, 15), QColor(128, 128, 128));
    EXPECT_EQ(At(img, 91, 20), QColor(128, 128, 128));
    EXPECT_EQ(At(img, 80, 18), bg);
}

TEST(HColorPickerHint, HueReplacesEveryPercentHIgnoringCase)
{
    struct Row {
        const char* format;
        const char* text;
    };
    const Row rows[] = {
        {"Hue: %h", "Hue: 120"},
        {"%hex", "120ex"},
        {"%H/%h", "120/120"},
        // Shown with one line feed for the format's LF CR.
        {"Hex #%hex\n\rHSV[%hsvH]", "Hex #120ex\nHSV[120svH]"},
    };
    THColorPicker p;
    p.SetShowHint(true);
    p.SetHue(120);
    p.move(100, 100);
    p.show();
    for (const Row& r : rows) {
        p.SetHintFormat(QString::fromUtf8(r.format));
        QHelpEvent e(QEvent::ToolTip, QPoint(40, 5), p.mapToGlobal(QPoint(40, 5)));
        QApplication::sendEvent(&p, &e);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8(r.text)) << r.format;
    }
    QToolTip::hideText();
}
