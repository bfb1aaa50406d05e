#include <gtest/gtest.h>

#include <algorithm>

#include "colour/ColorCMYK.h"

TEST(CMYK, ComplementLessKey)
{
    struct Case
    {
        TColor c;
        int cyan, magenta, yellow, key;
    } const cases[] = {
        {RGBColor(0, 0, 0), 0, 0, 0, 255},
        {RGBColor(255, 255, 255), 0, 0, 0, 0},
        {RGBColor(255, 0, 0), 0, 255, 255, 0},
        {RGBColor(0, 128, 255), 255, 127, 0, 0},
        {RGBColor(200, 100, 50), 0, 100, 150, 55},
        {RGBColor(77, 77, 77), 0, 0, 0, 178},
        {0xAA00FF00u, 255, 0, 255, 0}, // top byte ignored
    };
    for (const Case& c : cases) {
        int C = -1, M = -1, Y = -1, K = -1;
        CMYKFromColor(c.c, C, M, Y, K);
        EXPECT_EQ(C, c.cyan) << std::hex << c.c;
        EXPECT_EQ(M, c.magenta) << std::hex << c.c;
        EXPECT_EQ(Y, c.yellow) << std::hex << c.c;
        EXPECT_EQ(K, c.key) << std::hex << c.c;
        EXPECT_EQ(CyanOf(c.c), c.cyan);
        EXPECT_EQ(MagentaOf(c.c), c.magenta);
        EXPECT_EQ(YellowOf(c.c), c.yellow);
        EXPECT_EQ(BlackOf(c.c), c.key);
    }
}
