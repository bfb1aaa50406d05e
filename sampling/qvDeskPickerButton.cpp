#include "sampling/qvDeskPickerButton.h"

#include <memory>

TqvDeskPickerButton::TqvDeskPickerButton(QWidget* parent)
    : QPushButton(parent)
{
    // Qt paints widgets double-buffered already.
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

TqvDeskPickerButton::~TqvDeskPickerButton()
{
    // A button destroyed from inside the overlay's loop (its window closing)
    // must not leave the overlay running against freed handlers.
    if (FScreenForm) {
        FScreenForm->OnPickChange = nullptr;
        FScreenForm->OnPickKeyDown = nullptr;
        FScreenForm->OnMouseWheelUp = nullptr;
        FScreenForm->OnMouseWheelDown = nullptr;
        FScreenForm->OnMouseUp = nullptr;
        FScreenForm->close();
    }
}

void TqvDeskPickerButton::Click()
{
    if (OnClick)
        OnClick(this);
    ShowScreenForm();
}

bool TqvDeskPickerButton::ShowScreenForm()
{
    // A second click while a pick runs (a key repeat, a re-entrant timer)
    // would stack a second overlay over the first.
    if (FScreenForm)
        return false;
    auto form = std::make_unique<TScreenForm>();
    FScreenForm = form.get();
    form->OnPickChange = [this](QObject* s) { ScreenSelChanged(s); };
    form->OnPickKeyDown = [this](QObject* s, int& k, Qt::KeyboardModifiers m) { ScreenKeyDown(s, k, m); };
    form->OnMouseWheelDown = [this](QObject* s, Qt::KeyboardModifiers m, QPoint p, bool& h) {
        ScreenWheelDown(s, m, p, h);
    };
    form->OnMouseWheelUp = [this](QObject* s, Qt::KeyboardModifiers m, QPoint p, bool& h) {
        ScreenWheelUp(s, m, p, h);
    };
    bool released = false;
    Qt::MouseButton button = Qt::NoButton;
    Qt::KeyboardModifiers shift;
    QPoint at;
    form->OnMouseUp = [&](QObject*, Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
        released = true;
        button = b;
        shift = m;
        at = p;
    };
    form->SetShowHint(FShowScreenHint);
    form->SetHintFmt(FScreenHintFormat);
    FPicked = false;
    const QPointer<TqvDeskPickerButton> self(this);
    form->exec();
    // The overlay may have been ended from outside (the button going away);
    // only a selection it made itself counts as a pick.
    const bool picked = form->Selected();
    form.reset();
    if (!self)
        return picked;
    FPicked = picked;
    if (picked && released && OnSelMouseUp)
        OnSelMouseUp(this, button, shift, at);
    return picked;
}

void TqvDeskPickerButton::ScreenSelChanged(QObject* Sender)
{
    if (auto* form = dynamic_cast<TScreenForm*>(Sender))
        FPickedColor = form->PickedColor();
    if (OnSelColorChange)
        OnSelColorChange(this);
}

void TqvDeskPickerButton::ScreenKeyDown(QObject*, int& Key, Qt::KeyboardModifiers Shift)
{
    if (OnScreenKeyDown)
        OnScreenKeyDown(this, Key, Shift);
}

void TqvDeskPickerButton::ScreenWheelUp(QObject*, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled)
{
    if (OnSelMouseWheelUp)
        OnSelMouseWheelUp(this, Shift, MousePos, Handled);
}

void TqvDeskPickerButton::ScreenWheelDown(QObject*, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled)
{
    if (OnSelMouseWheelDown)
        OnSelMouseWheelDown(this, Shift, MousePos, Handled);
}
