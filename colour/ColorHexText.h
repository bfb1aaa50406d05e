#pragma once
// Six upper-case hexadecimal digits, red first, no prefix: the text the
// hints and the overlay show and that callers prefix with "#" for HTML.
#include <string>

#include "colour/ColorTypes.h"

std::string ColorToHexText(TColor c);
