#include "colour/ColorScaledHSV.h"

#include <cstdint>

#include "colour/ColorPacking.h"
#include "colour/ColorScales.h"
#include "colour/Rounding.h"

namespace {

struct Channels
{
    std::uint8_t r, g, b;
};

inline int ClampTo(int v, int upper)
{
    if (v < 0)
        v = 0;
    if (v > upper)
        v = upper;
    return v;
}

// The scales are writable by anyone; a zero or negative scale must not turn
// into a division by zero, so those divisions fall back to "nothing taken".
inline Channels ScaledHSVChannels(int H, int S, int L)
{
    const int hueScale = HueScale;
    const int lumScale = LumScale;
    H = ClampTo(H, hueScale);
    S = ClampTo(S, SatScale);
    L = ClampTo(L, lumScale);
    if (S == 0)
        return {std::uint8_t(L), std::uint8_t(L), std::uint8_t(L)};
    const int hh = hueScale > 0 ? Mod(H, hueScale) : 0;
    const int f = Mod(hh, 60);
    const int sector = Div(hh, 60);
    const std::int64_t l = L;
    const std::int64_t ls = l * S;
    const std::int64_t p = l - (lumScale != 0 ? Div(ls, std::int64_t(lumScale)) : 0);
    const std::int64_t q = l - Div(ls * f, std::int64_t(15300));
    const std::int64_t t = l - Div(ls * (60 - f), std::int64_t(15300));
    std::int64_t r = 0, g = 0, b = 0;
    switch (sector) {
    case 0: r = l; g = t; b = p; break;
    case 1: r = q; g = l; b = p; break;
    case 2: r = p; g = l; b = t; break;
    case 3: r = p; g = q; b = l; break;
    case 4: r = t; g = p; b = l; break;
    case 5: r = l; g = p; b = q; break;
    default: break;
    }
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

} // namespace

RGBTRIPLE TripleFromScaledHSV(int H, int S, int L)
{
    const Channels c = ScaledHSVChannels(H, S, L);
    return TripleFromRGB(c.r, c.g, c.b);
}

TPixel32 PixelFromScaledHSV(int H, int S, int L)
{
    const Channels c = ScaledHSVChannels(H, S, L);
    return PixelFromRGB(c.r, c.g, c.b);
}
