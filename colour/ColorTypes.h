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
