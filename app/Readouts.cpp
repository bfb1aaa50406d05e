#include "app/Readouts.h"

#include <cmath>
#include <cstdio>

#include "colour/ColorNameLibrary.h"
#include "colour/RealColorLibrary.h"

namespace {

struct NamedColour {
    const char* name;
    TColor value;
};

// The colour constants a screen pixel can equal (system colours have a
// non-zero top byte and never come from the screen).
constexpr NamedColour kNamed[] = {
    {"clBlack", RGBColor(0, 0, 0)},         {"clMaroon", RGBColor(128, 0, 0)},
    {"clGreen", RGBColor(0, 128, 0)},       {"clOlive", RGBColor(128, 128, 0)},
    {"clNavy", RGBColor(0, 0, 128)},        {"clPurple", RGBColor(128, 0, 128)},
    {"clTeal", RGBColor(0, 128, 128)},      {"clGray", RGBColor(128, 128, 128)},
    {"clSilver", RGBColor(192, 192, 192)},  {"clRed", RGBColor(255, 0, 0)},
    {"clLime", RGBColor(0, 255, 0)},        {"clYellow", RGBColor(255, 255, 0)},
    {"clBlue", RGBColor(0, 0, 255)},        {"clFuchsia", RGBColor(255, 0, 255)},
    {"clAqua", RGBColor(0, 255, 255)},      {"clWhite", RGBColor(255, 255, 255)},
    {"clMoneyGreen", RGBColor(192, 220, 192)}, {"clSkyBlue", RGBColor(166, 202, 240)},
    {"clCream", RGBColor(255, 251, 240)},   {"clMedGray", RGBColor(160, 160, 164)},
};

// Fixed notation with the locale's decimal separator.
std::string Fixed(double v, int decimals, const QLocale& locale)
{
    if (std::isnan(v))
        return "NAN";
    QString s = QString::number(v, 'f', decimals);
    const QString sep = locale.decimalPoint();
    if (!sep.isEmpty())
        s.replace(QLatin1Char('.'), sep);
    return s.toStdString();
}

} // namespace

QString CoordsText(int x, int y)
{
    return QString("%1,\r%2").arg(x).arg(y);
}

TColor AverageBlock(const TColor* pixels, int count)
{
    std::uint32_t r = 0, g = 0, b = 0;
    for (int i = 0; i < count; ++i) {
        r += GetRValue(pixels[i]);
        g += GetGValue(pixels[i]);
        b += GetBValue(pixels[i]);
    }
    const std::uint32_t n = std::uint32_t(count > 0 ? count : 1);
    return RGBColor(std::uint8_t(r / n), std::uint8_t(g / n), std::uint8_t(b / n));
}

std::string ColorIdentText(TColor c)
{
    for (const NamedColour& n : kNamed)
        if (n.value == c)
            return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", unsigned(c));
    return buf;
}

std::string RGBTripleText(TColor c)
{
    return std::to_string(GetRValue(c)) + ", " + std::to_string(GetGValue(c)) + ", " + std::to_string(GetBValue(c));
}

std::string HSVText(TColor c, const QLocale& locale)
{
    float h = 0, s = 0, v = 0;
    RealRGBToHSV(GetRValue(c) / 255.0f, GetGValue(c) / 255.0f, GetBValue(c) / 255.0f, h, s, v);
    return "HSV(" + Fixed(h, 1, locale) + ", " + Fixed(s, 3, locale) + ", " + Fixed(v, 3, locale) + ")";
}

std::string InfoLine(TColor c, const std::string& colorName, const QLocale& locale)
{
    const std::string rgb = "RGB(" + RGBTripleText(c) + ")     ";
    if (c == 0)
        return "clBlack      " + rgb + HSVText(c, locale) + "     " + colorName;
    return ColorIdentText(c) + "     " + rgb + HSVText(c, locale) + "      ";
}

std::string ColorNameFor(TColor)
{
    return X11ColorNames[1];
}
