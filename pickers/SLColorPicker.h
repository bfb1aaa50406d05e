#pragma once
// TSLColorPicker picks the saturation and luminance (the HSV value) of a
// colour whose hue is fixed: a 256 x 256 gradient stretched over the control,
// saturation growing to the right and luminance upward, so the top left is
// white, the top right the pure hue and the bottom row black. A marker shows
// the current pair; the mouse and the arrow keys move it.
//
// The picture is the 256 x 256 gradient stretched to the control's size. It
// is computed straight at that size, each gradient cell the stretch shows
// once (a 128-pixel square needs a quarter of the cells), and only when the
// hue, the web-safe switch or the size changes; a paint copies it and draws
// the marker.
// Constructing one switches the process-wide HSL scales to 360, 255, 255.
#include <QImage>

#include "pickers/qvColorPickerControl.h"

class TSLColorPicker : public TqvColorPickerControl {
public:
    explicit TSLColorPicker(QWidget* parent = nullptr);
    ~TSLColorPicker() override;

    int Hue() const { return FHue; }
    void SetHue(int v);
    int Saturation() const { return FSat; }
    void SetSaturation(int v);
    int Luminance() const { return FLum; }
    void SetLuminance(int v);
    TMarkerStyle MarkerStyle() const { return MarkerStyleValue(); }
    void SetMarkerStyle(TMarkerStyle v) { SetMarkerStyleValue(v); }

    TColor SelectedColor() const override;
    void SetSelectedColor(TColor c) override;
    TColor ColorAtPosition(int x, int y) const override;

    // The gradient as shown, at the control's size (without the marker).
    const QImage& Picture() const { return FPicture; }
    // The gradient row or column that pixel i of n shows: the ends are pinned
    // to the gradient's ends, so the corners are white, the pure hue and black.
    static int GradientIndex(int i, int n);

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
    void BuildPicture();
    void PlaceMarker();
    void SelectAt(int x, int y);
    void Changed();
    void MouseSelect(const QPoint& pt);
    bool Inside(const QPoint& pt) const { return rect().contains(pt); }

    QImage FPicture;
    QImage FFrame;
    int FHue = 0;
    int FSat = 0;
    int FLum = 255;
    bool FNotifyChange = true;
};
