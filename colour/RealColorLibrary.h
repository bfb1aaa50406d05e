#pragma once
// HSV on real numbers for the info line: channels 0..1 in single precision,
// hue in degrees 0 <= H < 360 or NaN for any grey, S and V 0..1. Unlike the
// integer HSV it keeps the grey's hue undefined instead of calling it 0.

void RealRGBToHSV(float R, float G, float B, float& H, float& S, float& V);
