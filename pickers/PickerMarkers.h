#pragma once
// The four selection marks of the two-dimensional pickers, drawn straight
// into a 32-bit image so that inversion reads the very pixels it changes
// (a painter's XOR would turn pixels hit twice by an outline back).
// Every shape is placed relative to the marker point (x, y); pixels outside
// the image are skipped.
#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

#include "colour/ColorTypes.h"
#include "pickers/qvColorPickerControl.h"

namespace markers {

// The one-pixel outline of the ellipse that fills box (a Qt rectangle, both
// edges included): the pixels whose centres lie in the ellipse and that have
// a four-neighbour outside it.
std::vector<QPoint> EllipseOutline(const QRect& box);

// msCircle: the circle in (x-5, y-5)..(x+4, y+4) inverted; inside untouched.
void DrawCircleMarker(QImage& target, int x, int y);
// msSquare: the outline of the same square inverted.
void DrawSquareMarker(QImage& target, int x, int y);
// msCross: four bars in the complement of c, the centre left open.
void DrawCrossMarker(QImage& target, int x, int y, TColor c);
// msCrossCirc: two concentric circles in the complement of c, broken by a
// cross-shaped gap two pixels wide.
void DrawCrossCircMarker(QImage& target, int x, int y, TColor c);

// Draws the mark of the given style; c is the colour under the marker point.
void DrawMarker(QImage& target, TMarkerStyle style, int x, int y, TColor c);

} // namespace markers
