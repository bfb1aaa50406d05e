#include "colour/ColorHSV.h"

#include <algorithm>
#include <cstdint>

#include "colour/Rounding.h"

void TripleToHSVInt(const RGBTRIPLE& t, int& H, int& S, int& V)
{
    const int r = t.rgbtRed, g = t.rgbtGreen, b = t.rgbtBlue;
    V = std::max({r, g, b});
    const int m = std::min({r, g, b});
    if (V == m) {
        H = 0;
        S = 0;
        return;
    }
    const int d = V - m;
    S = MulDiv(d, 255, V);
    if (r == V)
        H = MulDiv(60, g - b, d);
    else if (g == V)
        H = MulDiv(60, b - r, d) + 120;
    else
        H = MulDiv(60, r - g, d) + 240;
    if (H < 0)
        H += 360;
}

void RGBChannelsToHSV(int R, int G, int B, int& H, int& S, int& V)
{
    V = std::max({R, G, B});
    const int m = std::min({R, G, B});
    const double d = double(V) - m;
    const double s = V == 0 ? 0.0 : d / V;
    double h = 0;
    if (s != 0) {
        if (R == V)
            h = (G - B) * 60.0 / d;
        else if (G == V)
            h = (B - R) * 60.0 / d + 120;
        else
            h = (R - G) * 60.0 / d + 240;
        if (h < 0)
            h += 360;
    }
    H = Round(h);
    S = Round(s * 255);
}

int HSVHueOf(TColor c)
{
    int h, s, v;
    RGBChannelsToHSV(GetRValue(c), GetGValue(c), GetBValue(c), h, s, v);
    return h;
}

int HSVSatOf(TColor c)
{
    int h, s, v;
    RGBChannelsToHSV(GetRValue(c), GetGValue(c), GetBValue(c), h, s, v);
    return s;
}

int HSVValOf(TColor c)
{
    int h, s, v;
    RGBChannelsToHSV(GetRValue(c), GetGValue(c), GetBValue(c), h, s, v);
    return v;
}
