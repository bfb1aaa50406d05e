#include "colour/ColorHSV.h"

#include <algorithm>
#include <cstdint>

#include "colour/ColorPacking.h"
#include "colour/Rounding.h"

namespace {

struct Channels
{
    std::uint8_t r, g, b;
};

// Products are taken in 64 bits: callers keep S and V in 0..255, but an
// unclamped caller must get low-byte garbage, not signed overflow.
inline Channels HSVChannels(int H, int S, int V)
{
    if (H > 360)
        H -= 360;
    if (H < 0)
        H += 360;
    if (S == 0)
        return {std::uint8_t(V), std::uint8_t(V), std::uint8_t(V)};
    if (H == 360)
        H = 0;
    // A hue that one wrap did not bring into range is black. Truncating
    // division would otherwise put -419..-361 into sector 0 with a negative
    // remainder and paint channels outside 0..255.
    if (H < 0 || H >= 360)
        return {0, 0, 0};
    const std::int64_t v = V;
    const std::int64_t sv = std::int64_t(S) * v;
    const int f = Mod(H, 60);
    const int sector = Div(H, 60);
    const std::int64_t p = v - Div(sv, std::int64_t(255));
    const std::int64_t q = v - Div(sv * f, std::int64_t(15300));
    const std::int64_t t = v - Div(sv * (60 - f), std::int64_t(15300));
    std::int64_t r = 0, g = 0, b = 0;
    switch (sector) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    case 5: r = v; g = p; b = q; break;
    default: break;
    }
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

} // namespace

RGBTRIPLE TripleFromHSV(int H, int S, int V)
{
    const Channels c = HSVChannels(H, S, V);
    return TripleFromRGB(c.r, c.g, c.b);
}

TPixel32 PixelFromHSV(int H, int S, int V)
{
    const Channels c = HSVChannels(H, S, V);
    return PixelFromRGB(c.r, c.g, c.b);
}

TColor ColorFromHSV(int H, int S, int V)
{
    return ColorFromTriple(TripleFromHSV(H, S, V));
}

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
