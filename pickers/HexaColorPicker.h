#pragma once
// THexaColorPicker offers colours as a honeycomb: 127 hexagonal cells in one
// large hexagon whose centre is the grey of the current intensity and whose
// corners are the six pure colours, a fixed row of 17 greys under it, and a
// vertical intensity slider at its right. A colour is chosen by clicking or
// dragging over the cells, by walking the arrow-key ring, or from outside
// through SelectedColor, which marks the cell of exactly that colour (grey
// row first) if there is one.
//
// The main window writes SelectedColor on every sampler tick, so that path is
// kept cheap: everything that depends only on the geometry (which cell owns
// which pixel, the grey row, the slider gradient) is rasterised once per size
// into cached images, a change of intensity only recolours the honeycomb
// from that cache, and a selection only copies the cached picture and draws
// the markers. paintEvent blits the finished picture and never rebuilds it.
//
// The control derives from QWidget directly, not from the picker bases: it
// has its own mouse routing over three areas, its own keys and its own hint.
#include "pickers/PickerEvents.h"
#include "colour/ColorTypes.h"
#include "pickers/HexaGeometry.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

class THexaColorPicker : public QWidget, public TPickerEvents<THexaColorPicker> {
public:
    enum TMarker { smArrow = 0, smRect = 1 };


    explicit THexaColorPicker(QWidget* parent = nullptr);
    ~THexaColorPicker() override;

    QString HintFormat() const { return FHintFormat; }
    void SetHintFormat(const QString& v) { FHintFormat = v; }
    // The value last written, unchanged (a system colour or clNone included).
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor c);
    int Intensity() const;
    void SetIntensity(int v);
    int IntensityIncrement() const { return FIntensityIncrement; }
    void SetIntensityIncrement(int v) { FIntensityIncrement = v; }
    bool SliderVisible() const { return FSliderVisible; }
    void SetSliderVisible(bool v);
    TMarker SliderMarker() const { return FSliderMarker; }
    void SetSliderMarker(TMarker v);
    bool NewArrowStyle() const { return FNewArrowStyle; }
    void SetNewArrowStyle(bool v);
    QString IntensityText() const { return FIntensityText; }
    void SetIntensityText(const QString& v) { FIntensityText = v; }
    int SliderWidth() const { return FSliderWidth; }
    void SetSliderWidth(int v);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }

    // One IntensityIncrement up or down, held within 0..100.
    void StepIntensity(bool up);

    // The text the hint shows for client point p with the current state, or
    // a null string where no hint is shown. Line breaks are the format's own.
    QString HintTextAt(QPoint p) const;

    // State the painting, the mouse and the keys share; read-only outside.
    int Radius() const { return FLayout.Radius; }
    int CombSize() const { return FLayout.CombSize; }
    const hexa::THexaLayout& Layout() const { return FLayout; }
    const hexa::TCombArray& HexCombs() const { return FHexCombs; }
    const hexa::TCombArray& GrayCombs() const { return FGrayCombs; }
    // 0 nothing, k > 0 honeycomb cell k - 1, k < 0 grey cell -k - 1.
    int SelectedCode() const { return FSelectedCode; }
    int NavAnchor() const { return FNavAnchor; }
    bool ColorFound() const { return FColorFound; }
    float IntensityLevel() const { return FIntensityLevel; }
    TColor HoverColor() const { return FHoverColor; }
    // The rendered picture the paint blits: control width by honeycomb plus
    // grey row.
    const QImage& Picture() const { return FPicture; }
    // Whether the control's window exists (see CreateWnd).
    bool WindowCreated() const { return FCreated; }

    TNotifyEvent OnChange;
    TNotifyEvent OnIntensityChange;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    enum TDragArea : std::uint8_t { daNone = 0, daHexagon = 1, daGrayRow = 2, daSlider = 3 };

    // Everything that depends only on the geometry and the background.
    struct TBaseKey {
        int Width = -1;
        int Height = -1;
        int Radius = -1;
        bool SliderVisible = false;
        int SliderWidth = 0;
        QRgb Background = 0;
        friend bool operator==(const TBaseKey&, const TBaseKey&) = default;
    };
    // A horizontal stretch of picture pixels owned by one honeycomb cell.
    struct TCellRun {
        int Offset;
        int Length;
        int Cell;
    };

    // The first show stands in for window creation: it selects black and
    // takes the radius from the size. Anything that needs the cell tables
    // before that creates the window first.
    void HandleNeeded();
    void CreateWnd();
    void InitGeometry();
    void UpdateLayout();
    void ApplyRadius(int r);
    void RebuildAll();
    void BuildCombTables();
    void RenderPicker();

    void ApplySelectedColor(TColor c);
    bool LocateColor(TColor c);
    void ReselectComb();
    void ApplyIntensityLevel(float level);
    void FireChange();

    bool TrackSlider(QPoint p);
    bool TrackGrayRow(QPoint p);
    bool TrackHexagon(QPoint p);
    void RouteMouse(QPoint p);

    int CurrentNavNumber() const;
    void SelectNavNumber(int n);

    void WheelUpHandler(THexaColorPicker*, Qt::KeyboardModifiers, QPoint, bool& handled);
    void WheelDownHandler(THexaColorPicker*, Qt::KeyboardModifiers, QPoint, bool& handled);

    void ReleaseConfinement();

    // Picture cache.
    TBaseKey CurrentBaseKey() const;
    void BuildBase(const TBaseKey& key);
    void BuildLayer();
    void DrawCombMarker(QPainter& p, int x, int y, int size);
    void DrawSliderMarker(QPainter& p);
    void InvertSliderFrame();
    bool HintRequest(QPoint p, QPoint globalPos);
    TColor ColorToRGB(TColor c) const;

    QString FHintFormat;
    TColor FSelectedColor = 0;
    int FIntensityIncrement = 1;
    bool FSliderVisible = true;
    TMarker FSliderMarker = smArrow;
    bool FNewArrowStyle = false;
    QString FIntensityText;
    int FSliderWidth = 12;
    bool FShowHint = true;

    hexa::THexaLayout FLayout;
    hexa::TCombArray FHexCombs;
    hexa::TCombArray FGrayCombs;
    hexa::TRGBFloat FCenterRGB{1, 1, 1};
    float FIntensityLevel = 1.0f;
    int FSelectedCode = 0;
    int FNavAnchor = 0;
    bool FColorFound = false;
    TDragArea FDragArea = daNone;
    TColor FHoverColor = 0;
    QPoint FLastMousePos;
    bool FLeftDown = false;
    bool FCreated = false;
    bool FConfining = false;
    bool FHintShowing = false;
    int FWheelAccumulator = 0;

    TBaseKey FBaseKey;
    // Per picture pixel: 0 background, 1..127 honeycomb cell + 1, 128..144
    // grey cell + 128, as the cells overdraw each other in painting order.
    std::vector<std::uint8_t> FOwner;
    std::vector<TCellRun> FHexRuns;
    QImage FBase;    // background, grey row and slider gradient
    QImage FLayer;   // FBase with the honeycomb in its current colours
    QImage FPicture; // FLayer with the selection and slider markers
    bool FLayerDirty = true;
    // What the picture was last rendered from. The sampler writes the same
    // colour forty times a second; a write that would render the same
    // picture again renders and repaints nothing.
    struct TRenderKey {
        TBaseKey Base;
        int SelectedCode = 0;
        float IntensityLevel = 0;
        TMarker SliderMarker = smArrow;
        bool NewArrowStyle = false;
        friend bool operator==(const TRenderKey&, const TRenderKey&) = default;
    };
    TRenderKey CurrentRenderKey() const;
    TRenderKey FRenderedKey;
    bool FRendered = false;
    bool FPictureRendered = false;
};
