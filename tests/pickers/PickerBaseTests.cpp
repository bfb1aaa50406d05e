// The two-dimensional picker base through a probe subclass whose colour under
// a position is fixed and which logs the positions it is asked about, so the
// tooltip answer, the position tracking and the web-safe hook can be checked
// without a real picker.
#include "pickers/qvColorPickerControl.h"

#include "colour/ColorLibrary.h"

#include <QApplication>
#include <QMouseEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <vector>

namespace {

class ProbePicker : public TqvColorPickerControl {
public:
    ProbePicker() { resize(60, 40); }

    TColor colour = RGBColor(255, 0, 0);
    mutable std::vector<QPoint> asked;
    int switched = 0;
    int paints = 0;

    TColor ColorAtPosition(int x, int y) const override
    {
        asked.emplace_back(x, y);
        return colour;
    }
    using TqvCustomPicker::MarkerStyleValue;
    using TqvCustomPicker::SetMarkerStyleValue;

protected:
    void WebSafeSwitched() override { ++switched; }
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter p(this);
        FillWithParentBackground(p);
    }
};

// A pointer move delivered at once (QTest moves the real pointer where the
// platform has one, and the event then arrives later).
void MoveTo(QWidget& w, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// Sends the tooltip request Qt sends after the pointer rests over w at pt.
void RequestHint(QWidget& w, QPoint pt)
{
    QHelpEvent he(QEvent::ToolTip, pt, w.mapToGlobal(pt));
    QApplication::sendEvent(&w, &he);
}

class PickerBase : public ::testing::Test {
protected:
    void TearDown() override { QToolTip::hideText(); }
};

TEST_F(PickerBase, DefaultsAndTheSevenLineHintFormat)
{
    TqvCustomPicker plain;
    EXPECT_EQ(plain.HintFormat(), QString("Hex #%hex\n\rRGB[%r, %g, %b]\n\rHSL[%hslH, %hslS, %hslL]\n\r"
                                          "HSV[%hsvH, %hsvS, %hsvV]\n\rCMYK[%c, %m, %y, %k]\n\r"
                                          "L*a*b*[%cieL, %cieA, %cieB]\n\rXYZ[%cieX, %cieY, %cieZ]"));
    EXPECT_FALSE(plain.WebSafe());
    EXPECT_EQ(plain.SelectedColor(), clNone);
    plain.SetSelectedColor(RGBColor(1, 2, 3));
    EXPECT_EQ(plain.SelectedColor(), clNone);
    EXPECT_EQ(plain.MouseX(), 0);
    EXPECT_EQ(plain.MarkerX(), 0);
    EXPECT_TRUE(plain.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(plain.focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

TEST_F(PickerBase, PlainPickerNeverShowsAColourHint)
{
    TqvCustomPicker plain;
    plain.resize(50, 50);
    plain.SetShowHint(true);
    plain.show();
    for (int x : {0, 10, 49})
        EXPECT_EQ(plain.ColorAtPosition(x, x), clNone);
    MoveTo(plain, QPoint(20, 20));
    RequestHint(plain, QPoint(20, 20));
    EXPECT_TRUE(plain.HintText().isEmpty());
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(PickerBase, HintShowsTheExpandedFormatForTheLastMousePosition)
{
    ProbePicker p;
    p.SetShowHint(true);
    p.SetHintFormat("R %r G %g\n\rHex %hex");
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    MoveTo(p, QPoint(12, 7));
    p.asked.clear();
    RequestHint(p, QPoint(12, 7));
    ASSERT_FALSE(p.asked.empty());
    EXPECT_EQ(p.asked.front(), QPoint(12, 7));
    EXPECT_EQ(p.HintText(), QString("R 255 G 0\n\rHex FF0000"));
    ASSERT_TRUE(QToolTip::isVisible());
    // The tooltip shows one line per hint line (the LF CR pair is one break).
    EXPECT_EQ(QToolTip::text(), QString("R 255 G 0\nHex FF0000"));

    // The tooltip follows the colour under a moving pointer.
    p.colour = RGBColor(0, 0, 255);
    MoveTo(p, QPoint(30, 20));
    EXPECT_EQ(QToolTip::text(), QString("R 0 G 0\nHex 0000FF"));
}

TEST_F(PickerBase, HintRefusedWhenShowHintIsOffOrThereIsNoColour)
{
    ProbePicker p;
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    MoveTo(p, QPoint(5, 5));
    RequestHint(p, QPoint(5, 5));
    EXPECT_FALSE(QToolTip::isVisible()) << "ShowHint is off by default";

    p.SetShowHint(true);
    p.colour = clNone;
    RequestHint(p, QPoint(5, 5));
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_TRUE(p.HintText().isEmpty());

    p.colour = RGBColor(9, 9, 9);
    RequestHint(p, QPoint(5, 5));
    EXPECT_TRUE(QToolTip::isVisible());
    p.SetShowHint(false);
    // Qt lets a hidden tooltip linger for a moment before it goes.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        << "switching hints off hides the one showing";
}

TEST_F(PickerBase, MousePositionIsTrackedAndZeroedWhenThePointerLeaves)
{
    ProbePicker p;
    std::vector<QPoint> downs;
    // The control's own OnMouseDown runs before the position is recorded.
    p.OnMouseDown = [&](TqvCustomPicker* s, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        downs.emplace_back(x, y);
        EXPECT_EQ(s, &p);
        EXPECT_EQ(p.MouseX(), 0);
    };
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(17, 9));
    EXPECT_EQ(downs, std::vector<QPoint>{QPoint(17, 9)});
    EXPECT_EQ(QPoint(p.MouseX(), p.MouseY()), QPoint(17, 9));
    QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(20, 11));
    EXPECT_EQ(QPoint(p.MouseX(), p.MouseY()), QPoint(20, 11));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&p, &leave);
    EXPECT_EQ(QPoint(p.MouseX(), p.MouseY()), QPoint(0, 0));
    p.SetShowHint(true);
    p.asked.clear();
    RequestHint(p, QPoint(40, 30));
    ASSERT_FALSE(p.asked.empty());
    EXPECT_EQ(p.asked.front(), QPoint(0, 0));
}

TEST_F(PickerBase, ADisabledPickerStillDescribesTheColourUnderThePointer)
{
    QWidget page;
    auto* p = new ProbePicker;
    p->setParent(&page);
    p->SetShowHint(true);
    int moves = 0;
    p->OnMouseMove = [&](TqvCustomPicker*, Qt::KeyboardModifiers, int, int) { ++moves; };
    page.setEnabled(false);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    MoveTo(*p, QPoint(33, 14));
    EXPECT_EQ(moves, 0) << "no input reaches a disabled picker";
    p->asked.clear();
    RequestHint(*p, QPoint(33, 14));
    ASSERT_FALSE(p->asked.empty());
    EXPECT_EQ(p->asked.front(), QPoint(33, 14));
    EXPECT_TRUE(QToolTip::isVisible());
}

TEST_F(PickerBase, WebSafeSwitchedRunsOnlyOnAChange)
{
    ProbePicker p;
    p.SetWebSafe(false);
    EXPECT_EQ(p.switched, 0);
    p.SetWebSafe(true);
    EXPECT_EQ(p.switched, 1);
    EXPECT_TRUE(p.WebSafe());
    p.SetWebSafe(true);
    EXPECT_EQ(p.switched, 1);
    p.SetWebSafe(false);
    EXPECT_EQ(p.switched, 2);
}

TEST_F(PickerBase, MarkerStyleRepaintsOnlyOnAChangeAndFocusRepaints)
{
    ProbePicker p;
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    QApplication::processEvents();
    p.paints = 0;
    p.SetMarkerStyleValue(msCircle);
    QApplication::processEvents();
    EXPECT_EQ(p.paints, 0);
    p.SetMarkerStyleValue(msCross);
    QApplication::processEvents();
    EXPECT_EQ(p.MarkerStyleValue(), msCross);
    EXPECT_EQ(p.paints, 1);

    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    p.clearFocus();
    QApplication::processEvents();
    p.paints = 0;
    p.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(p.hasFocus());
    EXPECT_GE(p.paints, 1) << "focus in repaints";
    p.paints = 0;
    p.clearFocus();
    QApplication::processEvents();
    EXPECT_GE(p.paints, 1) << "focus out repaints";
}

TEST_F(PickerBase, BackgroundIsTheParentColourUnlessSet)
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    parent.setPalette(pal);
    ProbePicker p;
    p.setParent(&parent);
    const QImage before = p.grab().toImage();
    EXPECT_EQ(before.pixelColor(3, 3), QColor(10, 20, 30));
    p.SetColor(QColor(200, 100, 0));
    EXPECT_FALSE(p.ParentColor());
    EXPECT_EQ(p.grab().toImage().pixelColor(3, 3), QColor(200, 100, 0));
}

} // namespace
