#pragma once
// The program's artwork, drawn in code so it scales and needs no files.
#include <QIcon>
#include <QPixmap>

QIcon AppIcon();
// The 32 x 32 picture of the pick button.
QIcon PickButtonGlyph();
