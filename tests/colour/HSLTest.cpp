#include <gtest/gtest.h>

#include <algorithm>

#include "ScalesGuard.h"
#include "colour/ColorHSL.h"

using HSL = ScaledColourTest;

TEST(HSLScales, StartOnThePlatformDialogScale)
{
    // Every fixture in this binary restores the scales, so these are still
    // the values the process started with.
    EXPECT_EQ(HueScale, 239);
    EXPECT_EQ(SatScale, 240);
    EXPECT_EQ(LumScale, 240);
}

TEST_F(HSL, NamedColoursOnTheUserVisibleScales)
{
    struct Case
    {
        TColor c;
        int h, s, l;
    } const cases[] = {
        {RGBColor(0, 0, 0), 0, 0, 0},
        {RGBColor(255, 255, 255), 0, 0, 255},
        {RGBColor(128, 128, 128), 0, 0, 128},
        {RGBColor(255, 0, 0), 0, 255, 128}, // L = 127.5 rounds to even 128
        {RGBColor(0, 255, 0), 120, 255, 128},
        {RGBColor(0, 0, 255), 240, 255, 128},
        {RGBColor(255, 0, 255), 300, 255, 128},
        {RGBColor(255, 255, 0), 60, 255, 128},  // red/green tie takes the red formula
        {RGBColor(0, 255, 255), 180, 255, 128}, // green/blue tie takes the green formula
        {RGBColor(255, 0, 1), 360, 255, 128},   // just under a full turn rounds up to 360
        {RGBColor(200, 100, 50), 20, 153, 125},
        {0xFF0000FFu, 0, 255, 128}, // top byte ignored
    };
    for (const Case& c : cases) {
        int h = -1, s = -1, l = -1;
        ColorToHSL(c.c, h, s, l);
        EXPECT_EQ(h, c.h) << std::hex << c.c;
        EXPECT_EQ(s, c.s) << std::hex << c.c;
        EXPECT_EQ(l, c.l) << std::hex << c.c;
        EXPECT_EQ(HSLHueOf(c.c), c.h);
        EXPECT_EQ(HSLSatOf(c.c), c.s);
        EXPECT_EQ(HSLLumOf(c.c), c.l);
    }
}

TEST(HSLStartScales, OutputsFollowTheScales)
{
    const int hue = HueScale, sat = SatScale, lum = LumScale;
    SetColorScales(239, 240, 240);
    int h, s, l;
    ColorToHSL(RGBColor(0, 0, 255), h, s, l);
    EXPECT_EQ(h, 159); // 239 * 2/3 = 159.33
    EXPECT_EQ(s, 240);
    EXPECT_EQ(l, 120);
    SetColorScales(hue, sat, lum);
}

// Sampled sweep with independent checks: L from the extremes, S zero
// exactly for greys, every output inside its scale.
TEST_F(HSL, SweepStaysOnScaleAndGreysHaveNoSaturation)
{
    int failures = 0;
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 1) {
                const TColor c = RGBColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                int h, s, l;
                ColorToHSL(c, h, s, l);
                const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
                const bool grey = mx == mn;
                if (h < 0 || h > 360 || s < 0 || s > 255 || l < 0 || l > 255)
                    ++failures;
                else if (grey ? (s != 0 || h != 0) : s == 0)
                    ++failures;
                else if (std::abs(l * 2 - (mx + mn)) > 1)
                    ++failures;
            }
    EXPECT_EQ(failures, 0);
}
