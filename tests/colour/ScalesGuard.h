#pragma once
// Tests that need particular HSL/HSV scales set them through this fixture so
// that every test leaves the process-wide scales as it found them.
#include <gtest/gtest.h>

#include "colour/ColorScales.h"

class ScaledColourTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedHue = HueScale;
        savedSat = SatScale;
        savedLum = LumScale;
        SetColorScales(360, 255, 255);
    }
    void TearDown() override { SetColorScales(savedHue, savedSat, savedLum); }

private:
    int savedHue = 0, savedSat = 0, savedLum = 0;
};
