#include "colour/ColorHexText.h"

std::string ColorToHexText(TColor c)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const std::uint8_t channels[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
    std::string text(6, '0');
    for (int i = 0; i < 3; ++i) {
        text[2 * i] = digits[channels[i] >> 4];
        text[2 * i + 1] = digits[channels[i] & 0xF];
    }
    return text;
}
