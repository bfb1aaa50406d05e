// Confinement where the window system offers none (here: the offscreen
// platform): the pointer is put back inside whenever Qt reports a move.
#include "platform/PointerConfine.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

class FallbackConfinement : public ::testing::Test {
protected:
    void SetUp() override
    {
        pad_.setGeometry(100, 50, 80, 60);
        pad_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pad_));
    }
    void TearDown() override { platform::ReleasePointer(); }

    // The pointer goes to global p and Qt reports the move.
    QPoint MoveTo(QPoint p)
    {
        QCursor::setPos(p);
        QMouseEvent move(QEvent::MouseMove, pad_.mapFromGlobal(p), p, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&pad_, &move);
        return QCursor::pos();
    }

    QWidget pad_;
};

TEST_F(FallbackConfinement, PutsThePointerBackInsideUntilReleased)
{
    platform::ConfinePointer(&pad_, QRect(10, 5, 30, 20));
    ASSERT_TRUE(platform::PointerConfined());
    EXPECT_EQ(platform::PointerConfinement(), QRect(110, 55, 30, 20));

    struct Case {
        QPoint to, ends;
    } const cases[] = {
        {{120, 60}, {120, 60}},
        {{0, 0}, {110, 55}},
        {{500, 500}, {139, 74}}, // right and bottom edges excluded
        {{140, 75}, {139, 74}},
        {{125, 10}, {125, 55}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MoveTo(c.to), c.ends) << c.to.x() << "," << c.to.y();

    platform::ReleasePointer();
    EXPECT_FALSE(platform::PointerConfined());
    EXPECT_EQ(MoveTo({500, 500}), QPoint(500, 500));
}

TEST_F(FallbackConfinement, ASecondCallReplacesTheFirst)
{
    platform::ConfinePointer(&pad_, QRect(0, 0, 10, 10));
    platform::ConfinePointer(&pad_, QRect(-1, -1, 82, 62));
    EXPECT_EQ(platform::PointerConfinement(), QRect(99, 49, 82, 62));
    EXPECT_EQ(MoveTo({170, 100}), QPoint(170, 100));
    EXPECT_EQ(MoveTo({0, 0}), QPoint(99, 49));
}

TEST_F(FallbackConfinement, ReleasingWhenNothingIsConfinedIsHarmless)
{
    platform::ReleasePointer();
    EXPECT_FALSE(platform::PointerConfined());
    platform::ConfinePointer(&pad_, QRect());
    EXPECT_FALSE(platform::PointerConfined());
    EXPECT_EQ(MoveTo({3, 4}), QPoint(3, 4));
}

} // namespace
