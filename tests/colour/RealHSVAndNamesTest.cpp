#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "colour/ColorHSV.h"
#include "colour/ColorNameLibrary.h"
#include "colour/IEEE754.h"
#include "colour/RealColorLibrary.h"

TEST(IEEE754, NaNValueIsTheQuietNaNWithAllBitsButTheSign)
{
    const double nan = NaNValue();
    std::uint64_t bits;
    std::memcpy(&bits, &nan, sizeof bits);
    EXPECT_EQ(bits, 0x7FFFFFFFFFFFFFFFull);
    EXPECT_TRUE(std::isnan(nan));
}

TEST(RealHSV, NamedCases)
{
    struct Case
    {
        float r, g, b;
        float h; // NaN: undefined
        float s, v;
    } const cases[] = {
        {0, 0, 0, NAN, 0, 0},
        {0.5f, 0.5f, 0.5f, NAN, 0, 0.5f},
        {1, 1, 1, NAN, 0, 1},
        {1, 0, 0, 0, 1, 1},
        {0, 1, 0, 120, 1, 1},
        {0, 0, 1, 240, 1, 1},
        {1, 0, 0.5f, 330, 1, 1}, // -30 + 360
        {1, 1, 0, 60, 1, 1},     // red decides a red/green tie
        {0, 1, 1, 180, 1, 1},    // green decides a green/blue tie
        {1, 0, 1, 300, 1, 1},
        {0.5f, 0.25f, 0, 30, 1, 0.5f},
    };
    for (const Case& c : cases) {
        float h = -1, s = -1, v = -1;
        RealRGBToHSV(c.r, c.g, c.b, h, s, v);
        if (std::isnan(c.h))
            EXPECT_TRUE(std::isnan(h)) << c.r << "," << c.g << "," << c.b;
        else
            EXPECT_FLOAT_EQ(h, c.h) << c.r << "," << c.g << "," << c.b;
        EXPECT_FLOAT_EQ(s, c.s) << c.r << "," << c.g << "," << c.b;
        EXPECT_FLOAT_EQ(v, c.v) << c.r << "," << c.g << "," << c.b;
    }
}

TEST(RealHSV, HueJustBelowZeroWrapsToZeroNotTo360)
{
    float h, s, v;
    RealRGBToHSV(1.0f, 0.0f, 1e-7f, h, s, v);
    EXPECT_GE(h, 0.0f);
    EXPECT_LT(h, 360.0f);
}

// Every 8-bit colour as the info line passes it: grey exactly when the hue
// is NaN, the hue in 0..360 otherwise, and within a unit of the double
// readout conversion on the 0..255 scale.
TEST(RealHSV, AgreesWithTheReadoutHSVForEveryColour)
{
    int failures = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                float h, s, v;
                RealRGBToHSV(r / 255.0f, g / 255.0f, b / 255.0f, h, s, v);
                int H, S, V;
                RGBChannelsToHSV(r, g, b, H, S, V);
                const bool grey = r == g && g == b;
                if (grey != std::isnan(h)) {
                    ++failures;
                    continue;
                }
                if (!grey) {
                    const double dh = std::fabs(h - H);
                    if (h < 0 || h >= 360 || std::min(dh, 360 - dh) > 0.5001)
                        ++failures;
                }
                if (std::fabs(s * 255 - S) > 0.5001 || std::fabs(v * 255 - V) > 0.001)
                    ++failures;
            }
    EXPECT_EQ(failures, 0);
}

TEST(ColourNames, OneBasedTableOf455UniqueNames)
{
    EXPECT_EQ(TX11ColorNames::Low, 1);
    EXPECT_EQ(TX11ColorNames::High, 455);
    const struct
    {
        int index;
        const char* name;
    } spots[] = {
        {1, "Black"}, {11, "Grey"}, {12, "Gray81"}, {49, "Red1"}, {100, "PeachPuff"},
        {200, "Yellow"}, {300, "CadetBlue1"}, {400, "Plum2"}, {455, "LightPink1"},
    };
    for (const auto& s : spots)
        EXPECT_EQ(X11ColorNames[s.index], s.name) << s.index;

    std::set<std::string> seen;
    for (int i = TX11ColorNames::Low; i <= TX11ColorNames::High; ++i) {
        EXPECT_FALSE(X11ColorNames[i].empty()) << i;
        seen.insert(X11ColorNames[i]);
    }
    EXPECT_EQ(seen.size(), 455u);
    EXPECT_EQ(seen.count("LightGray"), 1u);
    EXPECT_EQ(seen.count("DarkGrey"), 1u);
}

TEST(ColourNames, IndicesOutsideTheTableGiveAnEmptyName)
{
    for (int index : {0, -1, 456, 100000, -2147483647 - 1})
        EXPECT_EQ(X11ColorNames[index], "") << index;
}
