#include "colour/ColorCIE.h"

#include <cmath>
#include <numbers>

namespace {

double Linearised(std::uint8_t channel)
{
    double v = channel / 255.0;
    if (v <= 0.04045)
        v = v / 12.92;
    else
        v = std::pow((v + 0.055) / 1.055, 2.4);
    return v * 100;
}

double LabF(double t)
{
    // 0.138 rather than 16/116: the historical constant, kept so black
    // reads L* = 0.008 as it always has.
    return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 0.138;
}

} // namespace

XYZColor XYZFromColor(TColor c)
{
    const double r = Linearised(GetRValue(c));
    const double g = Linearised(GetGValue(c));
    const double b = Linearised(GetBValue(c));
    XYZColor xyz;
    xyz.X = 0.4124 * r + 0.3576 * g + 0.1805 * b;
    xyz.Y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    xyz.Z = 0.0193 * r + 0.1192 * g + 0.9505 * b;
    return xyz;
}

void LabFromXYZ(const XYZColor& xyz, double& L, double& a, double& b)
{
    const double fx = LabF(xyz.X / 96.422);
    const double fy = LabF(xyz.Y / 100);
    const double fz = LabF(xyz.Z / 82.521);
    L = 116 * fy - 16;
    a = 500 * (fx - fy);
    b = 200 * (fy - fz);
    if (L > 100)
        L = 100;
    if (L < 0)
        L = 0;
    if (a < -128)
        a = -128;
    if (a > 127)
        a = 127;
    if (b < -128)
        b = -128;
    if (b > 127)
        b = 127;
}

void LabFromColor(TColor c, double& L, double& a, double& b)
{
    LabFromXYZ(XYZFromColor(c), L, a, b);
}

void LChFromLab(double L, double a, double b, double& outL, double& chroma, double& hue)
{
    chroma = std::sqrt(a * a + b * b);
    const double h = std::atan2(b, a);
    if (h > 0)
        hue = h * 180 / std::numbers::pi;
    else
        hue = 360 - std::fabs(h) * 180 / std::numbers::pi;
    outL = L;
}

void LChFromColor(TColor c, double& L, double& chroma, double& hue)
{
    double l, a, b;
    LabFromColor(c, l, a, b);
    LChFromLab(l, a, b, L, chroma, hue);
}

double XOf(TColor c) { return XYZFromColor(c).X; }
double YOf(TColor c) { return XYZFromColor(c).Y; }
double ZOf(TColor c) { return XYZFromColor(c).Z; }

double LabLOf(TColor c)
{
    double L, a, b;
    LabFromColor(c, L, a, b);
    return L;
}

double LabAOf(TColor c)
{
    double L, a, b;
    LabFromColor(c, L, a, b);
    return a;
}

double LabBOf(TColor c)
{
    double L, a, b;
    LabFromColor(c, L, a, b);
    return b;
}

double LChCOf(TColor c)
{
    double L, C, H;
    LChFromColor(c, L, C, H);
    return C;
}

double LChHOf(TColor c)
{
    double L, C, H;
    LChFromColor(c, L, C, H);
    return H;
}
