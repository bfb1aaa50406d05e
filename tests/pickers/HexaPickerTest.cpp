// The hexagon picker as a widget on the offscreen platform: creation and
// resizing, selection, intensity, mouse, keys, wheel, drawing and hints.
#include "pickers/HexaColorPicker.h"

#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using hexa::TRect;

namespace {

constexpr TColor kMagenta = 0xFF00FF;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kCyan = 0xFFFF00;

class HexaPicker : public ::testing::Test {
protected:
    void SetUp() override { picker = std::make_unique<THexaColorPicker>(); }
    void TearDown() override { QToolTip::hideText(); }

    // Shows the picker at w x h; showing stands in for window creation.
    void Show(int w = 204, int h = 206)
    {
        picker->resize(w, h);
        picker->show();
        ASSERT_TRUE(picker->WindowCreated());
    }

    void Record()
    {
        picker->OnChange = [this](THexaColorPicker* s) {
            EXPECT_EQ(s, picker.get());
            log.push_back("change");
            changes.push_back(s->SelectedColor());
        };
        picker->OnIntensityChange = [this](THexaColorPicker*) { log.push_back("intensity"); };
    }

    QPoint HexPoint(int index) const
    {
        const auto c = hexa::HexCentre(picker->Layout());
        const auto& cell = picker->HexCombs()[index];
        return {c.X + cell.Position.X, c.Y + cell.Position.Y};
    }
    QPoint GrayPoint(int index) const
    {
        const auto& g = picker->Layout().GrayRect;
        const auto& cell = picker->GrayCombs()[index];
        return {g.Left + cell.Position.X, g.Top + cell.Position.Y};
    }
    int HexIndexOfNumber(int n) const
    {
        for (std::size_t i = 0; i < picker->HexCombs().size(); ++i)
            if (picker->HexCombs()[i].NavNumber == n)
                return int(i);
        return -1;
    }

    // Input goes through QTest, as a user's would through the window system.
    void Press(QPoint p) { QTest::mousePress(picker.get(), Qt::LeftButton, Qt::NoModifier, p); }
    // A move carries the buttons QTest holds pressed.
    void Drag(QPoint p) { QTest::mouseMove(picker.get(), p); }
    // Straight to the picker: routed through the window system, a move can
    // land on the tooltip window that the last hint left under the pointer.
    void Hover(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(picker->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(picker.get(), &e);
    }
    void Release(QPoint p) { QTest::mouseRelease(picker.get(), Qt::LeftButton, Qt::NoModifier, p); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(picker.get(), Qt::Key(key), mods);
    }
    bool Wheel(int delta)
    {
        const QPoint p(10, 10);
        QWheelEvent e(QPointF(p), QPointF(picker->mapToGlobal(p)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker.get(), &e);
        return e.isAccepted();
    }
    // Asks for the hint at p the way the platform does, after a move there.
    QString ToolTipAt(QPoint p)
    {
        Hover(p);
        QToolTip::hideText();
        QHelpEvent e(QEvent::ToolTip, p, picker->mapToGlobal(p));
        QApplication::sendEvent(picker.get(), &e);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    std::unique_ptr<THexaColorPicker> picker;
    std::vector<std::string> log;
    std::vector<TColor> changes;
};

// ---- Creation and geometry --------------------------------------------------

struct SizeRow {
    const char* name;
    int w, h;
    bool show, slider;
    int radius, combSize;
    TRect hex, gray, sliderRect;
};

class HexaPickerSizes : public ::testing::TestWithParam<SizeRow> {};

TEST_P(HexaPickerSizes, LayoutFollowsTheSizeOnceTheWindowExists)
{
    const SizeRow& row = GetParam();
    THexaColorPicker picker;
    picker.SetSliderVisible(row.slider);
    picker.resize(row.w, row.h);
    if (row.show)
        picker.show();
    EXPECT_EQ(picker.Radius(), row.radius);
    EXPECT_EQ(picker.CombSize(), row.combSize);
    EXPECT_EQ(picker.Layout().HexRect, row.hex);
    EXPECT_EQ(picker.Layout().GrayRect, row.gray);
    EXPECT_EQ(picker.Layout().SliderRect, row.sliderRect);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HexaPickerSizes,
    ::testing::Values(
        SizeRow{"Construction", 204, 206, true, true, 91, 16, {0, -11, 182, 171}, {0, 167, 214, 203}, {182, 16, 204, 155}},
        SizeRow{"MainWindow", 257, 305, true, true, 118, 21, {0, -14, 236, 222}, {0, 218, 281, 264}, {236, 21, 258, 201}},
        SizeRow{"BeforeTheWindowExists", 257, 305, false, true, 90, 16, {0, -11, 180, 169}, {0, 165, 214, 201}, {180, 16, 202, 153}},
        SizeRow{"Minimum", 93, 85, true, true, 36, 7, {0, -4, 72, 68}, {0, 64, 94, 82}, {72, 7, 94, 61}},
        SizeRow{"SliderHidden", 150, 206, true, false, 70, 13, {0, -8, 140, 132}, {0, 128, 174, 158}, {-1, -1, -1, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HexaPicker, PictureCoversHoneycombAndGreyRowAtTheMainWindowSize)
{
    Show(257, 305);
    EXPECT_EQ(picker->Picture().size(), QSize(257, 282));
}

TEST_F(HexaPicker, BelowTheMinimumSizeTheLayoutStaysAndNoResizeIsReported)
{
    Show();
    int resizes = 0;
    picker->OnResize = [&](THexaColorPicker*) { ++resizes; };
    // A form may lower the constraints; the control still keeps its layout.
    picker->setMinimumSize(0, 0);
    picker->resize(92, 85);
    EXPECT_EQ(picker->width(), 92);
    EXPECT_EQ(picker->Radius(), 91);
    EXPECT_EQ(resizes, 0);
    picker->resize(93, 84);
    EXPECT_EQ(picker->Radius(), 91);
    EXPECT_EQ(resizes, 0);
    picker->resize(93, 85);
    EXPECT_EQ(picker->Radius(), 36);
    EXPECT_EQ(resizes, 1);
}

TEST_F(HexaPicker, MinimumSizeIsEnforced)
{
    Show();
    picker->resize(40, 40);
    EXPECT_EQ(picker->size(), QSize(93, 85));
}

TEST_F(HexaPicker, WindowCreationSelectsBlack)
{
    Record();
    picker->SetSelectedColor(0x123456);
    const int beforeShow = int(changes.size());
    // Only the first show creates; the colour written before it stays.
    picker->show();
    EXPECT_EQ(int(changes.size()), beforeShow);

    auto fresh = std::make_unique<THexaColorPicker>();
    int freshChanges = 0;
    fresh->OnChange = [&](THexaColorPicker* s) {
        ++freshChanges;
        EXPECT_EQ(s->SelectedColor(), clBlack);
    };
    fresh->show();
    EXPECT_EQ(freshChanges, 1);
    EXPECT_EQ(fresh->SelectedCode(), -17);
}

TEST_F(HexaPicker, FirstWriteBeforeTheWindowExistsKeepsItsOwnColour)
{
    Record();
    picker->SetSelectedColor(kRed);
    // Creation's black comes first, then the write itself.
    EXPECT_EQ(changes, (std::vector<TColor>{clBlack, kRed}));
    EXPECT_EQ(picker->SelectedColor(), kRed);
    EXPECT_EQ(picker->SelectedCode(), 38);
}

TEST_F(HexaPicker, SliderWidthResizesTheControlAndIsDroppedWhileHidden)
{
    Show();
    picker->SetSliderWidth(20);
    EXPECT_EQ(picker->width(), picker->Layout().SliderRect.Right + 2);
    EXPECT_EQ(picker->Layout().SliderRect.Right - picker->Layout().SliderRect.Left, 30);

    picker->SetSliderVisible(false);
    picker->SetSliderWidth(5);
    picker->SetSliderVisible(true);
    EXPECT_EQ(picker->SliderWidth(), 20);
}

// ---- Selection --------------------------------------------------------------

TEST_F(HexaPicker, WhiteSelectsTheGreyRowAtAnyIntensity)
{
    Show();
    Record();
    for (int intensity : {100, 50, 0}) {
        picker->SetIntensity(intensity);
        changes.clear();
        picker->SetSelectedColor(clWhite);
        EXPECT_EQ(picker->SelectedCode(), -1) << intensity;
        EXPECT_EQ(changes, std::vector<TColor>{clWhite}) << intensity;
    }
}

TEST_F(HexaPicker, EveryWriteRaisesOnChangeEvenUnchanged)
{
    Show();
    Record();
    picker->SetSelectedColor(kMagenta);
    picker->SetSelectedColor(kMagenta);
    EXPECT_EQ(changes, (std::vector<TColor>{kMagenta, kMagenta}));
    EXPECT_EQ(picker->SelectedCode(), 17);
}

TEST_F(HexaPicker, RepeatedWriteKeepsThePictureAndANewCellRedrawsIt)
{
    Show();
    picker->SetSelectedColor(kMagenta);
    const qint64 drawn = picker->Picture().cacheKey();
    const QImage before = picker->Picture().copy();
    picker->SetSelectedColor(kMagenta);
    EXPECT_EQ(picker->Picture().cacheKey(), drawn) << "an unchanged selection is not drawn again";
    picker->SetSelectedColor(clWhite);
    EXPECT_NE(picker->Picture(), before) << "a new selection moves the marker";
    picker->SetSelectedColor(kMagenta);
    EXPECT_EQ(picker->Picture(), before);
}

TEST_F(HexaPicker, ColourOfNoCellSelectsNothingAndAnIntensityChangeWritesNone)
{
    Show();
    picker->SetSelectedColor(0x123456);
    EXPECT_EQ(picker->SelectedCode(), 0);
    EXPECT_FALSE(picker->ColorFound());
    EXPECT_EQ(picker->SelectedColor(), 0x123456u);

    Record();
    picker->SetIntensity(50);
    EXPECT_EQ(picker->SelectedColor(), clNone);
    EXPECT_EQ(log, (std::vector<std::string>{"change", "intensity"}));
    EXPECT_EQ(changes, std::vector<TColor>{clNone});
}

TEST_F(HexaPicker, SystemColourIsLookedUpByItsCurrentValue)
{
    QPalette pal = picker->palette();
    pal.setColor(QPalette::Dark, QColor(225, 225, 225));
    picker->setPalette(pal);
    Show();
    constexpr TColor clBtnShadow = 0x80000010;
    picker->SetSelectedColor(clBtnShadow);
    EXPECT_EQ(picker->SelectedCode(), -2);
    EXPECT_EQ(picker->SelectedColor(), clBtnShadow);
}

TEST_F(HexaPicker, IntensityChangeRecoloursTheSelectedCellInPlace)
{
    Show();
    picker->SetSelectedColor(picker->HexCombs()[1].Color);
    ASSERT_EQ(picker->SelectedCode(), 2);
    Record();
    picker->SetIntensity(50);
    EXPECT_EQ(picker->SelectedCode(), 2);
    EXPECT_EQ(picker->SelectedColor(), RGBColor(149, 106, 149));
    EXPECT_EQ(log, (std::vector<std::string>{"change", "intensity"}));
}

TEST_F(HexaPicker, IntensityIsClampedAndReadsBackWhole)
{
    Show();
    const std::pair<int, int> rows[] = {{150, 100}, {-5, 0}, {37, 37}, {100, 100}, {0, 0}};
    for (const auto& [written, read] : rows) {
        picker->SetIntensity(written);
        EXPECT_EQ(picker->Intensity(), read) << written;
    }
}

// ---- Keys -------------------------------------------------------------------

TEST_F(HexaPicker, ArrowKeysWalkTheRing)
{
    Show();
    struct Row {
        const char* name;
        TColor start;
        int key;
        int expectedCode; // SelectedCode afterwards
    };
    const TColor grey30 = 0x1E1E1E;
    const Row rows[] = {
        {"RedCornerRightToFirstGrey", kRed, Qt::Key_Right, -2},
        {"LastGreyRightToCyanCorner", grey30, Qt::Key_Right, 101},
        {"CyanCornerLeftToLastGrey", kCyan, Qt::Key_Left, -15},
        {"BlackRightToSixtyFive", clBlack, Qt::Key_Right, HexIndexOfNumber(65) + 1},
        {"BlackLeftToSixtyThree", clBlack, Qt::Key_Left, HexIndexOfNumber(63) + 1},
        {"WhiteRightToSixtyFive", clWhite, Qt::Key_Right, HexIndexOfNumber(65) + 1},
    };
    for (const Row& row : rows) {
        picker->SetSelectedColor(row.start);
        Key(row.key);
        EXPECT_EQ(picker->SelectedCode(), row.expectedCode) << row.name;
        EXPECT_EQ(picker->NavAnchor(), row.expectedCode > 0 ? row.expectedCode - 1 : row.expectedCode + 1)
            << row.name;
    }
}

TEST_F(HexaPicker, CtrlArrowsJumpToTheEnds)
{
    Show();
    picker->SetIntensity(40);
    Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(picker->SelectedColor(), clWhite);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(picker->SelectedColor(), clBlack);
    Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(picker->Intensity(), 100);
    Key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(picker->Intensity(), 0);
}

TEST_F(HexaPicker, UpAndDownStepByTheIncrementWithinRange)
{
    Show();
    picker->SetIntensityIncrement(5);
    picker->SetIntensity(98);
    Key(Qt::Key_Up);
    EXPECT_EQ(picker->Intensity(), 100);
    picker->SetIntensity(3);
    Key(Qt::Key_Down);
    EXPECT_EQ(picker->Intensity(), 0);
    picker->SetIntensity(50);
    Key(Qt::Key_Down);
    EXPECT_EQ(picker->Intensity(), 45);
}

TEST_F(HexaPicker, CtrlUpWithTheSliderHiddenStillReportsTheKey)
{
    picker->SetSliderVisible(false);
    Show();
    picker->SetIntensity(40);
    std::vector<int> keys;
    picker->OnKeyDown = [&](THexaColorPicker*, int& key, Qt::KeyboardModifiers) { keys.push_back(key); };
    Record();
    Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(picker->Intensity(), 40);
    EXPECT_TRUE(log.empty());
    // QTest presses Ctrl itself first; that key takes the ordinary path.
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Control, Qt::Key_Up}));
}

TEST_F(HexaPicker, ArrowKeysAreClaimedAheadOfShortcuts)
{
    Show();
    QKeyEvent e(QEvent::ShortcutOverride, Qt::Key_Right, Qt::NoModifier);
    e.ignore();
    QApplication::sendEvent(picker.get(), &e);
    EXPECT_TRUE(e.isAccepted());
}

// ---- Wheel ------------------------------------------------------------------

TEST_F(HexaPicker, WheelStepsTheIntensityOnlyWithTheSlider)
{
    Show();
    picker->SetIntensity(50);
    EXPECT_TRUE(Wheel(120));
    EXPECT_EQ(picker->Intensity(), 51);
    EXPECT_TRUE(Wheel(-240));
    EXPECT_EQ(picker->Intensity(), 49);

    picker->SetSliderVisible(false);
    EXPECT_FALSE(Wheel(120));
    EXPECT_EQ(picker->Intensity(), 49);
}

// ---- Mouse ------------------------------------------------------------------

TEST_F(HexaPicker, ClickOnACellSelectsItAndTheReleaseReportsAgain)
{
    Show();
    Record();
    const QPoint p = HexPoint(16);
    Press(p);
    EXPECT_EQ(picker->SelectedCode(), 17);
    EXPECT_EQ(changes, std::vector<TColor>{kMagenta});
    EXPECT_EQ(picker->focusWidget(), picker.get());
    Release(p);
    EXPECT_EQ(changes, (std::vector<TColor>{kMagenta, kMagenta}));
}

TEST_F(HexaPicker, ClickOnTheWhiteCentreSelectsTheWhiteGreyCell)
{
    Show();
    Press(HexPoint(0));
    Release(HexPoint(0));
    EXPECT_EQ(picker->SelectedCode(), -1);
    EXPECT_EQ(picker->SelectedColor(), clWhite);
}

TEST_F(HexaPicker, HoneycombDragIgnoresTheGreyRowAndEndsWithOneMoreChange)
{
    Show();
    Record();
    Press(HexPoint(16));
    Drag(HexPoint(37));
    EXPECT_EQ(picker->SelectedCode(), 38);
    Drag(GrayPoint(5));
    EXPECT_EQ(picker->SelectedCode(), 38);
    Release(GrayPoint(5));
    EXPECT_EQ(changes, (std::vector<TColor>{kMagenta, kRed, kRed}));

    // Released, the grey row answers a new press.
    Press(GrayPoint(5));
    EXPECT_EQ(picker->SelectedCode(), -6);
    Release(GrayPoint(5));
}

TEST_F(HexaPicker, PressInTheOverlapOfHoneycombAndGreyRowBelongsToTheGreyRow)
{
    Show();
    const auto& l = picker->Layout();
    // Grey cell 0 reaches into the honeycomb's bottom rows.
    const QPoint p(GrayPoint(0).x(), l.HexRect.Bottom - 2);
    ASSERT_TRUE(l.HexRect.Contains(p.x(), p.y()));
    Press(p);
    EXPECT_EQ(picker->SelectedCode(), -1);
    Release(p);
}

TEST_F(HexaPicker, PressOutsideEveryCellChangesNothing)
{
    Show();
    picker->SetSelectedColor(kMagenta);
    Record();
    Press(QPoint(1, 1));
    EXPECT_TRUE(changes.empty());
    // The release still closes a honeycomb drag and reports the same colour.
    Release(QPoint(1, 1));
    EXPECT_EQ(picker->SelectedCode(), 17);
    EXPECT_EQ(changes, std::vector<TColor>{kMagenta});
}

TEST_F(HexaPicker, SliderFollowsThePressAndTheDrag)
{
    Show();
    const TRect s = picker->Layout().SliderRect;
    picker->SetIntensity(40);
    picker->SetSelectedColor(kRed);
    Record();
    const int x = s.Left + 3;
    Press(QPoint(x, s.Top));
    EXPECT_EQ(picker->Intensity(), 100);
    Drag(QPoint(x, s.Top + (s.Bottom - s.Top) / 4));
    EXPECT_NEAR(picker->Intensity(), 75, 1);
    Drag(QPoint(x, s.Bottom + 30));
    EXPECT_EQ(picker->Intensity(), 0);
    Drag(QPoint(x, s.Top - 30));
    EXPECT_EQ(picker->Intensity(), 100);
    // The right edge still counts; one pixel left of the column does not,
    // and no other area takes over.
    Drag(QPoint(s.Right, s.Bottom - 1));
    EXPECT_LE(picker->Intensity(), 1);
    Drag(QPoint(s.Left - 1, s.Top));
    EXPECT_LE(picker->Intensity(), 1);
    Drag(HexPoint(16));
    EXPECT_LE(picker->Intensity(), 1);
    const std::size_t before = log.size();
    Release(HexPoint(16));
    EXPECT_EQ(log.size(), before);
    // Each step: the red cell's new colour first, then the intensity.
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "change");
    EXPECT_EQ(log[1], "intensity");
    EXPECT_EQ(picker->SelectedCode(), 38);
}

// ---- Drawing ----------------------------------------------------------------

TEST_F(HexaPicker, CornerCellsShowTheirPureColours)
{
    Show();
    picker->SetSelectedColor(0x123456);
    const QImage img = testsupport::Render(*picker);
    const std::pair<int, TColor> corners[] = {{16, 0xFF00FF}, {37, 0x0000FF}, {58, 0x00FFFF},
                                              {79, 0x00FF00}, {100, 0xFFFF00}, {121, 0xFF0000}};
    for (const auto& [index, color] : corners) {
        const QPoint p = HexPoint(index);
        EXPECT_EQ(testsupport::PixelAt(img, p.x(), p.y()), color) << "corner " << index;
    }
    const QPoint c = HexPoint(0);
    EXPECT_EQ(testsupport::PixelAt(img, c.x(), c.y()), clWhite);
    const QPoint black = GrayPoint(16);
    EXPECT_EQ(testsupport::PixelAt(img, black.x(), black.y()), clBlack);
    // The slider runs from white at its top row to black at its bottom row.
    const TRect s = picker->Layout().SliderRect;
    EXPECT_EQ(testsupport::PixelAt(img, s.Left, s.Top), clWhite);
    EXPECT_EQ(testsupport::PixelAt(img, s.Left + 11, s.Bottom - 1), clBlack);
}

// Counts the pixels of box that differ between two renders; every one of
// them must be the exact inverse (a white XOR mark).
int InvertedPixels(const QImage& marked, const QImage& plain, QRect box, bool* allInverted)
{
    int n = 0;
    *allInverted = true;
    box = box.intersected(marked.rect());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const TColor a = testsupport::PixelAt(marked, x, y);
            const TColor b = testsupport::PixelAt(plain, x, y);
            if (a != b) {
                ++n;
                if (a != (b ^ 0xFFFFFF))
                    *allInverted = false;
            }
        }
    return n;
}

TEST_F(HexaPicker, WhiteAtFullIntensityMarksTheCentreAndTheWhiteGreyCell)
{
    Show();
    const int cs = picker->CombSize();
    picker->SetSelectedColor(0x123456);
    const QImage plain = testsupport::Render(*picker);
    picker->SetSelectedColor(clWhite);
    const QImage marked = testsupport::Render(*picker);

    bool inverted = false;
    const QPoint c = HexPoint(0);
    EXPECT_GE(InvertedPixels(marked, plain, QRect(c.x() - cs, c.y() - cs, 2 * cs, 2 * cs), &inverted), 40);
    EXPECT_TRUE(inverted);
    const QPoint g = GrayPoint(0);
    EXPECT_GE(InvertedPixels(marked, plain, QRect(g.x() - 2 * cs, g.y() - 2 * cs, 4 * cs, 4 * cs), &inverted), 80);
    EXPECT_TRUE(inverted);

    // At 50 % the centre is grey: only the grey cell carries the mark.
    picker->SetIntensity(50);
    picker->SetSelectedColor(0x123456);
    const QImage plainHalf = testsupport::Render(*picker);
    picker->SetSelectedColor(clWhite);
    const QImage markedHalf = testsupport::Render(*picker);
    EXPECT_EQ(InvertedPixels(markedHalf, plainHalf, QRect(c.x() - cs, c.y() - cs, 2 * cs, 2 * cs), &inverted), 0);
}

TEST_F(HexaPicker, SelectedHoneycombCellIsMarkedAndOnlyThere)
{
    Show();
    const int cs = picker->CombSize();
    picker->SetSelectedColor(0x123456);
    const QImage plain = testsupport::Render(*picker);
    picker->SetSelectedColor(kMagenta);
    const QImage marked = testsupport::Render(*picker);
    const QPoint m = HexPoint(16);
    const QRect box(m.x() - cs, m.y() - cs, 2 * cs, 2 * cs);
    bool inverted = false;
    const int inBox = InvertedPixels(marked, plain, box, &inverted);
    EXPECT_GE(inBox, 40);
    EXPECT_TRUE(inverted);
    EXPECT_EQ(InvertedPixels(marked, plain, marked.rect(), &inverted), inBox);
    // The centre of the marked cell keeps its colour.
    EXPECT_EQ(testsupport::PixelAt(marked, m.x(), m.y()), kMagenta);
}

TEST_F(HexaPicker, SliderMarkersSitAtTheLevel)
{
    Show();
    const TRect s = picker->Layout().SliderRect;
    const int h = s.Bottom - s.Top - 1;
    const int x = s.Left + picker->SliderWidth() + 1;
    const TColor bg = testsupport::PixelAt(testsupport::Render(*picker), s.Right - 1, s.Top + h / 2);

    picker->SetIntensity(100);
    QImage img = testsupport::Render(*picker);
    EXPECT_EQ(testsupport::PixelAt(img, x + 5, s.Top), clBlack);
    EXPECT_EQ(testsupport::PixelAt(img, x + 5, s.Top + h), bg);
    picker->SetIntensity(0);
    img = testsupport::Render(*picker);
    EXPECT_EQ(testsupport::PixelAt(img, x + 5, s.Top + h), clBlack);
    EXPECT_EQ(testsupport::PixelAt(img, x + 5, s.Top), bg);

    // The rectangle inverts a frame 3 pixels either side of the gradient.
    picker->SetSliderMarker(THexaColorPicker::smRect);
    picker->SetIntensity(50);
    const int y = s.Top + h / 2;
    img = testsupport::Render(*picker);
    EXPECT_EQ(testsupport::PixelAt(img, s.Left - 3, y), bg ^ 0xFFFFFF);
    EXPECT_EQ(testsupport::PixelAt(img, x + 1, y), bg ^ 0xFFFFFF);
    EXPECT_EQ(testsupport::PixelAt(img, x + 2, y), bg);
    EXPECT_EQ(testsupport::PixelAt(img, x + 5, y), bg);

    // The seven-point arrow is white inside.
    picker->SetSliderMarker(THexaColorPicker::smArrow);
    picker->SetNewArrowStyle(true);
    img = testsupport::Render(*picker);
    EXPECT_EQ(testsupport::PixelAt(img, x + 5, y), clWhite);
    EXPECT_EQ(testsupport::PixelAt(img, s.Left - 3, y), bg);
}

// ---- Hints ------------------------------------------------------------------

TEST_F(HexaPicker, HintOverTheSliderReadsTheIntensity)
{
    Show();
    picker->SetIntensity(75);
    const TRect s = picker->Layout().SliderRect;
    const QPoint p(s.Left + 4, s.Top + 20);
    EXPECT_EQ(picker->HintTextAt(p), QStringLiteral("Intensity: 75%"));
    EXPECT_EQ(ToolTipAt(p), QStringLiteral("Intensity: 75%"));
    // The showing hint follows a wheel step.
    Wheel(120);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Intensity: 76%"));
}

TEST_F(HexaPicker, HintOverACellExpandsTheFormatForThatCell)
{
    Show();
    const QPoint m = HexPoint(16);
    EXPECT_TRUE(picker->HintTextAt(m).startsWith(QStringLiteral("RGB(255, 0, 255)\r")));
    EXPECT_EQ(ToolTipAt(m), QStringLiteral("RGB(255, 0, 255)\nHex: #FF00FF"));
    // A showing hint follows the pointer to the next cell.
    Hover(HexPoint(37));
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("RGB(255, 0, 0)")));
}

TEST_F(HexaPicker, NoHintOutsideTheCellsOrWithShowHintOff)
{
    Show();
    EXPECT_TRUE(ToolTipAt(QPoint(1, 1)).isEmpty());
    picker->SetShowHint(false);
    EXPECT_TRUE(ToolTipAt(HexPoint(16)).isEmpty());
}

TEST_F(HexaPicker, WhileHeldTheHintShowsTheSelectedCell)
{
    Show();
    Press(HexPoint(16));
    EXPECT_TRUE(picker->HintTextAt(HexPoint(37)).startsWith(QStringLiteral("RGB(255, 0, 255)")));
    EXPECT_TRUE(picker->HintTextAt(GrayPoint(5)).isNull());
    Release(HexPoint(16));
    EXPECT_TRUE(picker->HintTextAt(HexPoint(37)).startsWith(QStringLiteral("RGB(255, 0, 0)")));
}

} // namespace
