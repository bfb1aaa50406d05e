#pragma once
// The three integer rules every conversion shares. Keeping them in one place
// matters because the readouts must agree digit for digit wherever the same
// number is shown: Round goes to the even neighbour on halves (2.5 -> 2,
// 3.5 -> 4), MulDiv rounds a 64-bit product to nearest with halves away from
// zero, and Div/Mod truncate toward zero like the C++ operators.
#include <cmath>
#include <cstdint>
#include <limits>

// Nearest integer, halves to even. NaN gives 0 and values beyond the int
// range saturate, so a stray value can never cause undefined behaviour.
inline int Round(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (x <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    const double lower = std::floor(x);
    const double frac = x - lower;
    double r = lower;
    if (frac > 0.5)
        r = lower + 1;
    else if (frac == 0.5)
        r = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return int(r);
}

// a * b / c with a 64-bit intermediate, nearest, halves away from zero.
// A zero divisor or a result beyond the int range gives -1, as the Windows
// function of the same name does.
inline int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = std::int64_t(a) * b;
    const bool negative = (p < 0) != (c < 0);
    const std::uint64_t ap = p < 0 ? std::uint64_t(-p) : std::uint64_t(p);
    const std::uint64_t ac = c < 0 ? std::uint64_t(-std::int64_t(c)) : std::uint64_t(c);
    const std::uint64_t q = (ap + ac / 2) / ac;
    if (negative) {
        if (q > std::uint64_t(std::numeric_limits<int>::max()) + 1)
            return -1;
        return int(-std::int64_t(q));
    }
    if (q > std::uint64_t(std::numeric_limits<int>::max()))
        return -1;
    return int(q);
}

// Truncating division and its remainder (the sign follows the dividend).
constexpr int Div(int a, int b) { return a / b; }
constexpr int Mod(int a, int b) { return a % b; }
constexpr std::int64_t Div(std::int64_t a, std::int64_t b) { return a / b; }
constexpr std::int64_t Mod(std::int64_t a, std::int64_t b) { return a % b; }
