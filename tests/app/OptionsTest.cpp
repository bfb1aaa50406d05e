// The options dialog and the write of the stored method.
#include <QApplication>
#include <QScreen>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/HuelarkOpt.h"
#include "tests/app/AppFixture.h"

namespace {

class Options : public AppTest {
protected:
    // Runs the options command; while the dialog is open, picks item and
    // presses OK or Cancel. Returns the text of an error box, if one came.
    QString RunOptions(int item, bool accept)
    {
        TMainForm& f = Form();
        if (!dialog_) {
            dialog_ = std::make_unique<TOptForm>();
            f.SetDialogs(dialog_.get(), nullptr);
        }
        error_.clear();
        QTimer::singleShot(0, [&] {
            shownSelection_ = dialog_->SelectedMethod();
            shownCentre_ = dialog_->geometry().center();
            dialog_->MethodItems[item]->setChecked(true);
            (accept ? dialog_->OKBtn : dialog_->Button1)->click();
        });
        QTimer::singleShot(50, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                error_ = box->text();
                box->accept();
            }
        });
        f.OptBtnClick();
        QTest::qWait(80);
        return error_;
    }

    std::unique_ptr<TOptForm> dialog_;
    int shownSelection_ = -1;
    QPoint shownCentre_;
    QString error_;
};

TEST_F(Options, AcceptWritesTheStoreAndResizesTheBlock)
{
    EXPECT_EQ(RunOptions(2, true), "");
    EXPECT_EQ(shownSelection_, 0);
    TMainForm& f = Form();
    EXPECT_EQ(f.SampleMethod(), 2);
    EXPECT_EQ(f.SampleBitmap().size(), QSize(5, 5));
    std::int32_t v = -1;
    ASSERT_TRUE(ReadStoredMethod(v));
    EXPECT_EQ(v, 2);
    // The next showing starts from the method in use.
    RunOptions(0, false);
    EXPECT_EQ(shownSelection_, 2);
}

TEST_F(Options, OpensInTheMiddleOfTheScreenWhereverTheWindowIs)
{
    Form().move(0, 0);
    RunOptions(0, false);
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((shownCentre_ - centre).manhattanLength(), 2);
}

TEST_F(Options, CancelChangesNothing)
{
    StoreMethod(257);
    RunOptions(2, false);
    TMainForm& f = Form();
    EXPECT_EQ(f.SampleMethod(), 1);
    EXPECT_EQ(f.SampleBitmap().size(), QSize(3, 3));
    std::int32_t v = -1;
    ASSERT_TRUE(ReadStoredMethod(v));
    EXPECT_EQ(v, 257);
}

TEST_F(Options, VanishedKeyReportsAndKeepsSampling)
{
    TMainForm& f = Form();
    ASSERT_TRUE(platform::SettingsKey::DeleteKey(kSettingsKey));
    EXPECT_EQ(RunOptions(1, true), "Failed to set data for 'Method'");
    EXPECT_EQ(f.SampleMethod(), 0);
    EXPECT_EQ(f.SampleBitmap().size(), QSize(1, 1));
    EXPECT_EQ(f.StoredMethod(), 1);
    platform::SettingsKey key;
    EXPECT_FALSE(key.Open(kSettingsKey, false)) << "the write must not bring the key back";
}

TEST_F(Options, StoredSevenWasMendedSoTheDialogShowsSinglePixel)
{
    StoreMethod(7);
    RunOptions(0, false);
    EXPECT_EQ(shownSelection_, 0);
}

TEST(OptFormAlone, LayoutAndClampedIndex)
{
    TOptForm d;
    EXPECT_EQ(d.windowTitle(), "Options");
    EXPECT_EQ(d.size(), QSize(169, 141));
    EXPECT_EQ(d.MethodItems[1]->text(), "&3 x 3 Average");
    EXPECT_EQ(d.SelectedMethod(), 0);
    d.SetItemIndex(7);
    EXPECT_EQ(d.SelectedMethod(), 2);
}

} // namespace
