#pragma once
// A main window on a synthetic screen with settings in a folder of its own.
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "app/HuelarkMain.h"
#include "platform/FakeScreenSource.h"
#include "platform/SettingsStore.h"

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QImage img(1024, 768, QImage::Format_RGB32);
        img.fill(qRgb(10, 20, 30));
        auto fake = std::make_unique<platform::FakeScreenSource>(img, QPoint(500, 400));
        screen_ = fake.get();
        platform::SetScreen(std::move(fake));
    }
    void TearDown() override
    {
        form_.reset();
        platform::SetScreen(nullptr);
    }

    // Builds the window with its timers stopped: the tests run the ticks.
    TMainForm& Form()
    {
        if (!form_) {
            form_ = std::make_unique<TMainForm>();
            form_->PickTmr->stop();
            form_->Timer1->stop();
        }
        return *form_;
    }

    void StoreMethod(std::int32_t value)
    {
        platform::SettingsKey key;
        ASSERT_TRUE(key.Open(kSettingsKey, true));
        ASSERT_TRUE(key.WriteInteger(kMethodValue, value));
    }

    bool ReadStoredMethod(std::int32_t& value)
    {
        platform::SettingsKey key;
        return key.Open(kSettingsKey, false) && key.ReadInteger(kMethodValue, value);
    }

    void SetPixel(int x, int y, TColor c)
    {
        screen_->Image().setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    }

    QTemporaryDir config_;
    platform::FakeScreenSource* screen_ = nullptr;
    std::unique_ptr<TMainForm> form_;
};
