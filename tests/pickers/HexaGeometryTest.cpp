// The hexagon picker's model without a window: layout, cell tables, the
// arrow-key ring and the hit tests.
#include "pickers/HexaGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace hexa;

namespace {

struct LayoutRow {
    const char* name;
    int w, h;
    bool slider;
    int radius, combSize;
    TRect hex, gray, sliderRect;
};

class HexaLayoutTable : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(HexaLayoutTable, RadiusAndAreasFollowTheSize)
{
    const LayoutRow& row = GetParam();
    const int r = RadiusFromSize(row.w, row.h, row.slider, 12);
    EXPECT_EQ(r, row.radius);
    const THexaLayout l = ComputeLayout(r, row.slider, 12);
    EXPECT_EQ(l.CombSize, row.combSize);
    EXPECT_EQ(l.HexRect, row.hex);
    EXPECT_EQ(l.GrayRect, row.gray);
    EXPECT_EQ(l.SliderRect, row.sliderRect);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, HexaLayoutTable,
    ::testing::Values(
        LayoutRow{"Construction", 204, 206, true, 91, 16, {0, -11, 182, 171}, {0, 167, 214, 203}, {182, 16, 204, 155}},
        LayoutRow{"MainWindow", 257, 305, true, 118, 21, {0, -14, 236, 222}, {0, 218, 281, 264}, {236, 21, 258, 201}},
        LayoutRow{"Minimum", 93, 85, true, 36, 7, {0, -4, 72, 68}, {0, 64, 94, 82}, {72, 7, 94, 61}},
        // Without the slider the width term is W / 2 - 5: 70 here, 64 with it.
        LayoutRow{"SliderHidden", 150, 206, false, 70, 13, {0, -8, 140, 132}, {0, 128, 174, 158}, {-1, -1, -1, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HexaLayout, RadiusBeforeTheWindowExists)
{
    const THexaLayout l = ComputeLayout(90, true, 12);
    EXPECT_EQ(l.CombSize, 16);
    EXPECT_EQ(l.HexRect, (TRect{0, -11, 180, 169}));
    EXPECT_EQ(l.GrayRect, (TRect{0, 165, 214, 201}));
    EXPECT_EQ(l.SliderRect, (TRect{180, 16, 202, 153}));
    EXPECT_EQ(PictureHeight(ComputeLayout(118, true, 12)), 282);
}

TEST(HexaLayout, SliderWiderThanTheControlKeepsAPositiveRadius)
{
    EXPECT_GE(RadiusFromSize(93, 85, true, 400), 1);
}

TEST(HexaCells, HexagonHasItsPointsAtTopAndBottom)
{
    const auto p = CombHexagon(100, 50, 16);
    const std::array<TIntPoint, 6> expected = {{{100, 58}, {107, 54}, {107, 46}, {100, 42}, {93, 46}, {93, 54}}};
    EXPECT_EQ(p, expected);
}

TEST(HexaCells, PositionsAtRadius91)
{
    const TCombArray hex = BuildHexCombs({1, 1, 1}, 91);
    ASSERT_EQ(hex.size(), 127u);
    // The line from the centre to the magenta corner.
    const std::pair<int, TIntPoint> line[] = {{0, {0, 0}},  {1, {13, 0}},  {2, {26, 0}}, {4, {39, 0}},
                                              {7, {53, 0}}, {11, {66, 0}}, {16, {79, 0}}};
    for (const auto& [index, pos] : line)
        EXPECT_EQ(hex[index].Position, pos) << "cell " << index;

    struct Corner {
        int index;
        TIntPoint pos;
        TColor color;
    };
    const Corner corners[] = {
        {16, {79, 0}, 0xFF00FF},   {37, {39, 68}, 0x0000FF},  {58, {-39, 68}, 0x00FFFF},
        {79, {-79, 0}, 0x00FF00},  {100, {-39, -68}, 0xFFFF00}, {121, {39, -68}, 0xFF0000},
    };
    for (const Corner& c : corners) {
        EXPECT_EQ(hex[c.index].Position, c.pos) << "corner " << c.index;
        EXPECT_EQ(hex[c.index].Color, c.color) << "corner " << c.index;
    }
}

TEST(HexaCells, ColoursAlongTheMagentaLineAtThreeIntensities)
{
    const int line[] = {0, 1, 2, 4, 7, 11, 16};
    const int green[] = {255, 212, 170, 127, 85, 42, 0};
    const TCombArray full = BuildHexCombs({1, 1, 1}, 91);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(full[line[i]].Color, RGBColor(255, std::uint8_t(green[i]), 255)) << "step " << i;

    const TCombArray half = BuildHexCombs({0.5f, 0.5f, 0.5f}, 91);
    EXPECT_EQ(half[0].Color, 0x808080u);
    EXPECT_EQ(half[1].Color, RGBColor(149, 106, 149));

    const TCombArray none = BuildHexCombs({0, 0, 0}, 91);
    EXPECT_EQ(none[0].Color, 0u);
    EXPECT_EQ(none[4].Color, RGBColor(128, 0, 128));
}

// The float accumulation is the rule, not an approximation of exact
// arithmetic: at 100 % exactly 36 cells come out differently from the exact
// mix rounded half to even.
TEST(HexaCells, FloatAccumulationDecidesThirtySixCellsAtFullIntensity)
{
    const TCombArray hex = BuildHexCombs({1, 1, 1}, 91);
    const auto& corners = CornerColors();
    auto exactByte = [](int numerator) {
        // numerator / 6, halves to even.
        int q = numerator / 6, rem = numerator % 6;
        if (rem > 3 || (rem == 3 && q % 2 == 1))
            ++q;
        return q;
    };
    int differing = 0;
    int index = 1;
    for (int s = 0; s < 6; ++s) {
        const int t = (s + 1) % 6;
        for (int k = 1; k <= 6; ++k)
            for (int j = 0; j < k; ++j, ++index) {
                auto channel = [&](float ks, float kt) {
                    return exactByte(255 * (6 + (k - j) * (int(ks) - 1) + j * (int(kt) - 1)));
                };
                const TColor exact = RGBColor(std::uint8_t(channel(corners[s].R, corners[t].R)),
                                              std::uint8_t(channel(corners[s].G, corners[t].G)),
                                              std::uint8_t(channel(corners[s].B, corners[t].B)));
                if (hex[index].Color != exact)
                    ++differing;
            }
    }
    EXPECT_EQ(index, 127);
    EXPECT_EQ(differing, 36);
}

TEST(HexaCells, GreyRowAtCombSize16)
{
    const TCombArray gray = BuildGrayCombs(16);
    ASSERT_EQ(gray.size(), 17u);
    EXPECT_EQ(gray[0].Position, (TIntPoint{16, 16}));
    EXPECT_EQ(gray[0].Color, 0xFFFFFFu);
    for (int i = 1; i <= 15; ++i) {
        const int j = i - 1;
        EXPECT_EQ(gray[i].Position, (TIntPoint{48 + 7 * j, j % 2 == 0 ? 12 : 24})) << "grey " << i;
        EXPECT_EQ(gray[i].Color, GrayLevelToColor(std::uint8_t(15 * (16 - i)))) << "grey " << i;
    }
    EXPECT_EQ(gray[15].Position.X, 146);
    EXPECT_EQ(gray[16].Position, (TIntPoint{176, 16}));
    EXPECT_EQ(gray[16].Color, 0u);
}

TEST(HexaNavigation, NumbersFollowTheRowsOnScreen)
{
    TCombArray hex = BuildHexCombs({1, 1, 1}, 91);
    TCombArray gray = BuildGrayCombs(16);
    AssignNavNumbers(hex, gray);

    const std::pair<int, int> named[] = {{100, 1}, {121, 7}, {79, 58}, {0, 64}, {16, 70}, {58, 121}, {37, 127}};
    for (const auto& [index, number] : named)
        EXPECT_EQ(hex[index].NavNumber, number) << "cell " << index;

    // Every number once; in number order the cells read top to bottom and,
    // within a lattice row, left to right.
    std::vector<const TCombRecord*> byNumber(128, nullptr);
    for (const auto& c : hex) {
        ASSERT_GE(c.NavNumber, 1);
        ASSERT_LE(c.NavNumber, 127);
        ASSERT_EQ(byNumber[c.NavNumber], nullptr) << "number " << c.NavNumber << " twice";
        byNumber[c.NavNumber] = &c;
    }
    const int rowLengths[] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};
    int n = 1;
    for (int len : rowLengths) {
        for (int i = 1; i < len; ++i) {
            EXPECT_NEAR(byNumber[n + i]->Position.Y, byNumber[n]->Position.Y, 1) << "number " << n + i;
            EXPECT_GT(byNumber[n + i]->Position.X, byNumber[n + i - 1]->Position.X) << "number " << n + i;
        }
        if (n + len <= 127) {
            EXPECT_GT(byNumber[n + len]->Position.Y, byNumber[n]->Position.Y + 5);
        }
        n += len;
    }

    EXPECT_EQ(gray[0].NavNumber, 0);
    const int grayNumbers[] = {-1, -9, -2, -10, -3, -11, -4, -12, -5, -13, -6, -14, -7, -15, -8};
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(gray[i].NavNumber, grayNumbers[i - 1]) << "grey " << i;
    EXPECT_EQ(gray[16].NavNumber, 64);
}

TEST(HexaNavigation, RingWrapsBetweenHoneycombAndGreyRow)
{
    struct Step {
        int from, next, previous;
    };
    const Step steps[] = {{127, -1, 126}, {-15, 1, -14}, {1, 2, -15}, {-1, -2, 127}, {-8, -9, -7}, {64, 65, 63}};
    for (const Step& s : steps) {
        EXPECT_EQ(NextNavNumber(s.from), s.next) << s.from;
        EXPECT_EQ(PreviousNavNumber(s.from), s.previous) << s.from;
    }
    // Walking the whole ring forwards comes back after 142 steps.
    int n = 1;
    std::set<int> seen;
    for (int i = 0; i < 142; ++i) {
        seen.insert(n);
        n = NextNavNumber(n);
    }
    EXPECT_EQ(n, 1);
    EXPECT_EQ(seen.size(), 142u);
}

TEST(HexaHitTest, CentresHitTheirOwnCellAndGapsHitNothing)
{
    const THexaLayout l = ComputeLayout(91, true, 12);
    const TCombArray hex = BuildHexCombs({1, 1, 1}, 91);
    const TCombArray gray = BuildGrayCombs(l.CombSize);
    const TIntPoint c = HexCentre(l);
    for (int i = 0; i < 127; ++i)
        EXPECT_EQ(HitHexComb(hex, l, c.X + hex[i].Position.X, c.Y + hex[i].Position.Y), i);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(HitGrayComb(gray, l, l.GrayRect.Left + gray[i].Position.X, l.GrayRect.Top + gray[i].Position.Y), i);

    EXPECT_EQ(HitHexComb(hex, l, 0, 0), -1);
    EXPECT_EQ(HitGrayComb(gray, l, l.GrayRect.Right - 1, l.GrayRect.Bottom - 1), -1);
    // The edge of the circle counts: CombSize div 2 = 8 straight above.
    EXPECT_EQ(HitHexComb(hex, l, c.X, c.Y - 8), 0);
    // Cells 0 and 1 are 13 pixels apart: both circles contain x + 7 and the
    // lower index wins; x + 9 is outside cell 0's circle.
    EXPECT_EQ(HitHexComb(hex, l, c.X + 7, c.Y), 0);
    EXPECT_EQ(HitHexComb(hex, l, c.X + 9, c.Y), 1);
}

} // namespace
