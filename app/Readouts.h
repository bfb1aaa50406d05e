#pragma once
// The texts the sampler writes at every tick: the pointer coordinates, the
// info line under the editor and the two clipboard texts.
#include <QLocale>
#include <QString>

#include <cstdint>
#include <string>

#include "colour/ColorTypes.h"

// "X," carriage return "Y": the coordinates label wraps it onto two lines.
QString CoordsText(int x, int y);

// The average of count screen reads: each channel summed unsigned, then
// divided with the remainder dropped. Off-screen reads count as white.
TColor AverageBlock(const TColor* pixels, int count);

// A named colour constant (clRed, ...) or "$" and eight hex digits.
std::string ColorIdentText(TColor c);
// "r, g, b" in decimal.
std::string RGBTripleText(TColor c);
// "HSV(h, s, v)" with 1, 3 and 3 decimals and the locale's decimal
// separator; an undefined hue reads NAN.
std::string HSVText(TColor c, const QLocale& locale);
// The info line; the colour name is shown only for black.
std::string InfoLine(TColor c, const std::string& colorName, const QLocale& locale);
// The colour name of a tick. The name table holds names without colour
// values, and the name is only ever shown for black, so every tick takes the
// table's first entry, "Black".
std::string ColorNameFor(TColor c);
