// The texts a sampler tick writes for the pixel under the pointer.
#include <gtest/gtest.h>

#include "app/Readouts.h"

namespace {

struct ReadoutCase {
    const char* name;
    TColor colour;
    QLocale::Language language;
    const char* info;
    const char* identifier;
    const char* triple;
};

class Readouts : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readouts, InfoLineAndClipboardTexts)
{
    const ReadoutCase c = GetParam();
    const QLocale locale(c.language);
    EXPECT_EQ(InfoLine(c.colour, ColorNameFor(c.colour), locale), c.info) << c.name;
    EXPECT_EQ(ColorIdentText(c.colour), c.identifier) << c.name;
    EXPECT_EQ(RGBTripleText(c.colour), c.triple) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, Readouts,
    ::testing::Values(
        ReadoutCase{"red", RGBColor(255, 0, 0), QLocale::English,
                    "clRed     RGB(255, 0, 0)     HSV(0.0, 1.000, 1.000)      ", "clRed", "255, 0, 0"},
        ReadoutCase{"black", 0, QLocale::English,
                    "clBlack      RGB(0, 0, 0)     HSV(NAN, 0.000, 0.000)     Black", "clBlack", "0, 0, 0"},
        ReadoutCase{"grey", RGBColor(100, 100, 100), QLocale::English,
                    "$00646464     RGB(100, 100, 100)     HSV(NAN, 0.000, 0.392)      ", "$00646464",
                    "100, 100, 100"},
        ReadoutCase{"64 128 255", RGBColor(64, 128, 255), QLocale::English,
                    "$00FF8040     RGB(64, 128, 255)     HSV(219.9, 0.749, 1.000)      ", "$00FF8040",
                    "64, 128, 255"},
        ReadoutCase{"comma locale", RGBColor(64, 128, 255), QLocale::German,
                    "$00FF8040     RGB(64, 128, 255)     HSV(219,9, 0,749, 1,000)      ", "$00FF8040",
                    "64, 128, 255"},
        ReadoutCase{"black, comma", 0, QLocale::German,
                    "clBlack      RGB(0, 0, 0)     HSV(NAN, 0,000, 0,000)     Black", "clBlack", "0, 0, 0"},
        ReadoutCase{"255 128 64", RGBColor(255, 128, 64), QLocale::English,
                    "$004080FF     RGB(255, 128, 64)     HSV(20.1, 0.749, 1.000)      ", "$004080FF",
                    "255, 128, 64"},
        ReadoutCase{"money green", RGBColor(192, 220, 192), QLocale::English,
                    "clMoneyGreen     RGB(192, 220, 192)     HSV(120.0, 0.127, 0.863)      ", "clMoneyGreen",
                    "192, 220, 192"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ReadoutTexts, CoordinatesOnTwoLines)
{
    EXPECT_EQ(CoordsText(1023, 767), "1023,\r767");
    EXPECT_EQ(CoordsText(0, 5), "0,\r5");
}

TEST(ReadoutTexts, AverageDropsTheRemainder)
{
    TColor block[9];
    std::fill(block, block + 9, clWhite);
    block[4] = 0;
    EXPECT_EQ(AverageBlock(block, 9), RGBColor(226, 226, 226));
    // Off-screen reads (all bits set) count as 255 in each channel.
    std::fill(block, block + 9, clInvalid);
    EXPECT_EQ(AverageBlock(block, 9), RGBColor(255, 255, 255));
    TColor big[25];
    for (int k = 0; k < 10; ++k) {
        std::fill(big, big + 25, 0);
        big[0] = RGBColor(24 + 25 * k, 0, 0);
        EXPECT_EQ(GetRValue(AverageBlock(big, 25)), k);
    }
}

} // namespace
