#pragma once
// The six-sector HSV construction shared by the degree and the scaled
// conversions, kept inline because the pickers run it once per pixel. The
// common case (saturation and value within 0..255) runs in unsigned 32-bit
// arithmetic where every division is by a constant; anything else takes a
// 64-bit path with the same truncating divisions, so an out-of-range caller
// gets low-byte results instead of signed overflow.
#include <cstdint>

#include "colour/Rounding.h"

namespace colour_detail {

struct Channels
{
    std::uint8_t r, g, b;
};

template <typename Int>
constexpr Channels BySector(int sector, Int top, Int p, Int q, Int t)
{
    switch (sector) {
    case 0: return {std::uint8_t(top), std::uint8_t(t), std::uint8_t(p)};
    case 1: return {std::uint8_t(q), std::uint8_t(top), std::uint8_t(p)};
    case 2: return {std::uint8_t(p), std::uint8_t(top), std::uint8_t(t)};
    case 3: return {std::uint8_t(p), std::uint8_t(q), std::uint8_t(top)};
    case 4: return {std::uint8_t(t), std::uint8_t(p), std::uint8_t(top)};
    case 5: return {std::uint8_t(top), std::uint8_t(p), std::uint8_t(q)};
    default: return {0, 0, 0};
    }
}

// top: the largest channel (V or L); hue in 0.. with sector = hue div 60;
// p is passed in because the two families compute it with different divisors.
inline Channels SectorChannelsSmall(int hue, unsigned top, unsigned sat, unsigned p)
{
    const unsigned f = unsigned(hue) % 60u;
    const unsigned st = sat * top;
    return BySector<unsigned>(hue / 60, top, p, top - st * f / 15300u, top - st * (60u - f) / 15300u);
}

inline Channels SectorChannelsWide(int hue, std::int64_t top, std::int64_t sat, std::int64_t p)
{
    const int f = Mod(hue, 60);
    const std::int64_t st = sat * top;
    return BySector<std::int64_t>(Div(hue, 60), top, p, top - Div(st * f, std::int64_t(15300)),
                                  top - Div(st * (60 - f), std::int64_t(15300)));
}

inline bool IsByte(int v) { return unsigned(v) <= 255u; }

// Degrees; S and V unclamped (callers keep them in 0..255).
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
    if (IsByte(S) && IsByte(V)) {
        const unsigned s = unsigned(S), v = unsigned(V);
        return SectorChannelsSmall(H, v, s, v - s * v / 255u);
    }
    const std::int64_t s = S, v = V;
    return SectorChannelsWide(H, v, s, v - Div(s * v, std::int64_t(255)));
}

inline int ClampToScale(int v, int upper)
{
    if (v < 0)
        v = 0;
    if (v > upper)
        v = upper;
    return v;
}

// On the given scales; the scales are writable by anyone, so a zero or
// negative scale must not turn into a division by zero.
inline Channels ScaledHSVChannels(int H, int S, int L, int hueScale, int satScale, int lumScale)
{
    H = ClampToScale(H, hueScale);
    S = ClampToScale(S, satScale);
    L = ClampToScale(L, lumScale);
    if (S == 0)
        return {std::uint8_t(L), std::uint8_t(L), std::uint8_t(L)};
    // H is within 0..hueScale now, so H mod hueScale is H itself except at
    // the scale, which wraps to 0.
    const int hh = hueScale > 0 && H < hueScale ? H : 0;
    if (IsByte(S) && IsByte(L) && lumScale == 255) {
        const unsigned s = unsigned(S), l = unsigned(L);
        return SectorChannelsSmall(hh, l, s, l - l * s / 255u);
    }
    const std::int64_t s = S, l = L;
    const std::int64_t p = l - (lumScale != 0 ? Div(l * s, std::int64_t(lumScale)) : 0);
    return SectorChannelsWide(hh, l, s, p);
}

} // namespace colour_detail
