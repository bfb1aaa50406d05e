// The button that runs a pick: its defaults, the modal overlay its click
// opens (on a hidden button too) and the events it relays from the overlay.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "sampling/qvDeskPickerButton.h"
#include "tests/sampling/SamplingFixture.h"

namespace {

// Runs `during` inside the overlay's modal loop once it is up, then clicks
// the button and waits for the loop to end. A watchdog ends an overlay the
// test failed to end, so a fault fails the test instead of hanging it.
void ClickAndRun(TqvDeskPickerButton& button, const std::function<void(TScreenForm&)>& during)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        TScreenForm* form = button.ScreenForm();
        ASSERT_NE(form, nullptr);
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
    watchdog.start(5000);
    button.click();
    EXPECT_TRUE(ran);
    EXPECT_EQ(button.ScreenForm(), nullptr) << "the overlay is freed once it has ended";
}

void PressKey(QWidget& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST_F(SamplingTest, ButtonDefaults)
{
    TqvDeskPickerButton button;
    EXPECT_EQ(button.ScreenHintFormat(), QString("RGB(%r, %g, %b)\rHex: %h"));
    EXPECT_FALSE(button.ShowScreenHint());
    EXPECT_EQ(button.PickedColor(), clNone);
    EXPECT_EQ(button.ScreenForm(), nullptr);
}

TEST_F(SamplingTest, ClickOnAHiddenButtonRunsTheOverlayModallyAndPicks)
{
    TqvDeskPickerButton button; // never shown, as the main window holds it
    button.SetShowScreenHint(true);
    button.SetScreenHintFormat("%h");
    std::vector<std::string> log;
    button.OnClick = [&](QObject* s) {
        EXPECT_EQ(s, &button);
        EXPECT_EQ(button.ScreenForm(), nullptr) << "the click event comes before the overlay";
        log.push_back("click");
    };
    std::vector<TColor> colours;
    button.OnSelColorChange = [&](QObject* s) {
        EXPECT_EQ(s, &button);
        colours.push_back(button.PickedColor());
    };
    button.OnSelMouseUp = [&](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers, QPoint p) {
        EXPECT_EQ(s, &button);
        EXPECT_EQ(button.ScreenForm(), nullptr) << "the mouse-up comes after the overlay has gone";
        EXPECT_EQ(b, Qt::RightButton);
        EXPECT_EQ(p, QPoint(255, 128));
        log.push_back("mouse up");
    };
    ClickAndRun(button, [&](TScreenForm& form) {
        log.push_back("overlay");
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isModal());
        EXPECT_EQ(form.geometry(), QRect(0, 0, kScreenW, kScreenH));
        EXPECT_TRUE(form.ShowHint());
        EXPECT_EQ(form.HintFmt(), QString("%h"));
        MoveTo(form, QPoint(10, 20));
        QTest::mouseRelease(&form, Qt::RightButton, {}, QPoint(255, 128));
    });
    EXPECT_EQ(log, (std::vector<std::string>{"click", "overlay", "mouse up"}));
    EXPECT_TRUE(button.Picked());
    EXPECT_EQ(button.PickedColor(), RGBColor(255, 128, 0));
    EXPECT_EQ(colours, (std::vector<TColor>{ExpectedAt(10, 20), RGBColor(255, 128, 0)}));
}

TEST_F(SamplingTest, EscapeCancelsThePickAndRelaysTheKey)
{
    TqvDeskPickerButton button;
    std::vector<int> keys;
    button.OnScreenKeyDown = [&](QObject* s, int& key, Qt::KeyboardModifiers) {
        EXPECT_EQ(s, &button);
        keys.push_back(key);
    };
    bool mouseUp = false;
    button.OnSelMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { mouseUp = true; };
    ClickAndRun(button, [&](TScreenForm& form) {
        MoveTo(form, QPoint(50, 60));
        PressKey(form, Qt::Key_A);
        EXPECT_TRUE(form.isVisible());
        PressKey(form, Qt::Key_Escape);
    });
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_A, Qt::Key_Escape}));
    EXPECT_FALSE(button.Picked());
    EXPECT_EQ(button.PickedColor(), clNone);
    EXPECT_FALSE(mouseUp);
}

TEST_F(SamplingTest, WheelTurnsOverTheOverlayAreRelayedWithTheHandledFlag)
{
    TqvDeskPickerButton button;
    std::vector<std::string> turns;
    button.OnSelMouseWheelUp = [&](QObject* s, Qt::KeyboardModifiers m, QPoint p, bool& handled) {
        EXPECT_EQ(s, &button);
        EXPECT_EQ(m, Qt::ControlModifier);
        EXPECT_EQ(p, QPoint(33, 44));
        turns.push_back("up");
        handled = true;
    };
    button.OnSelMouseWheelDown = [&](QObject* s, Qt::KeyboardModifiers, QPoint, bool&) {
        EXPECT_EQ(s, &button);
        turns.push_back("down");
    };
    std::vector<bool> accepted;
    ClickAndRun(button, [&](TScreenForm& form) {
        for (int delta : {120, -120}) {
            QWheelEvent e(QPointF(33, 44), QPointF(33, 44), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&form, &e);
            accepted.push_back(e.isAccepted());
        }
        form.EndSelection(0, 0, false);
    });
    EXPECT_EQ(turns, (std::vector<std::string>{"up", "down"}));
    EXPECT_EQ(accepted, (std::vector<bool>{true, false}));
}

TEST_F(SamplingTest, TimersKeepTickingWhileTheOverlayIsOpen)
{
    TqvDeskPickerButton button;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    ClickAndRun(button, [&](TScreenForm& form) {
        // Ends the overlay from a later tick, once the other timer has run
        // three times inside the modal loop.
        auto* poll = new QTimer(&form);
        QObject::connect(poll, &QTimer::timeout, [&form, &ticks] {
            if (ticks >= 3)
                form.EndSelection(1, 1, true);
        });
        ticks = 0;
        poll->start(5);
    });
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(button.Picked());
}

TEST_F(SamplingTest, ADisabledButtonOpensNothing)
{
    TqvDeskPickerButton button;
    button.setEnabled(false);
    bool clicked = false;
    button.OnClick = [&](QObject*) { clicked = true; };
    button.click();
    EXPECT_FALSE(clicked);
    EXPECT_EQ(button.ScreenForm(), nullptr);
}

TEST_F(SamplingTest, AClickDuringAPickDoesNotStackASecondOverlay)
{
    TqvDeskPickerButton button;
    int overlays = 0;
    button.OnClick = [&](QObject*) { ++overlays; };
    ClickAndRun(button, [&](TScreenForm& form) {
        EXPECT_FALSE(button.ShowScreenForm());
        EXPECT_EQ(button.ScreenForm(), &form);
        form.EndSelection(2, 3, true);
    });
    EXPECT_EQ(overlays, 1);
    EXPECT_EQ(button.PickedColor(), ExpectedAt(2, 3));
}
