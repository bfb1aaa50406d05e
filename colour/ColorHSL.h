#pragma once
// HSL of a colour for the readouts and hints: computed in double precision
// and rounded once at the end onto the process-wide scales (ColorScales.h).
#include "colour/ColorTypes.h"

void ColorToHSL(TColor c, int& H, int& S, int& L);
int HSLHueOf(TColor c);
int HSLSatOf(TColor c);
int HSLLumOf(TColor c);
