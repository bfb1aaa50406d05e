#pragma once
// The colour values every layer passes around.
#include <cstdint>

// A colour as the program keeps it: red in bits 0-7, green 8-15, blue 16-23.
// A top byte of 0 is a plain RGB colour.
using TColor = std::uint32_t;

// "No colour": what a picker answers where a position holds none.
inline constexpr TColor clNone = 0x1FFFFFFF;
// What a screen read outside the screen gives: all 32 bits set.
inline constexpr TColor clInvalid = 0xFFFFFFFF;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

constexpr std::uint8_t GetRValue(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GetGValue(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t GetBValue(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }
constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// A bitmap pixel of three bytes, blue first: the layout of a 24-bit scan line.
struct RGBTRIPLE
{
    std::uint8_t rgbtBlue = 0;
    std::uint8_t rgbtGreen = 0;
    std::uint8_t rgbtRed = 0;
    friend constexpr bool operator==(const RGBTRIPLE&, const RGBTRIPLE&) = default;
};

// A 32-bit bitmap pixel: blue in bits 0-7, green 8-15, red 16-23, top byte 0.
// Note the channel order is the reverse of TColor's.
using TPixel32 = std::uint32_t;

// CIE XYZ tristimulus values on the 0..100 scale of Y.
struct XYZColor
{
    double X = 0;
    double Y = 0;
    double Z = 0;
};
