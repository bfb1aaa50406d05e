// The main window's editor, sampler, pick mode and stored setting, on a
// synthetic screen.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "app/Controls.h"
#include "app/Readouts.h"
#include "colour/ColorPacking.h"
#include "tests/app/AppFixture.h"

namespace {

struct EditorCase {
    int r, g, b;
    const char* html;
    const char* decimal;
};

class EditorTexts : public AppTest, public ::testing::WithParamInterface<EditorCase> {};

TEST_P(EditorTexts, HtmlAndDecimalFollowTheTracks)
{
    const EditorCase c = GetParam();
    TMainForm& f = Form();
    f.TrackR->setValue(c.r);
    f.TrackG->setValue(c.g);
    f.TrackB->setValue(c.b);
    EXPECT_EQ(f.HexOutEdit->text(), c.html);
    EXPECT_EQ(f.DecOutEdit->text(), c.decimal);
}

INSTANTIATE_TEST_SUITE_P(Colours, EditorTexts,
                         ::testing::Values(EditorCase{255, 128, 0, "#FF8000", "33023"},
                                           EditorCase{0, 0, 0, "#000000", "0"},
                                           EditorCase{1, 2, 3, "#010203", "197121"},
                                           EditorCase{255, 255, 255, "#FFFFFF", "16777215"}));

TEST_F(AppTest, StartsWithTheLayoutsTexts)
{
    TMainForm& f = Form();
    EXPECT_EQ(f.windowTitle(), "Tinquor 1.0");
    EXPECT_EQ(f.size(), QSize(520, 402));
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(f.HexOutEdit->text(), "#000000");
    EXPECT_EQ(f.CoordsLbl->text(), "0000, 0000");
    EXPECT_EQ(f.LabelNetscapeColor->text(), "Colors");
    EXPECT_EQ(f.Edit1->text(), "");
    EXPECT_EQ(f.Edit2->text(), "");
    EXPECT_EQ(f.EditR->text(), "0");
    EXPECT_TRUE(f.PFSBtn->isEnabled());
    EXPECT_EQ(f.suiPageControl1->currentWidget(), f.suiTabSheet2);
    EXPECT_EQ(f.suiPageControl1->tabText(0), "Circle");
    EXPECT_EQ(f.suiPageControl1->tabText(1), "Cube");
    EXPECT_FALSE(f.suiTabSheet1->isEnabled());
    EXPECT_EQ(f.TrackG->geometry(), QRect(5, 56, 150, 25));
    EXPECT_EQ(f.MagBox->geometry(), QRect(4, 4, 50, 93));
    EXPECT_EQ(f.Image1->geometry(), QRect(5, 6, 132, 87));
}

TEST_F(AppTest, MovingATrackRedrawsTheOtherBarsAndItsEdit)
{
    TMainForm& f = Form();
    const int r0 = f.GradientDraws(1), g0 = f.GradientDraws(2), b0 = f.GradientDraws(3);
    f.TrackR->setValue(200);
    EXPECT_EQ(f.GradientDraws(1), r0);
    EXPECT_EQ(f.GradientDraws(2), g0 + 1);
    EXPECT_EQ(f.GradientDraws(3), b0 + 1);
    EXPECT_EQ(f.UpDownR->Position(), 200);
    EXPECT_EQ(f.EditR->text(), "200");
    // The green bar now runs over red 200: its right end is green 254.
    const QImage& bar = f.GreenBox->Canvas();
    EXPECT_EQ(bar.pixel(127, 3), qRgb(200, 254, 0));
    EXPECT_EQ(bar.pixel(0, 6), qRgb(200, 0, 0));
}

TEST_F(AppTest, TypingIntoAnEditMovesItsTrackPerKeystroke)
{
    TMainForm& f = Form();
    f.EditG->clear();
    const int g0 = f.GradientDraws(2), r0 = f.GradientDraws(1);
    QTest::keyClicks(f.EditG, "1");
    EXPECT_EQ(f.TrackG->value(), 1);
    QTest::keyClicks(f.EditG, "2");
    EXPECT_EQ(f.TrackG->value(), 12);
    EXPECT_EQ(f.GradientDraws(2), g0);
    EXPECT_EQ(f.GradientDraws(1), r0 + 2);
    EXPECT_EQ(f.HexOutEdit->text(), "#000C00");
    // Text that is no number in range leaves the channel where it was.
    f.EditG->setText("x");
    EXPECT_EQ(f.TrackG->value(), 12);
}

TEST_F(AppTest, GradientBarsRunFromZeroTo254)
{
    TMainForm& f = Form();
    f.TrackG->setValue(10);
    const QImage& red = f.RedBox->Canvas();
    EXPECT_EQ(red.pixel(0, 0), qRgb(0, 10, 0));
    EXPECT_EQ(red.pixel(127, 0), qRgb(254, 10, 0));
    EXPECT_EQ(red.pixel(64, 0), qRgb(128, 10, 0));
}

// ---- sampling ------------------------------------------------------------------

TEST_F(AppTest, SinglePixelTickFollowsThePointer)
{
    StoreMethod(0);
    TMainForm& f = Form();
    SetPixel(500, 400, RGBColor(64, 128, 255));
    f.PickTmrTimer();
    EXPECT_EQ(f.MagPnl->Color(), RGBColor(64, 128, 255));
    EXPECT_EQ(f.CoordsLbl->text(), "500,\r400");
    EXPECT_EQ(f.Edit1->text(), "$00FF8040     ");
    EXPECT_EQ(f.Edit2->text(), "64, 128, 255     ");
    // Not picking: the editor stays.
    EXPECT_EQ(f.HexOutEdit->text(), "#000000");
    EXPECT_EQ(f.SampleBitmap().pixel(0, 0), qRgb(64, 128, 255));
}

TEST_F(AppTest, MagnifierShowsTheSample)
{
    for (int method : {0, 1}) {
        form_.reset();
        StoreMethod(method);
        screen_->Image().fill(qRgb(0, 0, 255));
        SetPixel(500, 400, RGBColor(200, 30, 90));
        TMainForm& f = Form();
        f.PickTmrTimer();
        const QImage shown = f.MagPnl->grab().toImage();
        const QRgb p = qRgb(200, 30, 90);
        // Single pixel: the whole box shows it. 3 x 3: the centre block of
        // the stretched sample and the top-left cell (which holds the centre).
        EXPECT_EQ(shown.pixel(4 + 24, 4 + 46), p) << method;
        EXPECT_EQ(shown.pixel(4 + 2, 4 + 2), p) << method;
        if (method == 1)
            EXPECT_EQ(shown.pixel(4 + 40, 4 + 80), qRgb(0, 0, 255));
        // The two columns right of the 48-pixel stretch show the panel: P.
        EXPECT_EQ(shown.pixel(4 + 49, 4 + 46), p) << method;
    }
}

TEST_F(AppTest, BlockChangeUnderAStillColourShowsTheTicksOwnStretch)
{
    // The tick stretches a 3 x 3 block to 48 x 100 (cut off by the 93-pixel
    // box); only a repaint of the panel draws it 48 x 92. With the centre
    // pixel unchanged the panel does not repaint, so row 92 shows the block's
    // bottom row, not the panel colour.
    StoreMethod(1);
    screen_->Image().fill(qRgb(0, 0, 255));
    SetPixel(500, 400, RGBColor(200, 30, 90));
    TMainForm& f = Form();
    f.show();
    f.PickTmrTimer();
    (void)f.MagPnl->grab();
    SetPixel(499, 401, RGBColor(0, 255, 0));
    f.PickTmrTimer();
    const QImage shown = f.MagPnl->grab().toImage();
    EXPECT_EQ(shown.pixel(4 + 2, 4 + 92), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(4 + 49, 4 + 92), qRgb(200, 30, 90));
}

TEST_F(AppTest, ZoomShowsItsBlackPanelBeforeTheFirstDrawing)
{
    TMainForm& f = Form();
    const QImage shown = f.Panel2->grab().toImage();
    EXPECT_EQ(shown.pixel(5 + 60, 6 + 40), qRgb(0, 0, 0));
}

struct AverageCase {
    const char* name;
    int method;
    QPoint pointer;
    TColor centre, others;
    TColor expectedEditor;
};

class Averaging : public AppTest, public ::testing::WithParamInterface<AverageCase> {};

TEST_P(Averaging, EditorGetsTheAverageReadoutsTheCentre)
{
    const AverageCase c = GetParam();
    StoreMethod(c.method);
    screen_->Image().fill(qRgb(GetRValue(c.others), GetGValue(c.others), GetBValue(c.others)));
    SetPixel(c.pointer.x(), c.pointer.y(), c.centre);
    screen_->SetCursorPos(c.pointer);
    TMainForm& f = Form();
    f.PFSBtnClick();
    f.PickTmrTimer();
    f.releaseMouse();
    EXPECT_EQ(f.EditorColor(), c.expectedEditor) << c.name;
    EXPECT_EQ(f.MagPnl->Color(), c.centre) << c.name;
    EXPECT_EQ(f.Edit2->text().toStdString(), RGBTripleText(c.centre) + "     ") << c.name;
    // The top-left cell of the sample block holds the centre pixel.
    EXPECT_EQ(f.SampleBitmap().pixel(0, 0) & 0xFFFFFF, PixelFromColor(c.centre)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Methods, Averaging,
    ::testing::Values(
        AverageCase{"single pixel", 0, {300, 300}, RGBColor(1, 2, 3), RGBColor(9, 9, 9), RGBColor(1, 2, 3)},
        // 8 x 255 + 0 = 2040; 2040 / 9 drops the remainder: 226.
        AverageCase{"3x3 one black", 1, {300, 300}, 0, clWhite, RGBColor(226, 226, 226)},
        // 24 x 0 + 249 = 249 = 24 + 25 x 9: the remainder 24 is dropped.
        AverageCase{"5x5 remainder", 2, {300, 300}, RGBColor(249, 249, 249), 0, RGBColor(9, 9, 9)},
        // Five of the nine reads are off the screen and count as white:
        // 5 x 255 + 4 x 0 = 1275, / 9 = 141.
        AverageCase{"3x3 at the corner", 1, {0, 0}, 0, 0, RGBColor(141, 141, 141)}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(AppTest, BlockIsReadInOneRoundTrip)
{
    StoreMethod(2);
    TMainForm& f = Form();
    const int before = screen_->Reads();
    f.PickTmrTimer();
    EXPECT_EQ(screen_->Reads() - before, 1);
}

// ---- the stored setting at start-up ------------------------------------------------

TEST_F(AppTest, NoStoredSettingStartsSinglePixelAndWritesIt)
{
    TMainForm& f = Form();
    EXPECT_EQ(f.SampleMethod(), 0);
    EXPECT_EQ(f.SampleBitmap().size(), QSize(1, 1));
    EXPECT_EQ(f.SampleBitmap().pixel(0, 0), qRgb(0, 0, 0));
    std::int32_t v = -1;
    ASSERT_TRUE(ReadStoredMethod(v));
    EXPECT_EQ(v, 0);
}

struct LoadCase {
    const char* name;
    bool asText;
    std::int32_t stored;
    int method, bitmap;
    std::int32_t storedAfter;
};

class SettingsLoad : public AppTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoad, MethodAndStoreAfterStartUp)
{
    const LoadCase c = GetParam();
    if (c.asText) {
        platform::SettingsKey key;
        ASSERT_TRUE(key.Open(kSettingsKey, true));
        ASSERT_TRUE(key.WriteString(kMethodValue, "two"));
    } else {
        StoreMethod(c.stored);
    }
    TMainForm& f = Form();
    EXPECT_EQ(f.SampleMethod(), c.method) << c.name;
    EXPECT_EQ(f.StoredMethod(), c.method) << c.name;
    EXPECT_EQ(f.SampleBitmap().width(), c.bitmap) << c.name;
    std::int32_t v = -1;
    ASSERT_TRUE(ReadStoredMethod(v)) << c.name;
    EXPECT_EQ(v, c.storedAfter) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsLoad,
                         ::testing::Values(LoadCase{"text", true, 0, 0, 1, 0},
                                           LoadCase{"3x3", false, 1, 1, 3, 1},
                                           LoadCase{"5x5", false, 2, 2, 5, 2},
                                           // Only the low 8 bits count, and the store keeps 257.
                                           LoadCase{"257", false, 257, 1, 3, 257},
                                           // An unknown method would sample nothing for ever.
                                           LoadCase{"7", false, 7, 0, 1, 0},
                                           LoadCase{"-1", false, -1, 0, 1, 0}));

TEST_F(AppTest, UnwritableStoreStillStarts)
{
    // The configuration folder is a plain file: no key can be opened or made.
    QFile blocker(config_.path() + "/tinquor");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TMainForm& f = Form();
    EXPECT_EQ(f.SampleMethod(), 0);
    EXPECT_EQ(f.SampleBitmap().size(), QSize(1, 1));
}

// ---- pick mode --------------------------------------------------------------------

TEST_F(AppTest, PressWhilePickingEndsPickMode)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        TMainForm& f = Form();
        f.PFSBtnClick();
        ASSERT_TRUE(f.Picking());
        QTest::mousePress(&f, button, {}, QPoint(300, 390));
        EXPECT_FALSE(f.Picking()) << button;
    }
}

TEST_F(AppTest, PressWhileNotPickingChangesNothing)
{
    TMainForm& f = Form();
    QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(300, 390));
    EXPECT_FALSE(f.Picking());
    EXPECT_EQ(f.windowTitle(), "Tinquor 1.0");
}

TEST_F(AppTest, PickModeCaptionNamesTheMethodAndStays)
{
    const char* expected[3] = {"Picking Single Pixel...", "Picking 3x3 Average...", "Picking 5x5 Average..."};
    for (int m = 0; m < 3; ++m) {
        form_.reset();
        StoreMethod(m);
        TMainForm& f = Form();
        f.PFSBtnClick();
        f.suiButton1MouseUp(Qt::LeftButton);
        EXPECT_FALSE(f.Picking());
        EXPECT_FALSE(f.PickTmr->isActive());
        EXPECT_EQ(f.windowTitle(), expected[m]);
        f.releaseMouse();
    }
}

TEST_F(AppTest, PickFollowsThePointerUntilTheMouseUp)
{
    TMainForm& f = Form();
    SetPixel(500, 400, RGBColor(255, 128, 0));
    f.PFSBtnClick();
    f.PickTmrTimer();
    EXPECT_EQ(f.HexOutEdit->text(), "#FF8000");
    f.suiButton1MouseUp(Qt::LeftButton);
    f.releaseMouse();
    EXPECT_FALSE(f.PickTmr->isActive());
    EXPECT_EQ(f.HexOutEdit->text(), "#FF8000");
}

TEST_F(AppTest, NoTickAfterClose)
{
    TMainForm& f = Form();
    f.PickTmr->start();
    f.Timer1->start();
    f.close();
    EXPECT_FALSE(f.PickTmr->isActive());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_TRUE(f.SampleBitmap().isNull());
    f.PickTmrTimer(); // a tick already queued does nothing
    EXPECT_EQ(f.Edit1->text(), "");
}

} // namespace
