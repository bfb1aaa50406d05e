// The zoom view: the source rectangle, the enlargement and the crosshair.
#include <QSlider>
#include <QCheckBox>

#include "app/Controls.h"
#include "app/Zoom.h"
#include "tests/app/AppFixture.h"

namespace {

struct SourceCase {
    QPoint pointer;
    int position;
    QRect source;
};

class ZoomSource : public ::testing::TestWithParam<SourceCase> {};

TEST_P(ZoomSource, RectangleAroundThePointerKeptOnTheScreen)
{
    const SourceCase c = GetParam();
    const ZoomGeometry z = ComputeZoom(c.pointer, c.position, QSize(132, 87), QSize(1024, 768));
    EXPECT_EQ(z.source, c.source);
    EXPECT_EQ(z.armX, 33);
    EXPECT_EQ(z.armY, 21);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoomSource,
    ::testing::Values(SourceCase{{500, 400}, 4, QRect(QPoint(494, 396), QPoint(505, 403))},
                      SourceCase{{2, 2}, 4, QRect(0, 0, 12, 8)},
                      SourceCase{{1023, 767}, 1, QRect(QPoint(980, 740), QPoint(1023, 767))},
                      // Each position's size: dx, dy rounded with ties to even.
                      SourceCase{{500, 400}, 1, QRect(478, 386, 44, 28)},
                      SourceCase{{500, 400}, 2, QRect(489, 393, 22, 14)},
                      SourceCase{{500, 400}, 3, QRect(493, 395, 14, 10)},
                      SourceCase{{500, 400}, 5, QRect(496, 397, 8, 6)},
                      SourceCase{{500, 400}, 6, QRect(496, 398, 8, 4)}));

// The crosshair's centre must sit inside the enlarged block of the pointer's
// own pixel, whatever the zoom: find that block on a rendering without the
// crosshair, then check the centre and the arms on one with it.
class Crosshair : public AppTest, public ::testing::WithParamInterface<int> {};

TEST_P(Crosshair, CentreInsideThePointersPixel)
{
    const int position = GetParam();
    QImage& screen = screen_->Image();
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            screen.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 200));
    const QPoint pointer(700, 600);
    screen.setPixel(pointer, qRgb(255, 0, 255));
    screen_->SetCursorPos(pointer);

    TMainForm& f = Form();
    f.move(0, 0);
    f.Slider->setValue(position);
    f.cbSrediste->setChecked(false);
    f.Timer1Timer();
    const QImage plain = f.Image1->Picture().copy();
    ASSERT_FALSE(plain.isNull());
    f.cbSrediste->setChecked(true);
    f.Timer1Timer();
    const QImage marked = f.Image1->Picture();
    const QPoint c = f.CrosshairCentre();
    EXPECT_EQ(plain.pixel(c) & 0xFFFFFF, 0xFF00FFu) << "position " << position;
    EXPECT_EQ(marked.pixel(c) & 0xFFFFFF, 0u);
    // Arms: 33 to each side horizontally and 21 vertically, end points excluded.
    EXPECT_EQ(marked.pixel(c.x() - 33, c.y()) & 0xFFFFFF, 0u);
    EXPECT_EQ(marked.pixel(c.x() + 32, c.y()) & 0xFFFFFF, 0u);
    EXPECT_EQ(marked.pixel(c.x() + 33, c.y()), plain.pixel(c.x() + 33, c.y()));
    EXPECT_EQ(marked.pixel(c.x(), c.y() - 21) & 0xFFFFFF, 0u);
    EXPECT_EQ(marked.pixel(c.x(), c.y() + 21), plain.pixel(c.x(), c.y() + 21));
    // The copy is enlarged without smoothing: every image pixel is a screen pixel.
    EXPECT_EQ(qBlue(plain.pixel(0, 0)), 200);
}

INSTANTIATE_TEST_SUITE_P(Positions, Crosshair, ::testing::Range(1, 7));

TEST_F(AppTest, ZoomHidesOverTheMainWindow)
{
    TMainForm& f = Form();
    f.show();
    f.move(100, 100);
    screen_->SetCursorPos(f.frameGeometry().center());
    f.Timer1Timer();
    EXPECT_TRUE(f.Image1->isHidden());
    screen_->SetCursorPos(QPoint(f.frameGeometry().right() + 20, 10));
    f.Timer1Timer();
    EXPECT_FALSE(f.Image1->isHidden());
}

} // namespace
