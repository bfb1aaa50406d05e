#pragma once
// HSV in two families that must not be merged. The integer family
// (TripleFromHSV, PixelFromHSV, ColorFromHSV, TripleToHSVInt) paints the
// pickers and reads colours back from positions: integers only, truncating
// divisions, no allocation, cheap enough to run per pixel. RGBChannelsToHSV
// and its getters serve the readouts: double arithmetic rounded at the end.
// The two disagree by one here and there; each caller uses the one it names.
#include "colour/ColorPacking.h"
#include "colour/ColorTypes.h"
#include "colour/HSVSectors.h"

// Hue in degrees (one wrap each way: -360..720 is accepted, anything still
// outside 0..359 afterwards gives black); S and V 0..255, not clamped, each
// channel stored as its low byte.
inline RGBTRIPLE TripleFromHSV(int H, int S, int V)
{
    const colour_detail::Channels c = colour_detail::HSVChannels(H, S, V);
    return TripleFromRGB(c.r, c.g, c.b);
}

inline TPixel32 PixelFromHSV(int H, int S, int V)
{
    const colour_detail::Channels c = colour_detail::HSVChannels(H, S, V);
    return PixelFromRGB(c.r, c.g, c.b);
}

inline TColor ColorFromHSV(int H, int S, int V)
{
    return ColorFromTriple(TripleFromHSV(H, S, V));
}

// H 0..359, S and V 0..255; ties between maximal channels go red, green, blue.
void TripleToHSVInt(const RGBTRIPLE& t, int& H, int& S, int& V);

// H 0..360 (a hue just under a full turn rounds to 360), S and V 0..255.
void RGBChannelsToHSV(int R, int G, int B, int& H, int& S, int& V);
int HSVHueOf(TColor c);
int HSVSatOf(TColor c);
int HSVValOf(TColor c);
