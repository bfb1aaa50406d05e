#include "colour/HintFormat.h"

#include <utility>

#include "colour/ColorCIE.h"
#include "colour/ColorCMYK.h"
#include "colour/ColorHSL.h"
#include "colour/ColorHSV.h"
#include "colour/ColorHexText.h"
#include "colour/Rounding.h"

namespace {

constexpr char FoldCase(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? char(ch - 'A' + 'a') : ch;
}

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view token)
{
    for (std::size_t i = 0; i < token.size(); ++i)
        if (FoldCase(text[pos + i]) != FoldCase(token[i]))
            return false;
    return true;
}

} // namespace

std::string ReplaceAllNoCase(std::string_view text, std::string_view token, std::string_view value)
{
    if (token.empty() || token.size() > text.size())
        return std::string(text);
    std::string result;
    result.reserve(text.size() + value.size());
    const std::size_t last = text.size() - token.size();
    std::size_t copied = 0;
    std::size_t pos = 0;
    while (pos <= last) {
        if (MatchesAt(text, pos, token)) {
            result.append(text, copied, pos - copied);
            result.append(value);
            pos += token.size();
            copied = pos;
        } else {
            ++pos;
        }
    }
    result.append(text, copied, std::string_view::npos);
    return result;
}

std::string ExpandHintFormat(std::string_view format, TColor c)
{
    int hslH, hslS, hslL;
    ColorToHSL(c, hslH, hslS, hslL);
    int hsvH, hsvS, hsvV;
    RGBChannelsToHSV(GetRValue(c), GetGValue(c), GetBValue(c), hsvH, hsvS, hsvV);
    int cyan, magenta, yellow, key;
    CMYKFromColor(c, cyan, magenta, yellow, key);
    const XYZColor xyz = XYZFromColor(c);
    double labL, labA, labB;
    LabFromXYZ(xyz, labL, labA, labB);
    double lchL, lchC, lchH;
    LChFromLab(labL, labA, labB, lchL, lchC, lchH);

    const auto rounded = [](double v) { return std::to_string(Round(v)); };
    const auto integer = [](int v) { return std::to_string(v); };

    // The order is the contract: longer placeholders before the shorter
    // ones that share their start.
    const std::pair<std::string_view, std::string> steps[] = {
        {"%hex", ColorToHexText(c)},
        {"%cieL", rounded(labL)},
        {"%cieA", rounded(labA)},
        {"%cieB", rounded(labB)},
        {"%cieX", rounded(xyz.X)},
        {"%cieY", rounded(xyz.Y)},
        {"%cieZ", rounded(xyz.Z)},
        {"%cieC", rounded(lchC)},
        {"%cieH", rounded(lchH)},
        {"%hslH", integer(hslH)},
        {"%hslS", integer(hslS)},
        {"%hslL", integer(hslL)},
        {"%hsvH", integer(hsvH)},
        {"%hsvS", integer(hsvS)},
        {"%hsvV", integer(hsvV)},
        {"%r", integer(GetRValue(c))},
        {"%g", integer(GetGValue(c))},
        {"%b", integer(GetBValue(c))},
        {"%c", integer(cyan)},
        {"%m", integer(magenta)},
        {"%y", integer(yellow)},
        {"%k", integer(key)},
        {"%h", integer(hslH)},
        {"%l", integer(hslL)},
        {"%v", integer(hsvV)},
    };

    std::string text(format);
    for (const auto& [placeholder, value] : steps)
        text = ReplaceAllNoCase(text, placeholder, value);
    return text;
}
