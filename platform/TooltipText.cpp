#include "platform/TooltipText.h"

namespace platform {

QString TooltipText(const QString& hint)
{
    QString out;
    out.reserve(hint.size());
    for (qsizetype i = 0; i < hint.size(); ++i) {
        const QChar ch = hint[i];
        if (ch == u'\n' || ch == u'\r') {
            const QChar other = ch == u'\n' ? u'\r' : u'\n';
            if (i + 1 < hint.size() && hint[i + 1] == other)
                ++i;
            out += u'\n';
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace platform
