#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "colour/Rounding.h"

TEST(Rounding, RoundGoesToEvenNeighbourOnHalves)
{
    struct Case
    {
        double x;
        int expected;
    } const cases[] = {
        {2.5, 2}, {3.5, 4}, {127.5, 128}, {0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {2.4999999, 2}, {2.5000001, 3}, {-2.5000001, -3}, {0.0, 0}, {359.5, 360},
        {-0.49, 0}, {7.0, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Round(c.x), c.expected) << c.x;
}

TEST(Rounding, RoundSaturatesAndMapsNaNToZero)
{
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Round(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(Round(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
}

TEST(Rounding, MulDivRoundsHalvesAwayFromZero)
{
    struct Case
    {
        int a, b, c, expected;
    } const cases[] = {
        {1, 3, 2, 2},     {-1, 3, 2, -2},   {1, -3, 2, -2},  {1, 3, -2, -2},
        {-1, -3, 2, 2},   {5, 1, 4, 1},     {7, 1, 4, 2},    {-7, 1, 4, -2},
        {60, 255, 255, 60}, {60, -1, 255, 0}, {60, -3, 255, -1}, {60, 2, 255, 0},
        {255, 128, 255, 128},
        // The product needs 64 bits; the quotient fits again.
        {2000000000, 3, 4, 1500000000},
        {-2000000000, 3, 4, -1500000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

TEST(Rounding, MulDivReportsZeroDivisorAndOverflowAsMinusOne)
{
    EXPECT_EQ(MulDiv(5, 7, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int>::min(), 1, 1), std::numeric_limits<int>::min());
}

TEST(Rounding, DivAndModTruncateTowardZero)
{
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Mod(-7, 2), -1);
    EXPECT_EQ(Div(7, -2), -3);
    EXPECT_EQ(Mod(-40, 60), -40);
    EXPECT_EQ(Div(-40, 60), 0);
}
