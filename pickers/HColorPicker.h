#pragma once
// THColorPicker is the hue bar: a track bar whose strip shows every hue from
// 0 to 359 degrees at the bar's saturation and value, and whose mark selects
// the hue. Its colour is the HSV colour (hue, saturation, value).
//
// The strip is a 360-pixel image computed once per saturation, value, layout
// or web-safe change and only stretched when painting, because the sampler
// writes SelectedColor forty times a second and a hue change must cost no
// colour conversion at all.
#include "colour/ColorTypes.h"
#include "pickers/qvTrackBarPicker.h"

#include <QImage>

class THColorPicker : public TqvTrackBarPicker {
public:
    explicit THColorPicker(QWidget* parent = nullptr);

    int Hue() const { return FHue; }
    void SetHue(int h);
    int Saturation() const { return FSaturation; }
    void SetSaturation(int s);
    int Value() const { return FValue; }
    void SetValue(int v);
    TColor SelectedColor() const;
    // Always raises OnChange once, whether or not anything changed.
    void SetSelectedColor(TColor c);

    // The mark's offset for a hue and the hue at an offset, for a bar of the
    // given length along its axis and end reserve c.
    static int HueToOffsetFor(int h, int length, int reserve);
    static int OffsetToHueFor(int p, int length);
    int HueToOffset(int h) const;
    int OffsetToHue(int p) const;

    // The cached strip: 360 x 12 (horizontal) or 12 x 360 (vertical).
    const QImage& HueStrip() const { return FHueStrip; }

protected:
    void HandleBarAction(BarAction code) override;
    int CurrentArrowPos() override;
    QString BuildHintText() override;

    void RebuildHueStrip();

private:
    void StepHue(long long delta);

    int FValue = 255;
    int FSaturation = 255;
    int FHue = 0;
    QImage FHueStrip;
};
