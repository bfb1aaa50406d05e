#pragma once
// A synthetic 400 x 300 screen whose pixels tell their own position: red is
// x mod 256, green y mod 256, blue 40 for each 256 columns and 80 for each
// 256 rows. (255, 128) is r 255, g 128, b 0.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

#include "platform/FakeScreenSource.h"

class SamplingTest : public ::testing::Test {
protected:
    static constexpr int kScreenW = 400;
    static constexpr int kScreenH = 300;

    static QRgb ScreenColour(int x, int y)
    {
        return qRgb(x % 256, y % 256, (x / 256) * 40 + (y / 256) * 80);
    }
    static TColor ExpectedAt(int x, int y)
    {
        const QRgb c = ScreenColour(x, y);
        return RGBColor(qRed(c), qGreen(c), qBlue(c));
    }

    // A pointer move sent straight to the widget: Qt drops a synthesized move
    // to the position the previous one left the cursor at.
    static void MoveTo(QWidget& w, QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w.mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }

    void SetUp() override
    {
        QImage img(kScreenW, kScreenH, QImage::Format_RGB32);
        for (int y = 0; y < kScreenH; ++y)
            for (int x = 0; x < kScreenW; ++x)
                img.setPixel(x, y, ScreenColour(x, y));
        auto fake = std::make_unique<platform::FakeScreenSource>(img);
        screen_ = fake.get();
        platform::SetScreen(std::move(fake));
    }
    void TearDown() override { platform::SetScreen(nullptr); }

    platform::FakeScreenSource* screen_ = nullptr;
};
