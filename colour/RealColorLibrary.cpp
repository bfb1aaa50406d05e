#include "colour/RealColorLibrary.h"

#include <algorithm>

#include "colour/IEEE754.h"

void RealRGBToHSV(float R, float G, float B, float& H, float& S, float& V)
{
    const double r = R, g = G, b = B;
    const double min = std::min({r, g, b});
    const double max = std::max({r, g, b});
    V = float(max);
    const float d = float(V - min);
    S = V == 0 ? 0.0f : float(d / V);
    if (S == 0) {
        H = float(NaNValue());
        return;
    }
    // The single inputs are compared with the stored V, so exactly one
    // channel, the first maximal one, decides the formula.
    if (R == V)
        H = float((g - b) * 60 / d);
    else if (G == V)
        H = float((b - r) * 60 / d + 120);
    else
        H = float((r - g) * 60 / d + 240);
    if (H < 0) {
        H = float(H + 360.0);
        // A hue a hair below zero rounds to exactly 360 in single
        // precision; that is the same direction as 0 and keeps H < 360.
        if (H >= 360)
            H = 0;
    }
}
