#pragma once
// CIE XYZ, L*a*b* and LCh of an sRGB colour, in double precision. The XYZ
// matrix is sRGB's (D65) while L*a*b* divides by a D50 white, so white
// reads a* = -2.38, b* = -19.37 rather than 0, 0; the readouts have always
// shown those numbers and users compare against them.
#include "colour/ColorTypes.h"

XYZColor XYZFromColor(TColor c);
void LabFromXYZ(const XYZColor& xyz, double& L, double& a, double& b);
void LabFromColor(TColor c, double& L, double& a, double& b);
// Hue in (0, 360]: a hue of exactly 0 (b = 0, a >= 0, e.g. any grey) is 360.
void LChFromLab(double L, double a, double b, double& outL, double& chroma, double& hue);
void LChFromColor(TColor c, double& L, double& chroma, double& hue);

double XOf(TColor c);
double YOf(TColor c);
double ZOf(TColor c);
double LabLOf(TColor c);
double LabAOf(TColor c);
double LabBOf(TColor c);
double LChCOf(TColor c);
double LChHOf(TColor c);
