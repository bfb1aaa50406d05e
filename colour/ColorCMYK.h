#pragma once
// CMYK by the simple complement-and-key rule (no colour profile): cyan,
// magenta and yellow are the complements less the key, all 0..255.
#include "colour/ColorTypes.h"

void CMYKFromColor(TColor c, int& C, int& M, int& Y, int& K);
int CyanOf(TColor c);
int MagentaOf(TColor c);
int YellowOf(TColor c);
int BlackOf(TColor c);
