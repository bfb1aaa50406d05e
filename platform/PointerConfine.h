#pragma once
// Keeping the pointer inside a control while a mouse button is held, as the
// picker controls do during a drag.
#include <QRect>

class QWidget;

namespace platform {

// Confines the pointer to localRect of widget (widget coordinates, right and
// bottom edges excluded) until ReleasePointer. A second call replaces the first.
void ConfinePointer(QWidget* widget, const QRect& localRect);
void ReleasePointer();
// Whether a confinement is in force, and where (physical screen pixels).
bool PointerConfined();
QRect PointerConfinement();

} // namespace platform
