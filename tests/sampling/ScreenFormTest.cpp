// The overlay on a synthetic screen: what it shows, what it reads under the
// pointer, how a selection ends and the hint it builds.
#include <QApplication>
#include <QBitmap>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/FakeScreenSource.h"
#include "sampling/ScreenWin.h"
#include "tests/sampling/SamplingFixture.h"
#include "tests/support/TestSupport.h"

using testsupport::PixelAt;

TEST(PickerCursorTest, IsTheEyedropperBitmapWithItsHotSpot)
{
    const QCursor c = PickerCursor();
    EXPECT_EQ(c.shape(), Qt::BitmapCursor);
    EXPECT_EQ(c.hotSpot(), QPoint(8, 23));
    const QImage bits = c.bitmap().toImage();
    const QImage mask = c.mask().toImage();
    ASSERT_EQ(bits.size(), QSize(32, 32));
    ASSERT_EQ(mask.size(), QSize(32, 32));
    // The tip of the dropper is the hot spot: drawn black and opaque there,
    // and the corner away from the dropper is see-through.
    EXPECT_EQ(bits.pixelIndex(8, 23), 1);
    EXPECT_EQ(mask.pixelIndex(8, 23), 1);
    EXPECT_EQ(mask.pixelIndex(0, 0), 0);
    EXPECT_EQ(mask.pixelIndex(31, 31), 0);
    // Every drawn pixel lies inside the mask.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (bits.pixelIndex(x, y) == 1)
                ASSERT_EQ(mask.pixelIndex(x, y), 1) << x << "," << y;
}

TEST_F(SamplingTest, StartsWithNoColourTheDefaultHintAndTheEyedropper)
{
    TScreenForm form;
    EXPECT_EQ(form.PickedColor(), clNone);
    EXPECT_EQ(form.HintFmt(), QString("RGB(%r, %g, %b)\rHex: %h"));
    EXPECT_FALSE(form.ShowHint());
    EXPECT_EQ(form.windowTitle(), QString("Pick a color..."));
    EXPECT_EQ(form.cursor().hotSpot(), QPoint(8, 23));
    EXPECT_EQ(form.cursor().shape(), Qt::BitmapCursor);
    const Qt::WindowFlags f = form.windowFlags();
    EXPECT_TRUE(f & Qt::FramelessWindowHint);
    EXPECT_TRUE(f & Qt::WindowStaysOnTopHint);
}

TEST_F(SamplingTest, CoversThePrimaryScreenShowingItUnchanged)
{
    TScreenForm form;
    form.show();
    EXPECT_EQ(form.geometry(), QRect(0, 0, kScreenW, kScreenH));
    const QImage shown = testsupport::Render(form);
    ASSERT_EQ(shown.size(), screen_->Image().size());
    EXPECT_EQ(shown, screen_->Image());

    // The picture is the screen as it was when the overlay opened: later
    // changes to the screen do not reach it.
    screen_->Image().fill(Qt::black);
    EXPECT_EQ(testsupport::Render(form).pixel(100, 50), ScreenColour(100, 50));
}

TEST_F(SamplingTest, TheProgramsOwnWindowsShowLiveWhereTheScreenShowedThem)
{
    QWidget own(nullptr, Qt::Window | Qt::FramelessWindowHint);
    own.setAutoFillBackground(true);
    auto paint = [&](QColor c) {
        QPalette pal = own.palette();
        pal.setColor(QPalette::Window, c);
        own.setPalette(pal);
    };
    paint(QColor(10, 200, 30));
    own.setGeometry(50, 40, 60, 30);
    own.show();
    // On the screen the window shows, but for its right 20 columns, which
    // another window covers.
    {
        QPainter p(&screen_->Image());
        p.fillRect(QRect(50, 40, 40, 30), QColor(10, 200, 30));
    }
    TScreenForm form;
    form.show();
    EXPECT_EQ(testsupport::Render(form), screen_->Image()) << "unchanged as it opens";

    // It changes while the overlay is up, as the editor does during a pick.
    paint(QColor(250, 5, 120));
    QImage shown = testsupport::Render(form);
    EXPECT_EQ(PixelAt(shown, 50, 40), RGBColor(250, 5, 120));
    EXPECT_EQ(PixelAt(shown, 89, 69), RGBColor(250, 5, 120));
    EXPECT_EQ(shown.pixel(90, 40), ScreenColour(90, 40)) << "still covered";
    EXPECT_EQ(shown.pixel(49, 39), ScreenColour(49, 39));
    own.hide();
    EXPECT_EQ(PixelAt(testsupport::Render(form), 60, 55), RGBColor(10, 200, 30)) << "as the snapshot had it";
}

TEST_F(SamplingTest, PointerMovesReadThePixelUnderThePointer)
{
    TScreenForm form;
    std::vector<TColor> seen;
    form.OnPickChange = [&](QObject* s) {
        EXPECT_EQ(s, &form);
        seen.push_back(form.PickedColor());
    };
    form.show();
    MoveTo(form, QPoint(255, 128));
    MoveTo(form, QPoint(300, 20));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], RGBColor(255, 128, 0));
    EXPECT_EQ(seen[1], ExpectedAt(300, 20));
    EXPECT_EQ(form.PickedColor(), ExpectedAt(300, 20));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SamplingTest, EveryButtonReleasePicksThePixelAndEndsTheSelection)
{
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(int(b));
        TScreenForm form;
        std::vector<TColor> changes;
        form.OnPickChange = [&](QObject*) { changes.push_back(form.PickedColor()); };
        Qt::MouseButton released = Qt::NoButton;
        QPoint releasedAt;
        form.OnMouseUp = [&](QObject* s, Qt::MouseButton rb, Qt::KeyboardModifiers, QPoint p) {
            EXPECT_EQ(s, &form);
            EXPECT_FALSE(form.isVisible()) << "the release ends the selection first";
            released = rb;
            releasedAt = p;
        };
        form.show();
        QTest::mousePress(&form, b, {}, QPoint(40, 60));
        QTest::mouseRelease(&form, b, {}, QPoint(255, 128));
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(form.Selected());
        EXPECT_EQ(form.PickedColor(), RGBColor(255, 128, 0));
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0], RGBColor(255, 128, 0));
        EXPECT_EQ(released, b);
        EXPECT_EQ(releasedAt, QPoint(255, 128));
    }
}

TEST_F(SamplingTest, EndSelectionPicksOrClearsAndRaisesTheChange)
{
    TScreenForm form;
    int changes = 0;
    TColor atChange = 0;
    form.OnPickChange = [&](QObject*) {
        ++changes;
        atChange = form.PickedColor();
    };
    form.show();
    form.EndSelection(10, 20, true);
    EXPECT_EQ(atChange, ExpectedAt(10, 20));
    EXPECT_TRUE(form.Selected());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);

    form.show();
    MoveTo(form, QPoint(30, 30));
    form.EndSelection(30, 30, false);
    EXPECT_EQ(form.PickedColor(), clNone);
    EXPECT_EQ(atChange, clNone);
    EXPECT_FALSE(form.Selected());
    EXPECT_EQ(changes, 3);
}

TEST_F(SamplingTest, ClosingFromOutsideEndsAsACancel)
{
    TScreenForm form;
    std::vector<TColor> changes;
    form.OnPickChange = [&](QObject*) { changes.push_back(form.PickedColor()); };
    form.show();
    MoveTo(form, QPoint(30, 40));
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Selected());
    EXPECT_EQ(form.PickedColor(), clNone);
    EXPECT_EQ(changes, (std::vector<TColor>{ExpectedAt(30, 40), clNone}));
}

// Sent as one event, so a modifier is held without a press of its own.
static void PressKey(QWidget& w, int key, Qt::KeyboardModifiers mods)
{
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&w, &e);
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    bool cancels;
};

TEST_F(SamplingTest, EscapeAltAndCtrlCancelOtherKeysOnlyReport)
{
    const KeyCase cases[] = {
        {"Escape", Qt::Key_Escape, Qt::NoModifier, true},
        {"Alt pressed", Qt::Key_Alt, Qt::NoModifier, true},
        {"Ctrl pressed", Qt::Key_Control, Qt::NoModifier, true},
        {"Tab with Alt", Qt::Key_Tab, Qt::AltModifier, true},
        {"C with Ctrl", Qt::Key_C, Qt::ControlModifier, true},
        {"A", Qt::Key_A, Qt::NoModifier, false},
        {"Shift pressed", Qt::Key_Shift, Qt::NoModifier, false},
        {"Return", Qt::Key_Return, Qt::NoModifier, false},
        {"Space with Shift", Qt::Key_Space, Qt::ShiftModifier, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScreenForm form;
        form.show();
        MoveTo(form, QPoint(5, 5));
        std::vector<int> keys;
        Qt::KeyboardModifiers reportedMods;
        form.OnPickKeyDown = [&](QObject* s, int& key, Qt::KeyboardModifiers m) {
            EXPECT_EQ(s, &form);
            EXPECT_EQ(form.isVisible(), !c.cancels) << "a cancelling key ends before it is reported";
            keys.push_back(key);
            reportedMods = m;
        };
        PressKey(form, c.key, c.mods);
        ASSERT_EQ(keys.size(), 1u);
        EXPECT_EQ(keys[0], c.key);
        EXPECT_TRUE((reportedMods & c.mods) == c.mods);
        EXPECT_EQ(form.isVisible(), !c.cancels);
        EXPECT_EQ(form.PickedColor(), c.cancels ? clNone : ExpectedAt(5, 5));
    }
}

TEST_F(SamplingTest, EscapeBeforeAnyMoveReportsNoColour)
{
    TScreenForm form;
    std::vector<TColor> changes;
    form.OnPickChange = [&](QObject*) { changes.push_back(form.PickedColor()); };
    form.show();
    PressKey(form, Qt::Key_Escape, Qt::NoModifier);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], clNone);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SamplingTest, WheelTurnsGoToTheirOwnEventsWithTheHandledFlag)
{
    TScreenForm form;
    form.show();
    int up = 0, down = 0;
    QPoint upAt;
    form.OnMouseWheelUp = [&](QObject* s, Qt::KeyboardModifiers m, QPoint p, bool& handled) {
        EXPECT_EQ(s, &form);
        EXPECT_EQ(m, Qt::ShiftModifier);
        ++up;
        upAt = p;
        handled = true;
    };
    form.OnMouseWheelDown = [&](QObject*, Qt::KeyboardModifiers, QPoint, bool&) { ++down; };
    auto turn = [&](int delta) {
        QWheelEvent e(QPointF(70, 80), QPointF(70, 80), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&form, &e);
        return e.isAccepted();
    };
    EXPECT_TRUE(turn(120));
    EXPECT_FALSE(turn(-120));
    EXPECT_FALSE(turn(-240));
    EXPECT_EQ(up, 1);
    EXPECT_EQ(down, 2);
    EXPECT_EQ(upAt, QPoint(70, 80));
    EXPECT_TRUE(form.isVisible()) << "turning the wheel does not end the selection";
}

struct HintCase {
    const char* name;
    QString format;
    QPoint at; // where the pointer moves first; (-1, -1) for no move
    QString expected;
};

TEST_F(SamplingTest, ScreenHintTextFillsThePlaceholders)
{
    const HintCase cases[] = {
        {"default format", kDefaultScreenHintFormat, {255, 128}, "RGB(255, 128, 0)\rHex: FF8000"},
        // clNone's low three bytes read as white.
        {"before any move", kDefaultScreenHintFormat, {-1, -1}, "RGB(255, 255, 255)\rHex: FFFFFF"},
        {"any case", "%R/%G/%B #%H %h", {10, 200}, "10/200/0 #0AC800 0AC800"},
        {"blue channel", "%b", {300, 10}, "40"},
        {"no placeholders", "colour", {1, 1}, "colour"},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScreenForm form;
        form.SetHintFmt(c.format);
        form.show();
        if (c.at.x() >= 0)
            MoveTo(form, c.at);
        EXPECT_EQ(form.ScreenHintText(), c.expected);
    }
}

TEST_F(SamplingTest, HintShowsOnlyWhenSwitchedOn)
{
    TScreenForm form;
    form.show();
    MoveTo(form, QPoint(255, 128));
    const QPoint global = form.mapToGlobal(QPoint(255, 128));
    QHelpEvent off(QEvent::ToolTip, QPoint(255, 128), global);
    QApplication::sendEvent(&form, &off);
    EXPECT_FALSE(QToolTip::isVisible());

    form.SetShowHint(true);
    QHelpEvent on(QEvent::ToolTip, QPoint(255, 128), global);
    QApplication::sendEvent(&form, &on);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString("RGB(255, 128, 0)\nHex: FF8000"));
    // Placed from the pointer moved right and up by 16.
    QWidget* label = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            label = w;
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->x(), global.x() + 16);
    EXPECT_LT(label->y(), global.y() + 16);

    // The hint goes with the selection.
    form.EndSelection(0, 0, false);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}
