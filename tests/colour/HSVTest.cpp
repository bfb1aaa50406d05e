#include <gtest/gtest.h>

#include <algorithm>

#include "ScalesGuard.h"
#include "colour/ColorHSV.h"
#include "colour/ColorPacking.h"
#include "colour/ColorScaledHSV.h"

namespace {

struct RGB
{
    int r, g, b;
};

RGB ChannelsOf(TColor c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

} // namespace

TEST(IntegerHSV, ColorFromHSVHueWrapsOnceEachWay)
{
    struct Case
    {
        int h, s, v;
        RGB expected;
    } const cases[] = {
        {0, 255, 255, {255, 0, 0}},
        {360, 255, 255, {255, 0, 0}},
        {720, 255, 255, {255, 0, 0}},   // one wrap down lands on 360, which is 0
        {-30, 255, 255, {255, 0, 128}}, // same as 330
        {330, 255, 255, {255, 0, 128}},
        {-360, 255, 255, {255, 0, 0}},
        {800, 255, 255, {0, 0, 0}},     // still out of range after one wrap
        {721, 255, 255, {0, 0, 0}},
        {-400, 255, 255, {0, 0, 0}},    // -40 after one wrap: black, not a sector-0 colour
        {-361, 255, 255, {0, 0, 0}},
        {-420, 255, 255, {0, 0, 0}},
        {120, 255, 255, {0, 255, 0}},
        {240, 255, 255, {0, 0, 255}},
        {60, 255, 255, {255, 255, 0}},
        {30, 255, 255, {255, 128, 0}},
        {200, 128, 200, {100, 167, 200}},
        // Unclamped S or V: each channel is the low byte of the formula's value.
        {0, 255, 300, {44, 0, 0}},    // V 300: red 300 -> 44
        {30, 510, 255, {255, 0, 1}},  // p = 255 - 510 = -255 -> 1
        {123, 0, 77, {77, 77, 77}},     // S = 0 is the grey of V whatever the hue
        {-1000, 0, 50, {50, 50, 50}},
    };
    for (const Case& c : cases) {
        const RGB got = ChannelsOf(ColorFromHSV(c.h, c.s, c.v));
        EXPECT_EQ(got.r, c.expected.r) << c.h << "," << c.s << "," << c.v;
        EXPECT_EQ(got.g, c.expected.g) << c.h << "," << c.s << "," << c.v;
        EXPECT_EQ(got.b, c.expected.b) << c.h << "," << c.s << "," << c.v;
    }
}

// Every hue, saturation and value: the three packings agree, the largest
// channel is V, the smallest is V - S*V div 255, and TripleToHSVInt finds
// the hue again to within a degree for fully saturated colours.
TEST(IntegerHSV, SweepPackingsAgreeAndChannelsBracketTheValue)
{
    int failures = 0;
    for (int h = 0; h <= 360; ++h)
        for (int s = 0; s < 256; ++s)
            for (int v = 0; v < 256; ++v) {
                const RGBTRIPLE t = TripleFromHSV(h, s, v);
                const TPixel32 p = PixelFromHSV(h, s, v);
                const TColor c = ColorFromHSV(h, s, v);
                if (p != PixelFromRGB(t.rgbtRed, t.rgbtGreen, t.rgbtBlue) || c != ColorFromTriple(t)) {
                    ++failures;
                    continue;
                }
                const int mx = std::max({t.rgbtRed, t.rgbtGreen, t.rgbtBlue});
                const int mn = std::min({t.rgbtRed, t.rgbtGreen, t.rgbtBlue});
                if (mx != v || mn != v - s * v / 255)
                    ++failures;
            }
    EXPECT_EQ(failures, 0);

    for (int h = 0; h < 360; ++h) {
        int hh, ss, vv;
        TripleToHSVInt(TripleFromHSV(h, 255, 255), hh, ss, vv);
        EXPECT_LE(std::abs(hh - h), 1) << h;
        EXPECT_EQ(ss, 255);
        EXPECT_EQ(vv, 255);
    }
}

TEST(IntegerHSV, TripleToHSVIntOfNamedColours)
{
    struct Case
    {
        RGB in;
        int h, s, v;
    } const cases[] = {
        {{255, 0, 255}, 300, 255, 255}, // -60 + 360
        {{0, 0, 0}, 0, 0, 0},
        {{90, 90, 90}, 0, 0, 90},
        {{255, 255, 0}, 60, 255, 255},  // red tested before green
        {{0, 255, 255}, 180, 255, 255}, // green tested before blue
        {{0, 0, 255}, 240, 255, 255},
        {{255, 0, 1}, 0, 255, 255},     // MulDiv(60, -1, 255) rounds to 0, so no wrap to 360
        {{255, 0, 3}, 359, 255, 255},
        {{200, 100, 50}, 20, 191, 200},
    };
    for (const Case& c : cases) {
        int h = -1, s = -1, v = -1;
        TripleToHSVInt(TripleFromRGB(std::uint8_t(c.in.r), std::uint8_t(c.in.g), std::uint8_t(c.in.b)), h, s, v);
        EXPECT_EQ(h, c.h) << c.in.r << "," << c.in.g << "," << c.in.b;
        EXPECT_EQ(s, c.s) << c.in.r << "," << c.in.g << "," << c.in.b;
        EXPECT_EQ(v, c.v) << c.in.r << "," << c.in.g << "," << c.in.b;
    }
}

TEST(DoubleHSV, RGBChannelsToHSVAndGetters)
{
    struct Case
    {
        RGB in;
        int h, s, v;
    } const cases[] = {
        {{0, 0, 0}, 0, 0, 0},
        {{0, 0, 255}, 240, 255, 255},
        {{255, 0, 255}, 300, 255, 255},
        {{255, 255, 255}, 0, 0, 255},
        {{255, 255, 0}, 60, 255, 255},
        {{255, 0, 1}, 360, 255, 255}, // 359.76 rounds to 360
        {{200, 100, 50}, 20, 191, 200},
        {{10, 20, 30}, 210, 170, 30},  // s * 255 = 170 exactly
        {{1, 2, 3}, 210, 170, 3},
    };
    for (const Case& c : cases) {
        int h = -1, s = -1, v = -1;
        RGBChannelsToHSV(c.in.r, c.in.g, c.in.b, h, s, v);
        EXPECT_EQ(h, c.h) << c.in.r << "," << c.in.g << "," << c.in.b;
        EXPECT_EQ(s, c.s) << c.in.r << "," << c.in.g << "," << c.in.b;
        EXPECT_EQ(v, c.v) << c.in.r << "," << c.in.g << "," << c.in.b;
        const TColor colour = RGBColor(std::uint8_t(c.in.r), std::uint8_t(c.in.g), std::uint8_t(c.in.b));
        EXPECT_EQ(HSVHueOf(colour), c.h);
        EXPECT_EQ(HSVSatOf(colour), c.s);
        EXPECT_EQ(HSVValOf(colour), c.v);
    }
}

using ScaledHSV = ScaledColourTest;

// At 360/255/255 the scaled conversion is the degree conversion, for every
// hue, saturation and value.
TEST_F(ScaledHSV, EqualsDegreeHSVOnTheUserVisibleScales)
{
    int failures = 0;
    for (int h = 0; h <= 360; ++h)
        for (int s = 0; s < 256; ++s)
            for (int v = 0; v < 256; ++v)
                if (PixelFromScaledHSV(h, s, v) != PixelFromHSV(h, s, v)
                    || !(TripleFromScaledHSV(h, s, v) == TripleFromHSV(h, s, v)))
                    ++failures;
    EXPECT_EQ(failures, 0);
}

TEST_F(ScaledHSV, ClampsInputsToTheScales)
{
    EXPECT_EQ(PixelFromScaledHSV(360, 255, 255), 0x00FF0000u);
    EXPECT_EQ(PixelFromScaledHSV(1000, 999, 999), 0x00FF0000u);
    EXPECT_EQ(PixelFromScaledHSV(-5, 255, 255), 0x00FF0000u);
    EXPECT_EQ(PixelFromScaledHSV(120, -1, 200), PixelFromRGB(200, 200, 200));
    EXPECT_EQ(PixelFromScaledHSV(120, 255, -7), 0u);
    EXPECT_EQ(PixelFromScaledHSV(240, 300, 300), PixelFromRGB(0, 0, 255));
}

TEST_F(ScaledHSV, OtherScalesWrapAndDivideByThem)
{
    SetColorScales(239, 240, 240);
    // A hue equal to the scale wraps to 0; L clamps to 240, p = L - L*S div 240.
    EXPECT_EQ(TripleFromScaledHSV(239, 240, 255), TripleFromScaledHSV(0, 240, 240));
    EXPECT_EQ(PixelFromScaledHSV(0, 120, 240), PixelFromRGB(240, 128, 120));
    EXPECT_EQ(PixelFromScaledHSV(100, 0, 100), PixelFromRGB(100, 100, 100));
}

TEST_F(ScaledHSV, ZeroOrNegativeScalesDoNotDivideByZero)
{
    SetColorScales(0, 0, 0);
    EXPECT_EQ(PixelFromScaledHSV(10, 10, 10), 0u);
    SetColorScales(0, 255, 255);
    EXPECT_EQ(PixelFromScaledHSV(10, 255, 255), 0x00FF0000u); // hue clamps to 0
    SetColorScales(360, 255, 0);
    EXPECT_EQ(PixelFromScaledHSV(10, 255, 255), 0u);
}
