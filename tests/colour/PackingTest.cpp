#include <gtest/gtest.h>

#include "colour/ColorPacking.h"

TEST(Packing, PixelPutsBlueLowAndRedInThirdByte)
{
    EXPECT_EQ(PixelFromRGB(0x12, 0x34, 0x56), 0x00123456u);
    EXPECT_EQ(PixelFromColor(RGBColor(0x12, 0x34, 0x56)), 0x00123456u);
    const RGBTRIPLE t = TripleFromRGB(0x12, 0x34, 0x56);
    EXPECT_EQ(t.rgbtRed, 0x12);
    EXPECT_EQ(t.rgbtGreen, 0x34);
    EXPECT_EQ(t.rgbtBlue, 0x56);
    static_assert(sizeof(RGBTRIPLE) == 3, "a triple is three bytes, blue first");
}

TEST(Packing, TopByteOfColourIsIgnored)
{
    EXPECT_EQ(PixelFromColor(clNone), 0x00FFFFFFu);
    EXPECT_EQ(PixelFromColor(0x80000005u), PixelFromColor(0x00000005u));
}

// Every colour: the four packings agree with each other and round-trip.
TEST(Packing, AllColoursAgreeAcrossPackings)
{
    int mismatches = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const TColor c = RGBColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                const TPixel32 p = PixelFromRGB(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                const RGBTRIPLE t = TripleFromRGB(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                if (PixelFromColor(c) != p || ColorFromTriple(t) != c
                    || p != (TPixel32(b) | TPixel32(g) << 8 | TPixel32(r) << 16))
                    ++mismatches;
            }
    EXPECT_EQ(mismatches, 0);
}
