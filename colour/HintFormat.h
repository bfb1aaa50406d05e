#pragma once
// Tooltip texts of the pickers: a user-settable format whose placeholders
// ("%hex", "%r", "%cieL", ...) stand for the numbers of one colour in many
// models at once. Texts are UTF-8; letter case is folded for ASCII only, so
// multi-byte characters always pass through untouched.
#include <string>
#include <string_view>

#include "colour/ColorTypes.h"

// The seven-line format every picker starts with. Lines end in a line feed
// followed by a carriage return; the last line has no ending.
inline constexpr std::string_view DefaultHintFormat =
    "Hex #%hex\n\r"
    "RGB[%r, %g, %b]\n\r"
    "HSL[%hslH, %hslS, %hslL]\n\r"
    "HSV[%hsvH, %hsvS, %hsvV]\n\r"
    "CMYK[%c, %m, %y, %k]\n\r"
    "L*a*b*[%cieL, %cieA, %cieB]\n\r"
    "XYZ[%cieX, %cieY, %cieZ]";

// Every occurrence of token, ignoring case, replaced by value: left to
// right, without overlaps, and the inserted value is not searched again.
// An empty token matches nothing.
std::string ReplaceAllNoCase(std::string_view text, std::string_view token, std::string_view value);

// The format with its 25 placeholders replaced for colour c. The longer
// placeholders go first ("%hex", "%hslH" before "%h", "%cie..." before
// "%c"), so a short one never eats the start of a long one. There is no
// escape for a literal percent sign.
std::string ExpandHintFormat(std::string_view format, TColor c);
