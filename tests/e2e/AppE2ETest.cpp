// The program's window on the real X server: real pixels under the real
// pointer, and the clipboard as another client reads it.
#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/Controls.h"
#include "app/HuelarkMain.h"
#include "platform/ScreenSource.h"
#include "tests/e2e/E2ESupport.h"

namespace {

class AppE2E : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        platform::SetScreen(nullptr); // the real screen
    }

    std::unique_ptr<TMainForm> StartForm()
    {
        auto f = std::make_unique<TMainForm>();
        f->move(platform::ToLogical(QPoint(20, 20)));
        f->show();
        e2e::Wait(100);
        return f;
    }

    QTemporaryDir config_;
};

TEST_F(AppE2E, CopyCommandsPutTheirExactTextsOnTheClipboard)
{
    auto swatch = e2e::ShowSwatch(QRect(700, 300, 120, 120), QColor(64, 128, 255));
    auto f = StartForm();
    e2e::MovePointer(760, 360);
    e2e::Wait(150); // several sampler ticks
    ASSERT_EQ(f->Edit1->text(), "$00FF8040     ");

    f->CustomItem5->trigger();
    EXPECT_EQ(e2e::ReadClipboard(), "$00FF8040     ");
    f->CustomItem6->trigger();
    EXPECT_EQ(e2e::ReadClipboard(), "64, 128, 255     ");
    f->TrackR->setValue(255);
    f->TrackG->setValue(128);
    f->CustomItem4->trigger();
    EXPECT_EQ(e2e::ReadClipboard(), "#FF8000");
}

TEST_F(AppE2E, CopyBeforeTheFirstTickCopiesAnEmptyText)
{
    auto f = std::make_unique<TMainForm>();
    f->PickTmr->stop();
    f->CustomItem6->trigger();
    EXPECT_EQ(e2e::ReadClipboard(), "");
    f->CustomItem4->trigger();
    EXPECT_EQ(e2e::ReadClipboard(), "#000000");
    f->CustomItem5->trigger();
    EXPECT_EQ(e2e::ReadClipboard(), "");
}

TEST_F(AppE2E, MagnifierShowsThePixelUnderThePointer)
{
    auto swatch = e2e::ShowSwatch(QRect(700, 300, 60, 60), QColor(200, 30, 90));
    auto f = StartForm();
    e2e::MovePointer(730, 330);
    e2e::Wait(200);
    // Read the window back from the screen as any other client would see it.
    const QPoint box = platform::ToPhysical(f->MagBox->mapToGlobal(QPoint(20, 40)));
    EXPECT_EQ(platform::Screen().Pixel(box), RGBColor(200, 30, 90));
    EXPECT_EQ(f->LabelNetscapeColor->text().left(9), "$005A1EC8");
}

} // namespace
