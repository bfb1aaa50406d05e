// A pick as a user makes it: real clicks on the pick button, the overlay,
// real pointer moves over windows of known colour.
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/Controls.h"
#include "app/HuelarkMain.h"
#include "sampling/qvDeskPickerButton.h"
#include "platform/ScreenSource.h"
#include "tests/e2e/E2ESupport.h"

namespace {

class PickE2E : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        platform::SetScreen(nullptr);
        orange_ = e2e::ShowSwatch(QRect(650, 100, 100, 100), QColor(255, 128, 0));
        teal_ = e2e::ShowSwatch(QRect(650, 300, 100, 100), QColor(0, 128, 128));
        form_ = std::make_unique<TMainForm>();
        form_->move(platform::ToLogical(QPoint(20, 20)));
        form_->show();
        e2e::Wait(200);
    }
    void TearDown() override
    {
        form_.reset();
        e2e::Wait(50);
    }

    // A real click on the pick button, then the rest of the input while the
    // overlay is open. Returns once the overlay has closed again; what the
    // editor showed while it was open is in duringOverlay_.
    void Pick(const QStringList& inOverlay)
    {
        const QPoint b = platform::ToPhysical(form_->suiButton1->mapToGlobal(form_->suiButton1->rect().center()));
        QStringList script{"mousemove", "--sync", QString::number(b.x()), QString::number(b.y()), "click", "1",
                           "sleep", "0.5"};
        script += inOverlay;
        bool seen = false;
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (form_->qvDeskPickerButton1->ScreenForm()) {
                seen = true;
                duringOverlay_ = form_->HexOutEdit->text();
            }
        });
        watch.start();
        e2e::Start("xdotool", script);
        ASSERT_TRUE(QTest::qWaitFor([&] { return seen && !form_->qvDeskPickerButton1->ScreenForm(); }, 8000));
        e2e::Wait(100);
    }

    QString duringOverlay_;

    QTemporaryDir config_;
    std::unique_ptr<QWidget> orange_, teal_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(PickE2E, ClickPicksTheColourUnderThePointerAndKeepsIt)
{
    Pick({"mousemove", "700", "150", "sleep", "0.4", "click", "1"});
    EXPECT_EQ(duringOverlay_, "#FF8000") << "the editor follows the pointer over the overlay";
    EXPECT_FALSE(form_->PickTmr->isActive());
    EXPECT_TRUE(form_->PFSBtn->isEnabled());
    EXPECT_EQ(form_->windowTitle(), "Picking Single Pixel...");
    e2e::MovePointer(700, 350);
    e2e::Wait(150);
    EXPECT_EQ(form_->HexOutEdit->text(), "#FF8000");
    EXPECT_EQ(form_->Edit2->text(), "255, 128, 0     ");
}

TEST_F(PickE2E, RightButtonReleasePicksLikeTheLeft)
{
    Pick({"mousemove", "700", "350", "sleep", "0.4", "click", "3"});
    EXPECT_FALSE(form_->PickTmr->isActive());
    e2e::MovePointer(700, 150);
    e2e::Wait(150);
    EXPECT_EQ(form_->HexOutEdit->text(), "#008080");
    EXPECT_EQ(form_->Edit1->text(), "clTeal     ");
}

TEST_F(PickE2E, EscapeCancelsAndTheReadoutsFollowAgain)
{
    form_->TrackR->setValue(10);
    form_->TrackG->setValue(20);
    form_->TrackB->setValue(30);
    Pick({"mousemove", "700", "150", "sleep", "0.4", "key", "Escape"});
    ASSERT_EQ(duringOverlay_, "#FF8000");
    EXPECT_EQ(form_->HexOutEdit->text(), "#0A141E");
    EXPECT_TRUE(form_->PickTmr->isActive());
    EXPECT_TRUE(form_->PFSBtn->isEnabled());
    e2e::MovePointer(700, 350);
    e2e::Wait(150);
    EXPECT_EQ(form_->Edit2->text(), "0, 128, 128     ");
    EXPECT_EQ(form_->HexOutEdit->text(), "#0A141E");
}

TEST_F(PickE2E, KeyboardPickCancelledRestoresTheEditorAndTheButtonStillStops)
{
    form_->TrackR->setValue(10);
    e2e::MovePointer(700, 150);
    // Space on the focused pick button: a click without any mouse-up.
    bool opened = false, done = false;
    e2e::Start("xdotool", {"sleep", "0.6", "key", "Escape"});
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(300, [&] { opened = form_->qvDeskPickerButton1->ScreenForm() != nullptr; });
        QTest::keyClick(form_->suiButton1, Qt::Key_Space); // returns when the overlay has closed
        done = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    ASSERT_TRUE(opened);
    e2e::Wait(100);
    EXPECT_EQ(form_->HexOutEdit->text(), "#0A0000");
    EXPECT_TRUE(form_->PFSBtn->isEnabled());
    EXPECT_TRUE(form_->PickTmr->isActive());
    // A right-button press and release on the pick button stops the sampler.
    const QPoint b = platform::ToPhysical(form_->suiButton1->mapToGlobal(form_->suiButton1->rect().center()));
    e2e::MovePointer(b.x(), b.y());
    e2e::Click(3);
    EXPECT_FALSE(form_->PickTmr->isActive());
}

TEST_F(PickE2E, ZoomHidesOverTheWindowAndComesBack)
{
    const QPoint inside = platform::ToPhysical(form_->mapToGlobal(QPoint(300, 200)));
    e2e::MovePointer(inside.x(), inside.y());
    e2e::Wait(100);
    EXPECT_TRUE(form_->Image1->isHidden());
    e2e::MovePointer(700, 150);
    e2e::Wait(100);
    EXPECT_FALSE(form_->Image1->isHidden());
    // Fresh content: the orange under the pointer, enlarged.
    EXPECT_EQ(form_->Image1->Picture().pixel(5, 5), qRgb(255, 128, 0));
}

} // namespace
