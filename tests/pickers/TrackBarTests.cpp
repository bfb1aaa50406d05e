// The track-bar base through a probe subclass that paints a flat gradient and
// logs every bar action, so geometry, paint order and input routing can be
// checked without any colour arithmetic.
#include "pickers/qvTrackBarPicker.h"
#include "platform/PointerConfine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Bar = TqvTrackBarPicker;

constexpr int kChanged = -1; // log entry for OnChange

const QColor kGradient(0, 200, 0);
const QColor kWindow(10, 20, 30);
const QColor kLight(250, 250, 251);
const QColor kMidlight(220, 221, 222);
const QColor kDark(120, 121, 122);
const QColor kShadow(40, 41, 42);
const QColor kBase(255, 255, 200);

class ProbeBar : public TqvTrackBarPicker {
public:
    ProbeBar()
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kWindow);
        pal.setColor(QPalette::Light, kLight);
        pal.setColor(QPalette::Midlight, kMidlight);
        pal.setColor(QPalette::Dark, kDark);
        pal.setColor(QPalette::Shadow, kShadow);
        pal.setColor(QPalette::Base, kBase);
        setPalette(pal);
        OnChange = [this](TqvTrackBarPicker*) { log.push_back(kChanged); };
    }

    using TqvTrackBarPicker::Notify;

    std::vector<int> log;
    std::vector<bool> notifyDuring;
    std::vector<int> offsets;
    int arrowPos = 0;
    QString hint;

    void HandleBarAction(BarAction code) override
    {
        log.push_back(code);
        notifyDuring.push_back(Notify());
        offsets.push_back(ArrowOffset());
        if (code == baPaint)
            Canvas()->fillRect(GradientRect(), kGradient);
    }
    int CurrentArrowPos() override { return arrowPos; }
    QString BuildHintText() override { return hint; }

    // The log without baResize: the first grab of a hidden widget delivers
    // its pending resize, which these checks are not about.
    std::vector<int> Actions() const
    {
        std::vector<int> out;
        for (int code : log)
            if (code != baResize)
                out.push_back(code);
        return out;
    }
};

void SendMove(QWidget& w, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

QColor At(const QImage& img, int x, int y)
{
    return QColor(img.pixel(x, y));
}

std::tuple<int, int, int, int> Ltrb(const QRect& r)
{
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

QImage Render(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ShowActive(QWidget& w)
{
    w.move(100, 100);
    w.show();
    QApplication::setActiveWindow(&w);
    (void)QTest::qWaitForWindowExposed(&w);
}

} // namespace

TEST(TrackBarGeometry, NewBarHasItsGradientRectangleAndTriangle)
{
    ProbeBar bar;
    EXPECT_EQ(bar.width(), 267);
    EXPECT_EQ(bar.height(), 22);
    EXPECT_EQ(Ltrb(bar.GradientRect()), std::make_tuple(6, 0, 261, 12));
    const auto arrows = bar.ArrowPolygons(0);
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_EQ(arrows[0], QPolygon({QPoint(6, 15), QPoint(2, 21), QPoint(10, 21)}));
}

TEST(TrackBarGeometry, RectangleTableForBothLayoutsAndAllPlacements)
{
    struct Row {
        Bar::TTrackBarLayout layout;
        Bar::TSelIndicator indicator;
        Bar::TSliderPlacement placement;
        bool newStyle;
        int w, h;
        std::tuple<int, int, int, int> expected;
    };
    const Row rows[] = {
        {Bar::lyHorizontal, Bar::siArrows, Bar::spBefore, false, 267, 22, {6, 10, 261, 22}},
        {Bar::lyHorizontal, Bar::siArrows, Bar::spAfter, false, 267, 22, {6, 0, 261, 12}},
        {Bar::lyHorizontal, Bar::siArrows, Bar::spBoth, false, 267, 40, {6, 10, 261, 30}},
        {Bar::lyHorizontal, Bar::siArrows, Bar::spBefore, true, 267, 22, {8, 11, 259, 22}},
        {Bar::lyHorizontal, Bar::siArrows, Bar::spAfter, true, 267, 22, {8, 0, 259, 11}},
        {Bar::lyHorizontal, Bar::siArrows, Bar::spBoth, true, 267, 40, {8, 11, 259, 29}},
        {Bar::lyHorizontal, Bar::siRect, Bar::spAfter, false, 267, 22, {4, 5, 260, 17}},
        {Bar::lyHorizontal, Bar::siRect, Bar::spBoth, true, 267, 22, {4, 5, 260, 17}},
        {Bar::lyVertical, Bar::siArrows, Bar::spBefore, false, 22, 267, {10, 6, 22, 261}},
        {Bar::lyVertical, Bar::siArrows, Bar::spAfter, false, 22, 267, {0, 6, 12, 261}},
        {Bar::lyVertical, Bar::siArrows, Bar::spBoth, false, 40, 267, {10, 6, 30, 261}},
        {Bar::lyVertical, Bar::siArrows, Bar::spBefore, true, 22, 267, {11, 8, 22, 259}},
        {Bar::lyVertical, Bar::siArrows, Bar::spAfter, true, 22, 267, {0, 8, 11, 259}},
        {Bar::lyVertical, Bar::siArrows, Bar::spBoth, true, 40, 267, {11, 8, 29, 259}},
        {Bar::lyVertical, Bar::siRect, Bar::spBefore, false, 22, 267, {5, 4, 17, 260}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "layout " << r.layout << " indicator " << r.indicator << " placement "
                                        << r.placement << " new " << r.newStyle);
        EXPECT_EQ(Ltrb(Bar::BarRectFor(r.layout, r.indicator, r.placement, r.newStyle, r.w, r.h)), r.expected);
    }
}

TEST(TrackBarGeometry, PaintRecomputesTheRectangleFromTheCurrentSettings)
{
    ProbeBar bar;
    bar.SetLayout(Bar::lyVertical);
    bar.SetNewArrowStyle(true);
    bar.resize(22, 200);
    (void)Render(bar);
    EXPECT_EQ(Ltrb(bar.GradientRect()), std::make_tuple(0, 8, 11, 192));
}

TEST(TrackBarGeometry, ArrowShapesPlacementsAndClamping)
{
    using P = QPoint;
    struct Row {
        const char* name;
        Bar::TTrackBarLayout layout;
        Bar::TSliderPlacement placement;
        bool newStyle;
        int w, h, p;
        std::vector<QPolygon> expected;
    };
    const Row rows[] = {
        {"below, tip held at W - a", Bar::lyHorizontal, Bar::spAfter, false, 267, 22, 300,
         {QPolygon({P(261, 15), P(257, 21), P(265, 21)})}},
        {"below, negative offset held at a", Bar::lyHorizontal, Bar::spAfter, false, 267, 22, -9,
         {QPolygon({P(6, 15), P(2, 21), P(10, 21)})}},
        {"above points down", Bar::lyHorizontal, Bar::spBefore, false, 267, 22, 10,
         {QPolygon({P(16, 6), P(12, 0), P(20, 0)})}},
        {"both: lower first", Bar::lyHorizontal, Bar::spBoth, false, 267, 40, 0,
         {QPolygon({P(6, 33), P(2, 39), P(10, 39)}), QPolygon({P(6, 6), P(2, 0), P(10, 0)})}},
        {"seven-point below", Bar::lyHorizontal, Bar::spAfter, true, 267, 22, 0,
         {QPolygon({P(8, 13), P(4, 17), P(4, 19), P(5, 20), P(11, 20), P(12, 19), P(12, 17)})}},
        {"right of a vertical strip", Bar::lyVertical, Bar::spAfter, false, 22, 267, 0,
         {QPolygon({P(15, 6), P(21, 2), P(21, 10)})}},
        {"left of a vertical strip", Bar::lyVertical, Bar::spBefore, false, 22, 267, 0,
         {QPolygon({P(6, 6), P(0, 2), P(0, 10)})}},
        {"vertical both: right first", Bar::lyVertical, Bar::spBoth, false, 40, 267, 5,
         {QPolygon({P(33, 11), P(39, 7), P(39, 15)}), QPolygon({P(6, 11), P(0, 7), P(0, 15)})}},
        {"vertical seven-point sits one higher", Bar::lyVertical, Bar::spAfter, true, 22, 267, 10,
         {QPolygon({P(13, 17), P(17, 13), P(19, 13), P(20, 14), P(20, 20), P(19, 21), P(17, 21)})}},
        {"vertical seven-point held at a", Bar::lyVertical, Bar::spAfter, true, 22, 267, 0,
         {QPolygon({P(13, 8), P(17, 4), P(19, 4), P(20, 5), P(20, 11), P(19, 12), P(17, 12)})}},
        {"vertical held at H - a - 1", Bar::lyVertical, Bar::spAfter, false, 22, 100, 500,
         {QPolygon({P(15, 93), P(21, 89), P(21, 97)})}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProbeBar bar;
        bar.SetLayout(r.layout);
        bar.SetArrowPlacement(r.placement);
        bar.SetNewArrowStyle(r.newStyle);
        bar.resize(r.w, r.h);
        EXPECT_EQ(bar.ArrowPolygons(r.p), r.expected);
    }
    ProbeBar rect;
    rect.SetSelectionIndicator(Bar::siRect);
    EXPECT_TRUE(rect.ArrowPolygons(0).empty());
}

TEST(TrackBarDrawing, PaintOrderAndClassicArrowColoursFollowFocus)
{
    ProbeBar bar;
    bar.arrowPos = 40;
    QImage img = Render(bar);
    EXPECT_EQ(bar.Actions(), std::vector<int>{Bar::baPaint});
    EXPECT_EQ(At(img, 100, 5), kGradient);
    EXPECT_EQ(At(img, 3, 5), kWindow);     // left of the gradient
    EXPECT_EQ(At(img, 100, 17), kWindow);  // arrow row away from the mark
    EXPECT_EQ(At(img, 46, 15), QColor(128, 128, 128)); // the tip at offset 40
    EXPECT_EQ(At(img, 46, 19), QColor(128, 128, 128)); // inside the triangle

    ShowActive(bar);
    bar.setFocus();
    ASSERT_TRUE(bar.hasFocus());
    img = Render(bar);
    EXPECT_EQ(At(img, 46, 15), QColor(0, 0, 0));
    EXPECT_EQ(At(img, 46, 19), QColor(0, 0, 0));
}

TEST(TrackBarDrawing, SevenPointArrowUsesWindowFillAndShadowOutline)
{
    ProbeBar bar;
    bar.SetNewArrowStyle(true);
    const QImage img = Render(bar);
    // tip at (8, 13): outline on the tip, fill in the body
    EXPECT_EQ(At(img, 8, 13), kDark);
    EXPECT_EQ(At(img, 8, 18), kBase);
    EXPECT_EQ(At(img, 4, 18), kDark);
}

TEST(TrackBarDrawing, RectangleIndicatorInvertsItsOutlineOnce)
{
    ProbeBar bar;
    bar.SetSelectionIndicator(Bar::siRect);
    bar.arrowPos = 50;
    const QImage img = Render(bar);
    // outline (52, 2, 57, 20): gradient (4, 5, 260, 17) and background beneath it
    const QColor invGradient(255 - kGradient.red(), 255 - kGradient.green(), 255 - kGradient.blue());
    const QColor invWindow(255 - kWindow.red(), 255 - kWindow.green(), 255 - kWindow.blue());
    EXPECT_EQ(At(img, 52, 10), invGradient); // left side
    EXPECT_EQ(At(img, 56, 10), invGradient); // right side
    EXPECT_EQ(At(img, 54, 10), kGradient);   // inside: no fill
    EXPECT_EQ(At(img, 52, 2), invWindow);    // corners inverted exactly once
    EXPECT_EQ(At(img, 56, 19), invWindow);
    EXPECT_EQ(At(img, 54, 2), invWindow);    // top side
    EXPECT_EQ(At(img, 57, 10), kGradient);   // right edge excluded
    EXPECT_EQ(At(img, 54, 20), kWindow);     // bottom edge excluded
}

TEST(TrackBarDrawing, EdgeFlagsFromBevels)
{
    struct Row {
        Bar::TBevelCut inner, outer;
        int flags;
    };
    const Row rows[] = {
        {Bar::bvNone, Bar::bvNone, 0},    {Bar::bvLowered, Bar::bvNone, 8}, {Bar::bvRaised, Bar::bvNone, 4},
        {Bar::bvSpace, Bar::bvNone, 12},  {Bar::bvNone, Bar::bvLowered, 2}, {Bar::bvNone, Bar::bvRaised, 1},
        {Bar::bvNone, Bar::bvSpace, 3},   {Bar::bvRaised, Bar::bvLowered, 6},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Bar::EdgeFlagsFor(r.inner, r.outer), r.flags) << r.inner << "," << r.outer;
}

TEST(TrackBarDrawing, BevelFramesAreNestedAroundTheGradient)
{
    // A 267 x 40 bar with arrows on both sides has the gradient (6, 10, 261, 30),
    // so every frame is visible. The columns x = 4..8 on the left and
    // 258..262 on the right are sampled on row 20.
    struct Row {
        const char* name;
        Bar::TBorderStyle border;
        Bar::TBevelCut inner, outer;
        int width;
        std::vector<QColor> left;  // x = 4..8
        std::vector<QColor> right; // x = 258..262
    };
    const QColor G = kGradient, W = kWindow;
    const Row rows[] = {
        {"raised outer, width 2: three edges, innermost shrunk by 1", Bar::bsSingle, Bar::bvNone, Bar::bvRaised, 2,
         {W, kMidlight, kMidlight, kMidlight, G}, {G, kShadow, kShadow, kShadow, W}},
        {"raised inner alone lies on the outer ring", Bar::bsSingle, Bar::bvRaised, Bar::bvNone, 1,
         {W, kLight, kLight, G, G}, {G, G, kDark, kDark, W}},
        {"raised inner in sunken outer", Bar::bsSingle, Bar::bvRaised, Bar::bvLowered, 1,
         {W, kDark, kLight, kLight, G}, {G, kDark, kDark, kLight, W}},
        {"space draws nothing", Bar::bsSingle, Bar::bvNone, Bar::bvSpace, 1, {W, W, G, G, G}, {G, G, G, W, W}},
        {"no border style, no frame", Bar::bsNone, Bar::bvNone, Bar::bvRaised, 2, {W, W, G, G, G},
         {G, G, G, W, W}},
        {"width 0, no frame", Bar::bsSingle, Bar::bvNone, Bar::bvRaised, 0, {W, W, G, G, G}, {G, G, G, W, W}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProbeBar bar;
        bar.resize(267, 40);
        bar.SetArrowPlacement(Bar::spBoth);
        bar.SetBorderStyle(r.border);
        bar.SetBevelInner(r.inner);
        bar.SetBevelOuter(r.outer);
        bar.SetBevelWidth(r.width);
        bar.arrowPos = 120; // keep the arrows away from the sampled columns
        const QImage img = Render(bar);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(At(img, 4 + i, 20), r.left[i]) << "x " << 4 + i;
            EXPECT_EQ(At(img, 258 + i, 20), r.right[i]) << "x " << 258 + i;
        }
    }
    // The top and bottom rows of the outermost frame of the first case.
    ProbeBar bar;
    bar.resize(267, 40);
    bar.SetArrowPlacement(Bar::spBoth);
    bar.SetBorderStyle(Bar::bsSingle);
    bar.SetBevelOuter(Bar::bvRaised);
    bar.SetBevelWidth(2);
    bar.arrowPos = 120;
    const QImage img = Render(bar);
    EXPECT_EQ(At(img, 60, 9), kMidlight);
    EXPECT_EQ(At(img, 60, 11), kMidlight);
    EXPECT_EQ(At(img, 60, 12), kGradient);
    EXPECT_EQ(At(img, 60, 30), kShadow);
    EXPECT_EQ(At(img, 60, 31), kWindow);
}

TEST(TrackBarMouse, PressMapsThePointerToAnOffset)
{
    struct Row {
        Bar::TTrackBarLayout layout;
        QPoint at;
        int offset;
    };
    const Row rows[] = {
        {Bar::lyHorizontal, {3, 5}, 0},   {Bar::lyHorizontal, {400, 5}, 260}, {Bar::lyHorizontal, {6, 5}, 0},
        {Bar::lyHorizontal, {100, 5}, 94}, {Bar::lyVertical, {5, 3}, 0},      {Bar::lyVertical, {5, 50}, 44},
        {Bar::lyVertical, {5, 999}, 260},
    };
    for (const Row& r : rows) {
        ProbeBar bar;
        if (r.layout == Bar::lyVertical)
            bar.resize(22, 267);
        bar.SetLayout(r.layout);
        bar.log.clear();
        bar.offsets.clear();
        QTest::mousePress(&bar, Qt::LeftButton, {}, r.at);
        ASSERT_EQ(bar.log, std::vector<int>{Bar::baMouseDown});
        EXPECT_EQ(bar.offsets[0], r.offset) << r.at.x() << "," << r.at.y();
        EXPECT_EQ(bar.ArrowOffset(), r.offset);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, r.at);
    }
}

TEST(TrackBarMouse, LeftPressTakesFocusAndRightPressIsIgnored)
{
    QWidget window;
    ProbeBar bar;
    bar.setParent(&window);
    QWidget other(&window);
    other.setFocusPolicy(Qt::StrongFocus);
    ShowActive(window);
    other.setFocus();
    int downs = 0;
    bar.OnMouseDown = [&](Bar* sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        EXPECT_EQ(sender, &bar);
        ++downs;
    };
    bar.log.clear();

    QTest::mousePress(&bar, Qt::RightButton, {}, QPoint(100, 5));
    QTest::mouseRelease(&bar, Qt::RightButton, {}, QPoint(100, 5));
    EXPECT_TRUE(bar.log.empty());
    EXPECT_EQ(bar.ArrowOffset(), 0);
    EXPECT_FALSE(bar.hasFocus());
    EXPECT_EQ(downs, 0);

    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_TRUE(bar.hasFocus());
    EXPECT_EQ(downs, 1);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(100, 5));
}

TEST(TrackBarMouse, DragReportsOneChangePerPaintAfterTheMarkIsDrawn)
{
    ProbeBar bar;
    bar.log.clear();
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 5));
    SendMove(bar, QPoint(30, 5), Qt::LeftButton);
    EXPECT_EQ(bar.offsets.back(), 24);
    SendMove(bar, QPoint(-50, 5), Qt::LeftButton);
    EXPECT_EQ(bar.offsets.back(), 0);
    EXPECT_EQ(bar.log, (std::vector<int>{Bar::baMouseDown, Bar::baMouseMove, Bar::baMouseMove}));

    (void)Render(bar);
    EXPECT_EQ(bar.Actions(), (std::vector<int>{Bar::baMouseDown, Bar::baMouseMove, Bar::baMouseMove, Bar::baPaint,
                                               kChanged}));
    (void)Render(bar); // nothing pending any more
    EXPECT_EQ(bar.log.back(), Bar::baPaint);

    bar.log.clear();
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(bar.log, std::vector<int>{Bar::baMouseUp});
    EXPECT_EQ(bar.offsets.back(), 34);
    (void)Render(bar);
    EXPECT_EQ(bar.Actions(), (std::vector<int>{Bar::baMouseUp, Bar::baPaint, kChanged}));

    // A move without the button only reaches OnMouseMove.
    bar.log.clear();
    int moves = 0;
    bar.OnMouseMove = [&](Bar*, Qt::KeyboardModifiers, int x, int) { moves += x; };
    SendMove(bar, QPoint(70, 5), Qt::NoButton);
    EXPECT_TRUE(bar.log.empty());
    EXPECT_EQ(moves, 70);
}

TEST(TrackBarMouse, LeftDragConfinesThePointerUntilRelease)
{
    ProbeBar bar;
    ShowActive(bar);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 5));
    SendMove(bar, QPoint(30, 5), Qt::LeftButton);
    EXPECT_TRUE(platform::PointerConfined());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_FALSE(platform::PointerConfined());
}

TEST(TrackBarKeys, ArrowKeysByLayoutWithAndWithoutCtrl)
{
    constexpr int none = -2;
    struct Row {
        Bar::TTrackBarLayout layout;
        Qt::Key key;
        bool ctrl;
        int code;
    };
    const Row rows[] = {
        {Bar::lyHorizontal, Qt::Key_Left, false, Bar::baKeyLeft},
        {Bar::lyHorizontal, Qt::Key_Left, true, Bar::baKeyCtrlLeft},
        {Bar::lyHorizontal, Qt::Key_Right, false, Bar::baKeyRight},
        {Bar::lyHorizontal, Qt::Key_Right, true, Bar::baKeyCtrlRight},
        {Bar::lyHorizontal, Qt::Key_Up, false, none},
        {Bar::lyHorizontal, Qt::Key_Down, true, none},
        {Bar::lyHorizontal, Qt::Key_Home, false, none},
        {Bar::lyVertical, Qt::Key_Up, false, Bar::baKeyUp},
        {Bar::lyVertical, Qt::Key_Up, true, Bar::baKeyCtrlUp},
        {Bar::lyVertical, Qt::Key_Down, false, Bar::baKeyDown},
        {Bar::lyVertical, Qt::Key_Down, true, Bar::baKeyCtrlDown},
        {Bar::lyVertical, Qt::Key_Left, false, none},
        {Bar::lyVertical, Qt::Key_Right, true, none},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "layout " << r.layout << " key " << r.key << " ctrl " << r.ctrl);
        ProbeBar bar;
        bar.SetLayout(r.layout);
        bar.log.clear();
        bar.notifyDuring.clear();
        bar.OnKeyDown = [&](Bar*, int& key, Qt::KeyboardModifiers) {
            EXPECT_EQ(key, r.key);
            bar.log.push_back(1000);
        };
        QKeyEvent press(QEvent::KeyPress, r.key, r.ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(&bar, &press);
        if (r.code == none) {
            // only the ordinary key processing: OnKeyDown, then on to the parent
            EXPECT_EQ(bar.log, std::vector<int>{1000});
            EXPECT_FALSE(press.isAccepted());
        } else {
            EXPECT_EQ(bar.log, (std::vector<int>{r.code, kChanged, 1000}));
            EXPECT_EQ(bar.notifyDuring, std::vector<bool>{false});
            EXPECT_TRUE(bar.Notify());
            EXPECT_TRUE(press.isAccepted());
        }
    }
}

TEST(TrackBarWheel, NotchesRaiseActionsAndLayoutHandlersReplaceThem)
{
    ProbeBar bar;
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(50, 5), bar.mapToGlobal(QPointF(50, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bar, &e);
        return e.isAccepted();
    };
    bar.log.clear();
    EXPECT_TRUE(wheel(120));
    EXPECT_TRUE(wheel(-120));
    EXPECT_EQ(bar.log, (std::vector<int>{Bar::baWheelUp, kChanged, Bar::baWheelDown, kChanged}));
    EXPECT_EQ(bar.notifyDuring, (std::vector<bool>{false, false}));

    bar.log.clear();
    wheel(60);
    EXPECT_TRUE(bar.log.empty());
    wheel(60);
    EXPECT_EQ(bar.log, (std::vector<int>{Bar::baWheelUp, kChanged}));

    int mine = 0;
    bar.OnMouseWheelUp = [&](Bar*, Qt::KeyboardModifiers, QPoint, bool&) { ++mine; };
    bar.log.clear();
    EXPECT_FALSE(wheel(240)); // not marked handled: passed on
    EXPECT_EQ(mine, 2);
    EXPECT_TRUE(bar.log.empty());
}

TEST(TrackBarSetters, OnlyLayoutAndWebSafeChangesRebuild)
{
    ProbeBar bar;
    bar.log.clear();
    bar.SetLayout(Bar::lyHorizontal);
    bar.SetWebSafe(false);
    bar.SetArrowPlacement(Bar::spBoth);
    bar.SetNewArrowStyle(true);
    bar.SetSelectionIndicator(Bar::siRect);
    bar.SetBevelWidth(3);
    EXPECT_TRUE(bar.log.empty());
    bar.SetLayout(Bar::lyVertical);
    bar.SetWebSafe(true);
    EXPECT_EQ(bar.log, (std::vector<int>{Bar::baRebuild, Bar::baRebuild}));
}

TEST(TrackBarSetters, ResizeIsReportedSilently)
{
    ProbeBar bar;
    ShowActive(bar);
    bar.log.clear();
    bar.notifyDuring.clear();
    bar.resize(300, 22);
    EXPECT_EQ(bar.log, std::vector<int>{Bar::baResize});
    EXPECT_EQ(bar.notifyDuring, std::vector<bool>{false});
    EXPECT_TRUE(bar.Notify());
}

namespace {

QWidget* ToolTipLabel()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    return nullptr;
}

void AskForToolTip(QWidget& w, QPoint at)
{
    QHelpEvent e(QEvent::ToolTip, at, w.mapToGlobal(at));
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST(TrackBarHint, ToolTipIsPlacedBelowOrBesideTheBar)
{
    struct Row {
        Bar::TTrackBarLayout layout;
        QSize size;
        QPoint cursor;
        QPoint tipAt; // client point of the label's corner
    };
    const Row rows[] = {
        {Bar::lyHorizontal, {267, 22}, {120, 5}, {112, 24}},
        {Bar::lyVertical, {22, 267}, {5, 120}, {24, 112}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.layout);
        ProbeBar bar;
        bar.SetLayout(r.layout);
        bar.resize(r.size);
        bar.SetShowHint(true);
        bar.hint = "mark 42";
        ShowActive(bar);
        AskForToolTip(bar, r.cursor);
        EXPECT_EQ(QToolTip::text(), "mark 42");
        QWidget* label = ToolTipLabel();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), bar.mapToGlobal(r.tipAt));
        QToolTip::hideText();
    }
}

TEST(TrackBarHint, ShowHintOffSuppressesTheToolTip)
{
    ProbeBar bar;
    bar.hint = "never";
    ShowActive(bar);
    QToolTip::hideText();
    (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); });
    AskForToolTip(bar, QPoint(50, 5));
    EXPECT_FALSE(QToolTip::isVisible());
}
