#pragma once
#include <QPointer>
#include <QPushButton>
#include <QString>

#include <functional>

#include "colour/ColorTypes.h"
#include "sampling/ScreenWin.h"

// A push button that runs a pick: clicking it shows the full-screen overlay
// modally and, while the overlay is open, republishes the overlay's
// notifications as the button's own events. click() works on a hidden button
// too (only a disabled one ignores it) and returns when the overlay has ended,
// so a window can hold the button hidden and drive it from a button of its
// own: after click() returns, Picked() and PickedColor() tell how it ended.
class TqvDeskPickerButton : public QPushButton {
public:
    using TNotifyEvent = std::function<void(QObject* Sender)>;
    using TKeyEvent = TScreenForm::TKeyEvent;
    using TMouseWheelEvent = TScreenForm::TMouseWheelEvent;
    using TMouseEvent = TScreenForm::TMouseEvent;

    explicit TqvDeskPickerButton(QWidget* parent = nullptr);
    ~TqvDeskPickerButton() override;

    QString ScreenHintFormat() const { return FScreenHintFormat; }
    void SetScreenHintFormat(const QString& Value) { FScreenHintFormat = Value; }
    bool ShowScreenHint() const { return FShowScreenHint; }
    void SetShowScreenHint(bool Value) { FShowScreenHint = Value; }
    // The colour of the overlay's last notification; clNone after a cancel.
    TColor PickedColor() const { return FPickedColor; }
    // Whether the last overlay ended with a pick rather than a cancel.
    bool Picked() const { return FPicked; }
    // The overlay while it is open, otherwise null.
    TScreenForm* ScreenForm() const { return FScreenForm; }

    // The button's own click event, raised before the overlay opens.
    TNotifyEvent OnClick;
    TNotifyEvent OnSelColorChange;
    TKeyEvent OnScreenKeyDown;
    TMouseWheelEvent OnSelMouseWheelUp;
    TMouseWheelEvent OnSelMouseWheelDown;
    // Raised when a mouse-button release over the overlay has picked, after
    // the overlay has closed and been freed: the mouse-up that ends a pick.
    TMouseEvent OnSelMouseUp;

    // Shows the overlay modally and returns once it has ended: true for a
    // pick, false for a cancel.
    bool ShowScreenForm();

    void Click();
    void ScreenSelChanged(QObject* Sender);
    void ScreenKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void ScreenWheelUp(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled);
    void ScreenWheelDown(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled);

private:
    QString FScreenHintFormat = kDefaultScreenHintFormat;
    bool FShowScreenHint = false;
    TColor FPickedColor = clNone;
    bool FPicked = false;
    QPointer<TScreenForm> FScreenForm;
};
