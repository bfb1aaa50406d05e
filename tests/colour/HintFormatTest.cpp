#include <gtest/gtest.h>

#include <string>

#include "ScalesGuard.h"
#include "colour/HintFormat.h"

TEST(ReplaceAllNoCase, ReplacesEveryOccurrenceIgnoringCase)
{
    struct Case
    {
        const char* text;
        const char* token;
        const char* value;
        const char* expected;
    } const cases[] = {
        {"aXa", "x", "yy", "ayya"},
        {"FOO foo fOo", "Foo", "1", "1 1 1"},
        {"aaaa", "aa", "b", "bb"},      // no overlaps
        {"aaa", "aa", "b", "ba"},
        {"%r", "%r", "%r%r", "%r%r"},    // inserted text is not searched again
        {"xy", "x", "x", "xy"},
        {"abc", "", "zz", "abc"},        // an empty token matches nothing
        {"ab", "abc", "z", "ab"},
        {"", "a", "b", ""},
        {"abc", "ABC", "", ""},
        {"Gr\xC3\xBCn %R", "%r", "5", "Gr\xC3\xBCn 5"}, // UTF-8 passes through
        // '@' '[' and '`' '{' sit next to the letters: they must not fold into each other.
        {"@[", "`{", "x", "@["},
        {"`{", "@[", "x", "`{"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAllNoCase(c.text, c.token, c.value), c.expected)
            << c.text << " / " << c.token << " / " << c.value;
}

using HintFormat = ScaledColourTest;

TEST_F(HintFormat, DefaultFormatForPureRed)
{
    EXPECT_EQ(ExpandHintFormat(DefaultHintFormat, RGBColor(255, 0, 0)),
              "Hex #FF0000\n\r"
              "RGB[255, 0, 0]\n\r"
              "HSL[0, 255, 128]\n\r"
              "HSV[0, 255, 255]\n\r"
              "CMYK[0, 255, 255, 0]\n\r"
              "L*a*b*[53, 78, 62]\n\r"
              "XYZ[41, 21, 2]");
}

TEST_F(HintFormat, PlaceholderEdgeCases)
{
    struct Case
    {
        const char* format;
        TColor colour;
        const char* expected;
    } const cases[] = {
        {"", RGBColor(1, 2, 3), ""},
        {"no placeholders, 100% plain\r\n", RGBColor(1, 2, 3), "no placeholders, 100% plain\r\n"},
        {"%h%h", RGBColor(0, 0, 255), "240240"},
        {"%hsl", RGBColor(0, 0, 255), "240sl"}, // "%h" takes the first two characters
        {"%s %x %", RGBColor(0, 0, 255), "%s %x %"},
        {"%%hex", RGBColor(0, 128, 255), "%0080FF"},
        // The left-over "%" joins the first hex digit: "%B" is then the blue value...
        {"%%hex", RGBColor(0xB0, 0x12, 0x34), "5201234"},
        // ... and "%C" the cyan value (255 - 0xC0 less the key 0).
        {"%%hex", RGBColor(0xC0, 0xFF, 0xFF), "630FFFF"},
        {"%HEX %CIEl %R,%G,%B %H", RGBColor(255, 0, 0), "FF0000 53 255,0,0 0"},
        {"%hslH=%h %hslL=%l %hsvV=%v %hslS %hsvH %hsvS", RGBColor(200, 100, 50),
         "20=20 125=125 200=200 153 20 191"},
        {"%c %m %y %k", RGBColor(200, 100, 50), "0 100 150 55"},
        {"%cieX %cieY %cieZ|%cieL %cieA %cieB", clWhite, "95 100 109|100 -2 -19"},
        {"%cieC %cieH", clBlack, "0 360"},
        // The %cie placeholders go before "%c", "%y" and "%h" can eat their start.
        {"%cieC%c|%cieY%y|%cieH%h", RGBColor(255, 0, 0), "1000|21255|380"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandHintFormat(c.format, c.colour), c.expected) << c.format;
}

TEST_F(HintFormat, CIEValuesAreRoundedNotTruncated)
{
    // Green is L* 87.74, a* -87.91, b* 73.92: truncation would show 87 and -87.
    EXPECT_EQ(ExpandHintFormat("%cieL %cieA %cieB", RGBColor(0, 255, 0)), "88 -88 74");
    // White's a* of -2.38 goes up to -2, not down to -3.
    EXPECT_EQ(ExpandHintFormat("%cieA", clWhite), "-2");
}
