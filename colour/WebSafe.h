#pragma once
// Snapping to the 216-colour web palette: each channel goes to the nearest
// multiple of 51, halves (25.5, 76.5, ...) up. The table is a compile-time
// constant, so it exists before any window or static object can ask for it.
#include <array>
#include <cstdint>

#include "colour/ColorTypes.h"

namespace detail {
constexpr std::array<std::uint8_t, 256> MakeWebSafeLevels()
{
    std::array<std::uint8_t, 256> levels{};
    for (int v = 0; v < 256; ++v)
        levels[v] = std::uint8_t((v + 25) / 51 * 51);
    return levels;
}
} // namespace detail

inline constexpr std::array<std::uint8_t, 256> WebSafeLevels = detail::MakeWebSafeLevels();

constexpr TColor SnapToWebSafe(TColor c)
{
    return RGBColor(WebSafeLevels[GetRValue(c)], WebSafeLevels[GetGValue(c)],
                    WebSafeLevels[GetBValue(c)]);
}
