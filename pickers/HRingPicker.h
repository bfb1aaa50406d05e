#pragma once
// THRingPicker is a circular hue picker: a colour wheel of which only a ring
// band of width Radius is shown, with a line from the centre to the current
// hue. Hue grows counter-clockwise from red at the right. A click or drag in
// the wheel's disc picks the hue (and, by its distance from the centre, a
// saturation); Left and Right turn the hue.
//
// The wheel is computed once per size, Value or web-safe change into a cached
// image; hue and saturation changes only repaint, and a paint only blits the
// wheel through the ring-band clip and draws the hue line. Mouse selections
// report OnChange from the next paint, so a fast drag raises one change per
// frame.
#include <QImage>
#include <QRegion>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pickers/qvColorPickerControl.h"

class THRingPicker : public TqvColorPickerControl {
public:
    explicit THRingPicker(QWidget* parent = nullptr);
    ~THRingPicker() override;

    // Pure geometry of a wheel of diameter d, shared by painting, the mouse
    // and the tests. HueAt/SaturationAt are the mouse's mapping (hues 1..360);
    // WheelHueAt is the wheel image's own (360 exactly to the right, too).
    static bool IsPointInDisc(int x, int y, int size);
    static int HueAt(int x, int y, int d);
    static int SaturationAt(int x, int y, int d);
    static int WheelHueAt(int x, int y, int d);
    static int WheelSaturationAt(int x, int y, int d);
    // The far end of the hue line for a wheel of diameter d.
    static QPoint HueLineEnd(int hue, int d);

    int Hue() const { return FHue; }
    void SetHue(int v);
    int Saturation() const { return FSat; }
    void SetSaturation(int v);
    int Value() const { return FValue; }
    void SetValue(int v);
    TColor HueLineColor() const { return FHueLineColor; }
    void SetHueLineColor(TColor c);
    int Radius() const { return FRadius; }
    void SetRadius(int v);

    TColor SelectedColor() const override;
    void SetSelectedColor(TColor c) override;
    TColor ColorAtPosition(int x, int y) const override;

    // The cached wheel (d x d), for tests and benchmarks.
    const QImage& WheelImage() const { return FWheel; }

    TNotifyEvent OnChange;

protected:
    void WebSafeSwitched() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int Diameter() const { return std::min(width(), height()); }
    void BuildMaps();
    void BuildWheel();
    void BuildClip();
    void SelectAt(int x, int y);
    void Changed();

    QImage FWheel;
    // Per-pixel hue (-1 outside the disc) and saturation of the current
    // diameter, so a Value change only re-packs pixels.
    std::vector<std::int16_t> FHueMap;
    std::vector<std::uint8_t> FSatMap;
    int FMapDiameter = -1;
    QRegion FClip;
    int FHue = 0;
    int FSat = 0;
    int FValue = 255;
    TColor FHueLineColor = 0x808080;
    int FRadius = 30;
    TColor FStoredColor = clNone;
    bool FNotifyChange = true;
    bool FChangePending = false;
};
