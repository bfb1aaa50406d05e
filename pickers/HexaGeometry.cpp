#include "pickers/HexaGeometry.h"

#include "colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace hexa {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

long double Radians(long double degrees)
{
    return degrees * kPi / 180.0L;
}

const long double kCos30 = std::cos(Radians(30.0L));
const long double kSin30 = std::sin(Radians(30.0L));

// Positions are accumulated in extended precision; the last step rounds on
// the shared rule, so an exact half (many Y offsets are multiples of R / 8)
// always goes to the even neighbour whatever error the sums picked up.
int Nearest(long double x)
{
    return Round(double(x));
}

// The lattice of the honeycomb in doubled-x units: a step towards corner s
// moves by these (x2, row). Used only to number the cells in reading order.
constexpr std::array<TIntPoint, 6> kLatticeSteps = {{{2, 0}, {1, 1}, {-1, 1}, {-2, 0}, {-1, -1}, {1, -1}}};

// Navigation number of every honeycomb cell by array index: rows top to
// bottom, each left to right. Follows the lattice, not the rounded pixels.
const std::array<int, HexCombCount>& HexNavNumbers()
{
    static const std::array<int, HexCombCount> numbers = [] {
        std::array<TIntPoint, HexCombCount> lattice{};
        int n = 1;
        for (int s = 0; s < 6; ++s) {
            const int t = (s + 1) % 6;
            for (int k = 1; k < RingCount; ++k)
                for (int j = 0; j < k; ++j)
                    lattice[n++] = {(k - j) * kLatticeSteps[s].X + j * kLatticeSteps[t].X,
                                    (k - j) * kLatticeSteps[s].Y + j * kLatticeSteps[t].Y};
        }
        std::array<int, HexCombCount> order{};
        for (int i = 0; i < HexCombCount; ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            if (lattice[a].Y != lattice[b].Y)
                return lattice[a].Y < lattice[b].Y;
            return lattice[a].X < lattice[b].X;
        });
        std::array<int, HexCombCount> result{};
        for (int place = 0; place < HexCombCount; ++place)
            result[order[place]] = place + 1;
        return result;
    }();
    return numbers;
}

// One colour increment: the exact difference of two floats over the step
// count, rounded once to float.
float Increment(float to, float from, int steps)
{
    return float((double(to) - double(from)) / steps);
}

} // namespace

const std::array<TVector, 6>& CornerVectors()
{
    static const std::array<TVector, 6> vectors = [] {
        std::array<TVector, 6> v{};
        for (int i = 0; i < 6; ++i) {
            const long double a = Radians(90.0L - 60.0L * i);
            v[i] = {std::cos(a) / 2.0L, std::sin(a) / 2.0L};
        }
        return v;
    }();
    return vectors;
}

const std::array<TRGBFloat, 6>& CornerColors()
{
    static const std::array<TRGBFloat, 6> colors = {{
        {1, 0, 1},
        {1, 0, 0},
        {1, 1, 0},
        {0, 1, 0},
        {0, 1, 1},
        {0, 0, 1},
    }};
    return colors;
}

int RadiusFromSize(int w, int h, bool sliderVisible, int sliderWidth)
{
    const int a = sliderVisible ? Round((w - sliderWidth - 10) / 2.0) : Round(w / 2.0 - 5);
    const int b = Nearest((h - 6) * (24.0L / 53.0L));
    return std::max(1, std::min(a, b));
}

THexaLayout ComputeLayout(int radius, bool sliderVisible, int sliderWidth)
{
    THexaLayout l;
    const int r = radius;
    l.Radius = r;
    l.CombSize = Round(r / double(RingCount - 1) + 1);
    l.HexRect = {0, -(r / 8), 2 * r, 2 * r - r / 8};
    l.GrayRect = {l.HexRect.Left, l.HexRect.Bottom - 4, Nearest(kCos30 * 17 * l.CombSize / 2) + 6 * l.CombSize,
                  l.HexRect.Bottom + 2 * l.CombSize};
    if (sliderVisible)
        l.SliderRect = {l.HexRect.Right, l.CombSize, l.HexRect.Right + 10 + sliderWidth,
                        l.HexRect.Bottom - l.CombSize};
    else
        l.SliderRect = {-1, -1, -1, -1};
    return l;
}

TColor FloatRGBToColor(float r, float g, float b)
{
    auto byte = [](float v) { return std::uint8_t(std::clamp(Round(255.0 * v), 0, 255)); };
    return RGBColor(byte(r), byte(g), byte(b));
}

TCombArray BuildHexCombs(TRGBFloat m, int radius)
{
    const auto& cv = CornerVectors();
    const auto& corners = CornerColors();
    constexpr int L = RingCount - 1;

    TCombArray cells;
    cells.reserve(HexCombCount);
    cells.push_back({{0, 0}, FloatRGBToColor(m.R, m.G, m.B), 0});

    const long double d = kCos30 * 2 * radius;
    for (int s = 0; s < 6; ++s) {
        const int t = (s + 1) % 6;
        // The vector's components cross over, turning the cell-vertex
        // directions into corner directions clockwise from the right.
        const TVector ps{cv[s].Y * d, cv[s].X * d};
        const TVector pt{cv[t].Y * d, cv[t].X * d};
        const TVector dA{ps.X / L, ps.Y / L};
        const TVector dB{pt.X / L, pt.Y / L};
        const TRGBFloat ks = corners[s];
        const TRGBFloat kt = corners[t];
        const TRGBFloat dCa{Increment(ks.R, m.R, L), Increment(ks.G, m.G, L), Increment(ks.B, m.B, L)};
        const TRGBFloat dCb{Increment(kt.R, m.R, L), Increment(kt.G, m.G, L), Increment(kt.B, m.B, L)};

        TVector a, b;
        TRGBFloat ca = m, cb = m;
        for (int k = 0; k <= L; ++k) {
            if (k > 0) {
                const TVector step{(b.X - a.X) / k, (b.Y - a.Y) / k};
                const TRGBFloat cstep{Increment(cb.R, ca.R, k), Increment(cb.G, ca.G, k),
                                      Increment(cb.B, ca.B, k)};
                TVector q = a;
                TRGBFloat col = ca;
                for (int i = 0; i < k; ++i) {
                    cells.push_back({{Nearest(q.X), Nearest(q.Y)}, FloatRGBToColor(col.R, col.G, col.B), 0});
                    q.X += step.X;
                    q.Y += step.Y;
                    col.R += cstep.R;
                    col.G += cstep.G;
                    col.B += cstep.B;
                }
            }
            a.X += dA.X;
            a.Y += dA.Y;
            b.X += dB.X;
            b.Y += dB.Y;
            ca.R += dCa.R;
            ca.G += dCa.G;
            ca.B += dCa.B;
            cb.R += dCb.R;
            cb.G += dCb.G;
            cb.B += dCb.B;
        }
    }
    return cells;
}

TCombArray BuildGrayCombs(int combSize)
{
    const int cs = combSize;
    const int x0 = 3 * cs;
    const int y0 = 3 * (cs / 4);
    const int dx = Nearest(kCos30 * cs / 2);
    const int dy = Nearest((kSin30 + 1) * cs / 2);

    TCombArray cells;
    cells.reserve(GrayCombCount);
    cells.push_back({{cs, cs}, GrayLevelToColor(255), 0});
    for (int i = 1; i <= 15; ++i) {
        const int j = i - 1;
        const int y = j % 2 == 0 ? y0 : y0 + dy;
        cells.push_back({{j * dx + x0, y}, GrayLevelToColor(std::uint8_t(15 * (16 - i))), 0});
    }
    cells.push_back({{16 * dx + x0 + cs, cs}, GrayLevelToColor(0), 0});
    return cells;
}

void AssignNavNumbers(TCombArray& hex, TCombArray& gray)
{
    const auto& numbers = HexNavNumbers();
    for (std::size_t i = 0; i < hex.size() && i < numbers.size(); ++i)
        hex[i].NavNumber = numbers[i];
    for (std::size_t i = 1; i + 1 < gray.size() && i <= 15; ++i)
        gray[i].NavNumber = i % 2 == 1 ? -int((i + 1) / 2) : -int(8 + i / 2);
    if (gray.size() == GrayCombCount)
        gray[16].NavNumber = 64;
}

std::array<TIntPoint, 6> CombHexagon(int x, int y, int size)
{
    const auto& cv = CornerVectors();
    std::array<TIntPoint, 6> points{};
    for (int i = 0; i < 6; ++i)
        points[i] = {Nearest(size * cv[i].X + x), Nearest(size * cv[i].Y + y)};
    return points;
}

int NextNavNumber(int n)
{
    if (n == HexCombCount)
        return -1;
    if (n == -15)
        return 1;
    return n > 0 ? n + 1 : n - 1;
}

int PreviousNavNumber(int n)
{
    if (n == 1)
        return -15;
    if (n == -1)
        return HexCombCount;
    return n > 0 ? n - 1 : n + 1;
}

bool CombContainsPoint(const TCombRecord& cell, TIntPoint p, int r)
{
    const long long dx = cell.Position.X - p.X;
    const long long dy = cell.Position.Y - p.Y;
    return dx * dx + dy * dy <= (long long)r * r;
}

int HitHexComb(const TCombArray& hex, const THexaLayout& l, int x, int y)
{
    const TIntPoint p{x - l.Radius - l.HexRect.Left, y - l.Radius - l.HexRect.Top};
    const int r = l.CombSize / 2;
    for (std::size_t i = 0; i < hex.size(); ++i)
        if (CombContainsPoint(hex[i], p, r))
            return int(i);
    return -1;
}

int HitGrayComb(const TCombArray& gray, const THexaLayout& l, int x, int y)
{
    const TIntPoint p{x - l.GrayRect.Left, y - l.GrayRect.Top};
    for (std::size_t i = 0; i < gray.size(); ++i) {
        const bool big = i == 0 || i == GrayCombCount - 1;
        if (CombContainsPoint(gray[i], p, big ? l.CombSize : l.CombSize / 2))
            return int(i);
    }
    return -1;
}

} // namespace hexa
