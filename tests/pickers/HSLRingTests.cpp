// The composite of ring and square: how a written colour reaches both
// children and comes back as the square's colour, the nested change
// notifications, the layout for a size, input over either child, and what a
// rendered composite shows.
#include "pickers/HSLRingPicker.h"

#include "colour/ColorLibrary.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::PixelAt;
using testsupport::Render;

// A pointer move delivered at once (QTest moves the real pointer where the
// platform has one, and the event then arrives later).
void MoveTo(QWidget& w, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

class HSLRing : public ::testing::Test {
protected:
    void SetUp() override
    {
        picker.OnChange = [this](THSLRingPicker* s) {
            EXPECT_EQ(s, &picker);
            seen.push_back(picker.SelectedColor());
        };
    }
    void Show()
    {
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
        QApplication::processEvents();
    }
    THRingPicker& ring() { return *picker.RingPicker(); }
    TSLColorPicker& square() { return *picker.SLPicker(); }

    THSLRingPicker picker;
    std::vector<TColor> seen; // SelectedColor at each OnChange
};

TEST_F(HSLRing, NewCompositeReadsRedWithTheSquareAtWhite)
{
    EXPECT_EQ(picker.size(), QSize(245, 245));
    EXPECT_EQ(picker.SelectedColor(), RGBColor(255, 0, 0));
    EXPECT_EQ(square().Hue(), 0);
    EXPECT_EQ(square().Saturation(), 0);
    EXPECT_EQ(square().Luminance(), 255);
    EXPECT_EQ(QPoint(square().MarkerX(), square().MarkerY()), QPoint(0, 0));
    EXPECT_EQ(ring().Saturation(), 255);
    EXPECT_EQ(ring().Value(), 255);
    EXPECT_EQ(picker.RingPickerHintFormat(), QString("Hue: %h"));
    EXPECT_EQ(picker.SLPickerHintFormat(), QString("S: %s L: %l\rHex: %hex"));
    EXPECT_EQ(ring().HintFormat(), TqvCustomPicker::DefaultHintFormat()) << "children keep the full format";
    EXPECT_EQ(square().HintFormat(), TqvCustomPicker::DefaultHintFormat());
}

TEST_F(HSLRing, LayoutFollowsTheSmallerSide)
{
    struct Row {
        QSize size;
        int radius;
        QRect square;
    };
    const Row rows[] = {
        {{245, 245}, 30, {63, 63, 120, 120}},
        {{264, 268}, 32, {67, 67, 128, 128}},
        {{100, 400}, 12, {25, 25, 48, 48}},
    };
    for (const Row& r : rows) {
        picker.resize(r.size);
        QResizeEvent re(r.size, QSize());
        QApplication::sendEvent(&picker, &re);
        EXPECT_EQ(ring().geometry(), QRect(QPoint(0, 0), r.size)) << "the ring fills the control";
        EXPECT_EQ(ring().Radius(), r.radius);
        EXPECT_EQ(square().geometry(), r.square);
    }
}

TEST_F(HSLRing, AGreySetsBothHuesToZero)
{
    picker.SetSelectedColor(RGBColor(255, 0, 255));
    picker.SetSelectedColor(RGBColor(77, 77, 77));
    EXPECT_EQ(ring().Hue(), 0);
    EXPECT_EQ(square().Hue(), 0);
    EXPECT_EQ(square().Saturation(), 0);
    EXPECT_EQ(square().Luminance(), 77);
    EXPECT_EQ(picker.SelectedColor(), RGBColor(77, 77, 77));
}

TEST_F(HSLRing, AColourOfAnotherHueNotifiesMoreThanOnceAndReadsBackTheSquaresColour)
{
    picker.SetSelectedColor(RGBColor(200, 100, 50));
    EXPECT_EQ(ring().Hue(), 20);
    EXPECT_EQ(ring().Saturation(), 255);
    EXPECT_EQ(ring().Value(), 255);
    EXPECT_GT(seen.size(), 1u);
    EXPECT_EQ(picker.SelectedColor(), RGBColor(200, 101, 51));
    EXPECT_EQ(seen.back(), RGBColor(200, 101, 51));

    // The same colour again: the hue stays, the square still reports once.
    seen.clear();
    picker.SetSelectedColor(RGBColor(200, 100, 50));
    EXPECT_EQ(seen, std::vector<TColor>{RGBColor(200, 101, 51)});
}

TEST_F(HSLRing, ARingChangeReachesTheSquareAndNotifiesTwice)
{
    picker.SetSelectedColor(RGBColor(200, 100, 50));
    seen.clear();
    ring().SetHue(120);
    EXPECT_EQ(square().Hue(), 120);
    // First from the square, with the new colour already stored; then the ring's.
    const TColor expected = ColorFromTriple(TripleFromScaledHSV(120, 191, 200));
    EXPECT_EQ(seen, (std::vector<TColor>{expected, expected}));
}

TEST_F(HSLRing, DraggingTheRingTurnsTheSquareButNotTheOtherWayRound)
{
    Show();
    // 245 x 245: r 122, band from 92 to 122; (122, 10) is straight up.
    QTest::mousePress(&ring(), Qt::LeftButton, {}, QPoint(122, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(12, 122), ring().mapToGlobal(QPointF(12, 122)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&ring(), &drag);
    QTest::mouseRelease(&ring(), Qt::LeftButton, {}, QPoint(12, 122));
    QApplication::processEvents(); // the ring reports from its next paint
    EXPECT_EQ(ring().Hue(), 180);
    EXPECT_EQ(square().Hue(), 180);

    QTest::mouseClick(&square(), Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_EQ(ring().Hue(), 180);
    EXPECT_EQ(square().Saturation(), MulDiv(255, 100, 120));
    EXPECT_EQ(picker.SelectedColor(), square().SelectedColor());
}

TEST_F(HSLRing, MouseMovesOverTheSquareArriveInSquareCoordinates)
{
    Show();
    std::vector<QPoint> moves;
    picker.OnMouseMove = [&](THSLRingPicker* s, Qt::KeyboardModifiers, int x, int y) {
        EXPECT_EQ(s, &picker);
        moves.emplace_back(x, y);
    };
    MoveTo(square(), QPoint(10, 15));
    MoveTo(ring(), QPoint(30, 40));
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0], QPoint(10, 15));
    EXPECT_EQ(moves[1], QPoint(30, 40));
}

TEST(HSLRingFocus, TabbingToTheCompositeFocusesTheRing)
{
    QWidget window;
    QWidget before(&window);
    before.setFocusPolicy(Qt::StrongFocus);
    auto* composite = new THSLRingPicker(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before.setFocus();
    QTest::keyClick(&before, Qt::Key_Tab);
    EXPECT_TRUE(composite->RingPicker()->hasFocus());
    // Focus given to the composite itself goes to the ring as well, and
    // Shift+Tab from the ring leaves the control.
    before.setFocus();
    composite->setFocus();
    EXPECT_TRUE(composite->RingPicker()->hasFocus());
    QTest::keyClick(composite->RingPicker(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before.hasFocus());
}

TEST_F(HSLRing, PassThroughProperties)
{
    picker.SetRingPickerHintFormat("Ring %h");
    picker.SetSLPickerHintFormat("Square %hex");
    EXPECT_EQ(ring().HintFormat(), QString("Ring %h"));
    EXPECT_EQ(square().HintFormat(), QString("Square %hex"));
    picker.SetShowHint(true);
    EXPECT_TRUE(ring().ShowHint());
    EXPECT_TRUE(square().ShowHint());
    picker.SetSLPickerCursor(QCursor(Qt::CrossCursor));
    EXPECT_EQ(square().cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(ring().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(HSLRing, RenderedCompositeShowsRingBandAndSquare)
{
    picker.resize(264, 268);
    picker.SetSelectedColor(RGBColor(0, 0, 255)); // hue 240
    const QImage img = Render(picker);
    // Square at (67, 67), 128 x 128: white top left, the pure hue top right.
    EXPECT_EQ(PixelAt(img, 67, 67 + 127), RGBColor(0, 0, 0)) << "the square's bottom row";
    EXPECT_EQ(PixelAt(img, 67 + 127, 67), RGBColor(0, 0, 255)) << "pure hue top right";
    // The marker sits at the top right for pure blue; the top left is clear.
    EXPECT_EQ(PixelAt(img, 67, 67), RGBColor(255, 255, 255));
    // Ring band (r 132, band from 100): straight down is hue 270, while the
    // hole between band and square shows the background.
    EXPECT_EQ(PixelAt(img, 132, 260), ColorFromHSV(270, MulDiv(128, 255, 132), 255));
    const QColor bg = picker.palette().color(QPalette::Window);
    EXPECT_EQ(PixelAt(img, 132, 40), RGBColor(bg.red(), bg.green(), bg.blue()));
    // The hue line points at 240: down and to the left of the centre. Row
    // 231 lies in the band; the line crosses it near x = 74.7.
    const QPoint end = THRingPicker::HueLineEnd(240, 264);
    ASSERT_EQ(end, QPoint(66, 246));
    int lineX = -1;
    for (int x = 60; x < 90; ++x)
        if (PixelAt(img, x, 231) == TColor(0x808080))
            lineX = x;
    EXPECT_NEAR(lineX, 74.7, 1.0);
}

} // namespace
