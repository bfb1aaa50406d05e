#pragma once
// The one NaN the program uses to mark an undefined hue: the quiet NaN with
// every bit set but the sign. Callers test it with std::isnan, never by ==.
#include <bit>
#include <cstdint>

constexpr double NaNValue()
{
    return std::bit_cast<double>(std::uint64_t(0x7FFFFFFFFFFFFFFF));
}
