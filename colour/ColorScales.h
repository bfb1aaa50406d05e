#pragma once
// The process-wide scales of the HSL readouts and of the scaled HSV pixels.
// They start on the 239/240/240 scale of the platform's own colour dialog;
// the saturation-lightness and hexagon pickers switch them to 360/255/255
// when they are constructed, and nothing switches them back.

inline int HueScale = 239;
inline int SatScale = 240;
inline int LumScale = 240;

inline void SetColorScales(int hue, int sat, int lum)
{
    HueScale = hue;
    SatScale = sat;
    LumScale = lum;
}
