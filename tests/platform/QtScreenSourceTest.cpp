// The QScreen reader on the offscreen platform, whose screen grab composes
// the application's own windows: a window of known colours stands for the
// screen's content.
#include "platform/QtScreenSource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Left half one colour, right half another, so a read that is one pixel off
// shows.
class Halves : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(0, 0, width() / 2, height(), QColor(200, 10, 20));
        p.fillRect(width() / 2, 0, width() - width() / 2, height(), QColor(5, 100, 250));
    }
};

class QtScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen_ = QGuiApplication::primaryScreen()->geometry();
        ASSERT_FALSE(screen_.isEmpty());
        // At the screen's top-left corner, so reads across the edge see it.
        halves_.setWindowFlags(Qt::FramelessWindowHint);
        halves_.setGeometry(0, 0, 20, 10);
        halves_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&halves_));
        QTest::qWait(20);
    }

    QRect screen_;
    Halves halves_;
    platform::QtScreenSource source_;
};

const TColor kLeft = RGBColor(200, 10, 20);
const TColor kRight = RGBColor(5, 100, 250);

TEST_F(QtScreen, PixelsAndOffScreenReads)
{
    if (source_.Pixel({0, 0}) != kLeft)
        GTEST_SKIP() << "this platform's screen grab does not show the test's window";
    EXPECT_EQ(source_.PrimarySize(), screen_.size());
    EXPECT_EQ(source_.Pixel({9, 5}), kLeft);
    EXPECT_EQ(source_.Pixel({10, 5}), kRight);
    EXPECT_EQ(source_.Pixel({-1, 0}), clInvalid);
    EXPECT_EQ(source_.Pixel({0, -1}), clInvalid);
    EXPECT_EQ(source_.Pixel({screen_.width(), 0}), clInvalid);
    EXPECT_EQ(source_.Pixel({0, screen_.height()}), clInvalid);
}

TEST_F(QtScreen, BlocksAndGrabsAcrossTheCorner)
{
    if (source_.Pixel({0, 0}) != kLeft)
        GTEST_SKIP() << "this platform's screen grab does not show the test's window";
    std::vector<TColor> block(9, 0);
    source_.Block({8, -1}, 3, block.data());
    const TColor want[9] = {clInvalid, clInvalid, clInvalid, kLeft, kLeft, kRight, kLeft, kLeft, kRight};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(block[std::size_t(i)], want[i]) << "cell " << i;

    const QImage img = source_.Grab(QRect(-2, 0, 14, 3));
    ASSERT_EQ(img.size(), QSize(14, 3));
    EXPECT_EQ(img.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(img.pixel(1, 2), 0xFFFFFFFFu);
    EXPECT_EQ(img.pixel(2, 0), qRgb(200, 10, 20));
    EXPECT_EQ(img.pixel(11, 2), qRgb(200, 10, 20));
    EXPECT_EQ(img.pixel(12, 1), qRgb(5, 100, 250));
}

TEST_F(QtScreen, CursorPositionIsQtsPointer)
{
    QCursor::setPos(123, 45);
    EXPECT_EQ(source_.CursorPos(), QPoint(123, 45));
}

} // namespace
