#pragma once
// The model behind the hexagon picker, free of any window: where the three
// areas lie for a given radius, where the 127 honeycomb cells and the 17 grey
// cells sit and which colour each one has, the arrow-key ring through them,
// and which cell a point hits. The control, its tests and its benchmark all
// call these, so painting, the mouse and the keyboard can never disagree
// about a cell.
#include "colour/ColorTypes.h"

#include <array>
#include <vector>

namespace hexa {

// Left, top, right, bottom; the right and bottom edges are outside.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TIntPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TIntPoint&, const TIntPoint&) = default;
};

// One cell. Honeycomb positions are offsets from the honeycomb centre,
// grey-row positions offsets from the grey row's top-left corner.
struct TCombRecord {
    TIntPoint Position;
    TColor Color = 0;
    int NavNumber = 0;
};

using TCombArray = std::vector<TCombRecord>;

inline constexpr int RingCount = 7;
inline constexpr int HexCombCount = 127;
inline constexpr int GrayCombCount = 17;
// Below this size a resize leaves the layout alone.
inline constexpr int MinWidth = 93;
inline constexpr int MinHeight = 85;

struct TVector {
    long double X = 0;
    long double Y = 0;
};

// Half-unit vectors at 90, 30, -30, -90, -150 and 150 degrees. They give the
// vertices of a cell (point at the bottom first) and, with their components
// crossed over, the six honeycomb corners clockwise from the right.
const std::array<TVector, 6>& CornerVectors();

struct TRGBFloat {
    float R = 0;
    float G = 0;
    float B = 0;
};

// The pure corner colours in sector order: magenta, red, yellow, green,
// cyan, blue.
const std::array<TRGBFloat, 6>& CornerColors();

struct THexaLayout {
    int Radius = 0;
    int CombSize = 0;
    TRect HexRect;
    TRect GrayRect;
    TRect SliderRect;
};

// The radius a control of w x h gets. Never below 1, so a slider wider than
// the control cannot produce a negative honeycomb.
int RadiusFromSize(int w, int h, bool sliderVisible, int sliderWidth);
THexaLayout ComputeLayout(int radius, bool sliderVisible, int sliderWidth);
// Height of the picture the control renders: honeycomb plus grey row.
inline int PictureHeight(const THexaLayout& l) { return 2 * l.Radius + 2 * l.CombSize + 4; }
// Centre of the honeycomb in client pixels.
inline TIntPoint HexCentre(const THexaLayout& l)
{
    return {l.Radius + l.HexRect.Left, l.Radius + l.HexRect.Top};
}

TColor FloatRGBToColor(float r, float g, float b);
inline TColor GrayLevelToColor(std::uint8_t v) { return RGBColor(v, v, v); }

// The 127 honeycomb cells for a centre colour and radius. Colours are
// accumulated ring by ring in 32-bit floats: that accumulation, not exact
// arithmetic, decides which way a half goes (the cell halfway from white to
// magenta is 255, 127, 255), and the picker's colours must match it.
TCombArray BuildHexCombs(TRGBFloat centre, int radius);
// The 17 grey cells: white, fifteen greys in a zig-zag of two rows, black.
TCombArray BuildGrayCombs(int combSize);
// Writes the fixed arrow-key numbers into both tables (see NextNavNumber).
void AssignNavNumbers(TCombArray& hex, TCombArray& gray);

// The six vertices of a cell of the given size centred at (x, y).
std::array<TIntPoint, 6> CombHexagon(int x, int y, int size);

// The arrow-key ring: 1..127 through the honeycomb in reading order, then
// -1..-15 through the grey row's zig-zag, then back to 1.
int NextNavNumber(int n);
int PreviousNavNumber(int n);

bool CombContainsPoint(const TCombRecord& cell, TIntPoint p, int r);
// The first cell in array order whose circle contains client point (x, y),
// or -1. Neighbouring circles overlap; the lower index wins.
int HitHexComb(const TCombArray& hex, const THexaLayout& l, int x, int y);
int HitGrayComb(const TCombArray& gray, const THexaLayout& l, int x, int y);

} // namespace hexa
