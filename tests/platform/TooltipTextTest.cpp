// Hint texts shown as tooltips: each line break, however written, is one.
#include <gtest/gtest.h>

#include "platform/TooltipText.h"

TEST(TooltipText, EveryLineBreakBecomesOneLineFeed)
{
    const struct {
        const char* hint;
        const char* shown;
    } rows[] = {
        {"a\n\rb", "a\nb"},     // the picker hint formats
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\nb"},       // the overlay's format
        {"a\n\n\rb", "a\n\nb"}, // an empty line stays
        {"a\r\r", "a\n\n"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(platform::TooltipText(QString::fromLatin1(r.hint)), QString::fromLatin1(r.shown)) << r.hint;
}
