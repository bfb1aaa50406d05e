#include <gtest/gtest.h>

#include <cmath>

#include "colour/ColorCIE.h"

TEST(CIE, XYZOfWhiteAndBlack)
{
    const XYZColor white = XYZFromColor(clWhite);
    EXPECT_NEAR(white.X, 95.05, 1e-9);
    EXPECT_NEAR(white.Y, 100.0, 1e-9);
    EXPECT_NEAR(white.Z, 108.9, 1e-9);
    EXPECT_DOUBLE_EQ(XOf(clWhite), white.X);
    EXPECT_DOUBLE_EQ(YOf(clWhite), white.Y);
    EXPECT_DOUBLE_EQ(ZOf(clWhite), white.Z);

    const XYZColor black = XYZFromColor(clBlack);
    EXPECT_EQ(black.X, 0.0);
    EXPECT_EQ(black.Y, 0.0);
    EXPECT_EQ(black.Z, 0.0);
}

TEST(CIE, LinearisationSwitchesAtTheSRGBKnee)
{
    // Channel 10 is 0.0392 (below 0.04045, linear part); 11 is 0.0431 (power part).
    EXPECT_NEAR(YOf(RGBColor(0, 10, 0)), 0.7152 * (10 / 255.0 / 12.92) * 100, 1e-12);
    EXPECT_NEAR(YOf(RGBColor(0, 11, 0)), 0.7152 * std::pow((11 / 255.0 + 0.055) / 1.055, 2.4) * 100, 1e-12);
    EXPECT_NEAR(XYZFromColor(RGBColor(255, 0, 0)).X, 41.24, 1e-9);
}

TEST(CIE, LabOfWhiteIsClampedAndOffNeutral)
{
    double L, a, b;
    LabFromColor(clWhite, L, a, b);
    EXPECT_EQ(L, 100.0); // 100.0000x before the clamp
    EXPECT_NEAR(a, -2.38, 0.005);
    EXPECT_NEAR(b, -19.37, 0.005);
    EXPECT_DOUBLE_EQ(LabLOf(clWhite), L);
    EXPECT_DOUBLE_EQ(LabAOf(clWhite), a);
    EXPECT_DOUBLE_EQ(LabBOf(clWhite), b);
}

TEST(CIE, LabOfBlackUsesTheHistoricalOffset)
{
    double L, a, b;
    LabFromColor(clBlack, L, a, b);
    EXPECT_NEAR(L, 116 * 0.138 - 16, 1e-12);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(b, 0.0);
}

TEST(CIE, LabClampsEachComponent)
{
    struct Case
    {
        XYZColor in;
        double L, a, b;
    } const cases[] = {
        {{0, 0, 0}, 116 * 0.138 - 16, 0, 0},
        {{500, 0, 0}, 116 * 0.138 - 16, 127, 0},     // a* far above 127
        {{0, 0, 500}, 116 * 0.138 - 16, 0, -128},    // b* far below -128
        {{0, 200, 0}, 100, -128, 127},               // L*, a* and b* all clamp
    };
    for (const Case& c : cases) {
        double L, a, b;
        LabFromXYZ(c.in, L, a, b);
        EXPECT_NEAR(L, c.L, 1e-9) << c.in.X << "," << c.in.Y << "," << c.in.Z;
        EXPECT_NEAR(a, c.a, 1e-9) << c.in.X << "," << c.in.Y << "," << c.in.Z;
        EXPECT_NEAR(b, c.b, 1e-9) << c.in.X << "," << c.in.Y << "," << c.in.Z;
    }
}

TEST(CIE, LChHueLiesInZeroExcludedTo360Included)
{
    struct Case
    {
        double a, b;
        double chroma, hue;
    } const cases[] = {
        {0, 0, 0, 360}, {1, 0, 1, 360},   {0, 1, 1, 90},  {-1, 0, 1, 180},
        {0, -1, 1, 270}, {3, 4, 5, 53.13010235415598}, {1, -1, std::sqrt(2.0), 315},
        {-1, -0.0, 1, 180}, // atan2 gives -pi here: 360 - 180
    };
    for (const Case& c : cases) {
        double L, C, H;
        LChFromLab(42.0, c.a, c.b, L, C, H);
        EXPECT_EQ(L, 42.0);
        EXPECT_NEAR(C, c.chroma, 1e-12) << c.a << "," << c.b;
        EXPECT_NEAR(H, c.hue, 1e-9) << c.a << "," << c.b;
    }
}

TEST(CIE, LChOfColours)
{
    double L, C, H;
    LChFromColor(clBlack, L, C, H);
    EXPECT_EQ(H, 360.0);
    EXPECT_EQ(C, 0.0);
    EXPECT_DOUBLE_EQ(LChHOf(clBlack), 360.0);

    double labL, a, b;
    LabFromColor(RGBColor(255, 0, 0), labL, a, b);
    LChFromColor(RGBColor(255, 0, 0), L, C, H);
    EXPECT_DOUBLE_EQ(L, labL);
    EXPECT_NEAR(C, std::hypot(a, b), 1e-9);
    EXPECT_NEAR(H, std::atan2(b, a) * 180 / 3.14159265358979323846, 1e-9);
    EXPECT_DOUBLE_EQ(LChCOf(RGBColor(255, 0, 0)), C);
}

// A sampled sweep: every output within its clamped range.
TEST(CIE, SweepStaysInRange)
{
    int failures = 0;
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 5) {
                const TColor c = RGBColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                double L, a, bb, C, H;
                LabFromColor(c, L, a, bb);
                LChFromColor(c, L, C, H);
                if (L < 0 || L > 100 || a < -128 || a > 127 || bb < -128 || bb > 127 || H <= 0 || H > 360)
                    ++failures;
            }
    EXPECT_EQ(failures, 0);
}
