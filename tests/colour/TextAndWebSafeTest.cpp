#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "colour/ColorHexText.h"
#include "colour/WebSafe.h"

TEST(HexText, SixUpperCaseDigitsRedFirst)
{
    struct Case
    {
        TColor c;
        const char* text;
    } const cases[] = {
        {RGBColor(0, 128, 255), "0080FF"},
        {clBlack, "000000"},
        {clWhite, "FFFFFF"},
        {RGBColor(0xAB, 0xCD, 0xEF), "ABCDEF"},
        {RGBColor(1, 2, 3), "010203"},
        {clNone, "FFFFFF"}, // top byte ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToHexText(c.c), c.text);
}

TEST(HexText, EveryColourParsesBackToItself)
{
    int failures = 0;
    for (TColor c = 0; c <= 0xFFFFFF; ++c) {
        const std::string text = ColorToHexText(c);
        if (text.size() != 6) {
            ++failures;
            continue;
        }
        // Upper-case digits only: a lower-case letter fails to parse here.
        unsigned rgb = 0;
        bool digitsOnly = true;
        for (char ch : text) {
            const bool decimal = ch >= '0' && ch <= '9';
            const bool letter = ch >= 'A' && ch <= 'F';
            digitsOnly = digitsOnly && (decimal || letter);
            rgb = rgb << 4 | unsigned(decimal ? ch - '0' : ch - 'A' + 10);
        }
        const TColor back = RGBColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
        if (!digitsOnly || back != c)
            ++failures;
    }
    EXPECT_EQ(failures, 0);
}

TEST(WebSafe, LevelBoundaries)
{
    struct Case
    {
        int v, level;
    } const cases[] = {
        {0, 0},     {25, 0},    {26, 51},   {76, 51},   {77, 102},  {127, 102},
        {128, 153}, {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WebSafeLevels[std::size_t(c.v)], c.level) << c.v;
}

TEST(WebSafe, EveryLevelIsTheNearestMultipleOf51)
{
    for (int v = 0; v < 256; ++v) {
        const int level = WebSafeLevels[std::size_t(v)];
        EXPECT_EQ(level % 51, 0) << v;
        EXPECT_LE(std::abs(level - v), 25) << v;
    }
}

TEST(WebSafe, SnapWorksPerChannelAndDropsTheTopByte)
{
    EXPECT_EQ(SnapToWebSafe(RGBColor(25, 26, 229)), RGBColor(0, 51, 204));
    EXPECT_EQ(SnapToWebSafe(RGBColor(230, 100, 0)), RGBColor(255, 102, 0));
    EXPECT_EQ(SnapToWebSafe(0x7F191919u), RGBColor(0, 0, 0));
    EXPECT_EQ(SnapToWebSafe(clNone), clWhite);
}
