#include "colour/ColorCMYK.h"

#include <algorithm>

void CMYKFromColor(TColor c, int& C, int& M, int& Y, int& K)
{
    C = 255 - GetRValue(c);
    M = 255 - GetGValue(c);
    Y = 255 - GetBValue(c);
    K = std::min({C, M, Y});
    C -= K;
    M -= K;
    Y -= K;
}

int CyanOf(TColor c)
{
    int C, M, Y, K;
    CMYKFromColor(c, C, M, Y, K);
    return C;
}

int MagentaOf(TColor c)
{
    int C, M, Y, K;
    CMYKFromColor(c, C, M, Y, K);
    return M;
}

int YellowOf(TColor c)
{
    int C, M, Y, K;
    CMYKFromColor(c, C, M, Y, K);
    return Y;
}

int BlackOf(TColor c)
{
    int C, M, Y, K;
    CMYKFromColor(c, C, M, Y, K);
    return K;
}
