#pragma once
// Small helpers shared by the widget suites.
#include <QImage>
#include <QWidget>

#include "colour/ColorTypes.h"

namespace testsupport {

// The widget as it paints, in logical pixels (device pixel ratio 1 under the
// offscreen platform).
QImage Render(QWidget& w);

// The colour at (x, y) of an image as a TColor (red in the low byte).
TColor PixelAt(const QImage& img, int x, int y);

} // namespace testsupport
