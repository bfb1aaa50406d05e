#pragma once
// The arithmetic of the zoom view: which screen rectangle is enlarged into
// the image, where the crosshair goes, and the enlargement itself.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

struct ZoomGeometry {
    QRect source;     // physical screen pixels, kept on the primary screen
    QPoint crosshair; // in image pixels
    int armX = 0;     // arm lengths: image width div 4, height div 4
    int armY = 0;
};

// pointer: physical pointer position; position: the slider's 1..6.
ZoomGeometry ComputeZoom(QPoint pointer, int position, QSize image, QSize screen);

// Nearest-neighbour enlargement of source over the whole of target (no
// smoothing): target pixel x shows source column x * sourceWidth / targetWidth.
void StretchNearest(const QImage& source, QImage& target);

// The crosshair in black, each arm excluding its end point.
void DrawCrosshair(QImage& image, const ZoomGeometry& z);
