#pragma once
// HSV on the process-wide scales (ColorScales.h), used to paint and read the
// saturation-lightness square. The largest channel equals L. Inputs are
// clamped to the scales first; with the scales at 360, 255, 255 the result
// is exactly TripleFromHSV on degrees. The sector width (60) and the divisor
// 15300 (60 x 255) stay fixed whatever the scales are.
#include "colour/ColorPacking.h"
#include "colour/ColorScales.h"
#include "colour/ColorTypes.h"
#include "colour/HSVSectors.h"

inline RGBTRIPLE TripleFromScaledHSV(int H, int S, int L)
{
    const colour_detail::Channels c =
        colour_detail::ScaledHSVChannels(H, S, L, HueScale, SatScale, LumScale);
    return TripleFromRGB(c.r, c.g, c.b);
}

inline TPixel32 PixelFromScaledHSV(int H, int S, int L)
{
    const colour_detail::Channels c =
        colour_detail::ScaledHSVChannels(H, S, L, HueScale, SatScale, LumScale);
    return PixelFromRGB(c.r, c.g, c.b);
}
