#pragma once
// Moving channels between TColor (red low), 32-bit pixels (blue low) and
// RGBTRIPLE. The pickers call these per pixel, so they are inline and trivial.
#include "colour/ColorTypes.h"

constexpr TPixel32 PixelFromRGB(std::uint8_t R, std::uint8_t G, std::uint8_t B)
{
    return TPixel32(B) | (TPixel32(G) << 8) | (TPixel32(R) << 16);
}

constexpr TPixel32 PixelFromColor(TColor c)
{
    return PixelFromRGB(GetRValue(c), GetGValue(c), GetBValue(c));
}

constexpr RGBTRIPLE TripleFromRGB(std::uint8_t R, std::uint8_t G, std::uint8_t B)
{
    return RGBTRIPLE{B, G, R};
}

constexpr TColor ColorFromTriple(const RGBTRIPLE& t)
{
    return RGBColor(t.rgbtRed, t.rgbtGreen, t.rgbtBlue);
}
