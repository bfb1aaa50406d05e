#pragma once
// The X11 way of holding the pointer inside a rectangle (used by
// PointerConfine.cpp): an active pointer grab on Qt's own connection whose
// confine_to window is an input-only window covering the rectangle.
#include <QRect>

class QWidget;

namespace platform {

// Confines the pointer to rect (physical root coordinates, right and bottom
// edges excluded) on behalf of widget's window. False when X refused.
bool X11ConfinePointer(QWidget* widget, const QRect& rect);
void X11ReleasePointer();

} // namespace platform
