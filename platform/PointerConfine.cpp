// One confinement at a time, as with ClipCursor. The window system keeps the
// pointer in where it can (X11: a confining grab; Windows: ClipCursor); where
// it cannot, an application-wide event filter puts the pointer back whenever
// Qt reports it outside, which holds while a button is down because Qt then
// delivers every move to the pressed widget.
#include "platform/PointerConfine.h"

#include "platform/ScreenSource.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

#if defined(TINQUOR_HAVE_X11)
#include "platform/X11PointerConfine.h"
#endif
#if defined(TINQUOR_HAVE_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace platform {

namespace {

class WarpBack : public QObject {
public:
    QRect rect;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && !rect.isEmpty()) {
            const QPoint p = ToPhysical(QCursor::pos());
            const QPoint in(std::clamp(p.x(), rect.left(), rect.right()), std::clamp(p.y(), rect.top(), rect.bottom()));
            if (in != p)
                QCursor::setPos(ToLogical(in));
        }
        return QObject::eventFilter(watched, event);
    }
};

enum class Mode { None, Native, Fallback };

struct State {
    Mode mode = Mode::None;
    QRect rect;
    QPointer<QWidget> widget;
    WarpBack* filter = nullptr;
};

State& S()
{
    static State state;
    return state;
}

bool NativeConfine([[maybe_unused]] QWidget* widget, [[maybe_unused]] const QRect& rect)
{
#if defined(TINQUOR_HAVE_WIN32)
    const RECT r{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    return ClipCursor(&r) != 0;
#elif defined(TINQUOR_HAVE_X11)
    return X11ConfinePointer(widget, rect);
#else
    return false;
#endif
}

void NativeRelease()
{
#if defined(TINQUOR_HAVE_WIN32)
    ClipCursor(nullptr);
#elif defined(TINQUOR_HAVE_X11)
    X11ReleasePointer();
#endif
}

void StopFallback(State& s)
{
    if (s.filter) {
        QCoreApplication::instance()->removeEventFilter(s.filter);
        delete s.filter;
        s.filter = nullptr;
    }
}

} // namespace

void ConfinePointer(QWidget* widget, const QRect& localRect)
{
    State& s = S();
    if (!widget || localRect.isEmpty()) {
        ReleasePointer();
        return;
    }
    const QRect rect = ToPhysical(QRect(widget->mapToGlobal(localRect.topLeft()), localRect.size()));
    // The track bars renew the confinement on every move: keep that cheap. On
    // Windows the renewal is what restores a clip the system dropped (on an
    // activation change, say), and ClipCursor costs no more than the check.
#if !defined(TINQUOR_HAVE_WIN32)
    if (s.mode != Mode::None && s.rect == rect && s.widget == widget)
        return;
#endif

    if (NativeConfine(widget, rect)) {
        StopFallback(s);
        s.mode = Mode::Native;
    } else {
        if (s.mode == Mode::Native)
            NativeRelease();
        if (!s.filter && QCoreApplication::instance()) {
            s.filter = new WarpBack;
            QCoreApplication::instance()->installEventFilter(s.filter);
        }
        if (s.filter)
            s.filter->rect = rect;
        s.mode = s.filter ? Mode::Fallback : Mode::None;
    }
    s.rect = s.mode == Mode::None ? QRect() : rect;
    s.widget = widget;
}

void ReleasePointer()
{
    State& s = S();
    if (s.mode == Mode::Native)
        NativeRelease();
    StopFallback(s);
    s.mode = Mode::None;
    s.rect = QRect();
    s.widget = nullptr;
}

bool PointerConfined() { return S().mode != Mode::None; }

QRect PointerConfinement() { return S().rect; }

} // namespace platform
