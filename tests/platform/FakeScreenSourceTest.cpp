#include "platform/FakeScreenSource.h"

#include <gtest/gtest.h>

#include <vector>

using platform::FakeScreenSource;

namespace {

// A 4 x 3 screen whose pixel (x, y) has red x * 10 + 1, green y * 10 + 1,
// blue 7, so every position is told apart and none is black or white.
QImage Numbered()
{
    QImage img(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, qRgb(x * 10 + 1, y * 10 + 1, 7));
    return img;
}

TColor At(int x, int y)
{
    if (x < 0 || y < 0 || x >= 4 || y >= 3)
        return clInvalid;
    return RGBColor(std::uint8_t(x * 10 + 1), std::uint8_t(y * 10 + 1), 7);
}

TEST(FakeScreenSource, PixelsAreTColorsAndOffScreenReadsAreInvalid)
{
    FakeScreenSource screen(Numbered(), {2, 1});
    EXPECT_EQ(screen.PrimarySize(), QSize(4, 3));
    EXPECT_EQ(screen.CursorPos(), QPoint(2, 1));
    EXPECT_EQ(screen.Pixel({2, 1}), RGBColor(21, 11, 7));
    for (QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(4, 0), QPoint(0, 3)})
        EXPECT_EQ(screen.Pixel(p), clInvalid) << p.x() << "," << p.y();
}

TEST(FakeScreenSource, BlocksReadOneRoundTripAndFillWhatIsOffScreen)
{
    struct Case {
        QPoint topLeft;
        int n;
    } const cases[] = {{{1, 0}, 3}, {{-1, -1}, 3}, {{2, 1}, 3}, {{-2, -2}, 5}, {{5, 5}, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.topLeft.x() << "," << c.topLeft.y() << " n " << c.n);
        FakeScreenSource screen(Numbered());
        std::vector<TColor> got(std::size_t(c.n * c.n), 0);
        screen.Block(c.topLeft, c.n, got.data());
        EXPECT_EQ(screen.Reads(), 1);
        for (int y = 0; y < c.n; ++y)
            for (int x = 0; x < c.n; ++x)
                EXPECT_EQ(got[std::size_t(y * c.n + x)], At(c.topLeft.x() + x, c.topLeft.y() + y)) << x << "," << y;
    }
}

TEST(FakeScreenSource, GrabCopiesTheRectangleAndFillsTheRestWhite)
{
    FakeScreenSource screen(Numbered());
    const QImage img = screen.Grab(QRect(-1, 1, 3, 3));
    ASSERT_EQ(img.size(), QSize(3, 3));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            const TColor want = At(x - 1, y + 1);
            const QRgb expected = want == clInvalid ? 0xFFFFFFFFu : qRgb(GetRValue(want), GetGValue(want), GetBValue(want));
            EXPECT_EQ(img.pixel(x, y), expected) << x << "," << y;
        }
}

} // namespace
