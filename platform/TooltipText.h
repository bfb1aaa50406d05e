#pragma once
// Hint texts separate their lines with LF CR (the seven-line picker format),
// CR LF or a lone CR (the overlay's format). Qt's tooltip label starts a new
// line at each of these characters, so such pairs would show double spaced:
// for display, every pair or lone line-break character becomes one line feed.
// The hint text itself keeps its own characters.
#include <QString>

namespace platform {

QString TooltipText(const QString& hint);

} // namespace platform
