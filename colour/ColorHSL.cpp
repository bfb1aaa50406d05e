#include "colour/ColorHSL.h"

#include <algorithm>

#include "colour/ColorScales.h"
#include "colour/Rounding.h"

void ColorToHSL(TColor c, int& H, int& S, int& L)
{
    const double r = GetRValue(c) / 255.0;
    const double g = GetGValue(c) / 255.0;
    const double b = GetBValue(c) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0;
    double s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        // Red is tested first, then green: ties take the earlier formula.
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h = h / 6;
        if (h < 0)
            h = h + 1;
    }
    H = Round(HueScale * h);
    S = Round(SatScale * s);
    L = Round(LumScale * l);
}

int HSLHueOf(TColor c)
{
    int h, s, l;
    ColorToHSL(c, h, s, l);
    return h;
}

int HSLSatOf(TColor c)
{
    int h, s, l;
    ColorToHSL(c, h, s, l);
    return s;
}

int HSLLumOf(TColor c)
{
    int h, s, l;
    ColorToHSL(c, h, s, l);
    return l;
}
