#pragma once
// TqvTrackBarPicker is the base of the bar-shaped pickers: a strip showing a
// one-dimensional gradient with a selection mark (classic triangle, seven-point
// arrow or inverted rectangle) that the user drags, steps with the arrow keys
// or scrolls with the wheel. The base owns everything that is the same for
// every bar -- geometry, paint order, mark, bevels, input, change notification
// and tooltip placement -- and leaves the meaning of the bar to a subclass via
// HandleBarAction, CurrentArrowPos and BuildHintText.
//
// Mouse actions only set a pending-change flag; the next paint raises OnChange
// once, after the gradient and mark are drawn, so a fast drag reports one
// change per frame. Keys and the wheel raise OnChange at once.
#include "pickers/PickerEvents.h"
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

class TqvTrackBarPicker : public QWidget, public TPickerEvents<TqvTrackBarPicker> {
public:
    enum TTrackBarLayout { lyHorizontal, lyVertical };
    enum TSliderPlacement { spBefore, spAfter, spBoth };
    enum TSelIndicator { siArrows, siRect };
    enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
    enum TBorderStyle { bsNone, bsSingle };

    // Codes passed to the subclass; the numeric order is part of the interface.
    enum BarAction {
        baResize = 0,
        baPaint = 1,
        baMouseMove = 2,
        baMouseDown = 3,
        baMouseUp = 4,
        baWheelUp = 5,
        baWheelDown = 6,
        baKeyUp = 7,
        baKeyCtrlUp = 8,
        baKeyDown = 9,
        baKeyCtrlDown = 10,
        baKeyLeft = 11,
        baKeyCtrlLeft = 12,
        baKeyRight = 13,
        baKeyCtrlRight = 14,
        baRebuild = 15,
    };

    // Win32 DrawEdge flags, as built from BevelInner / BevelOuter.
    enum EdgeFlags {
        edRaisedOuter = 1,
        edSunkenOuter = 2,
        edRaisedInner = 4,
        edSunkenInner = 8,
    };

    // The three distances of one indicator kind: edge inset a, arrow depth b,
    // end reserve c, and the extra gap e of the seven-point arrow.
    struct TBarMetrics {
        int a;
        int b;
        int c;
        int e;
    };


    explicit TqvTrackBarPicker(QWidget* parent = nullptr);
    ~TqvTrackBarPicker() override;

    // Pure geometry, shared by painting, the mouse and the tests.
    static TBarMetrics MetricsFor(TSelIndicator indicator, bool newArrowStyle);
    // The gradient rectangle of a W x H control (left, top, right, bottom with
    // right and bottom excluded, returned as a QRect).
    static QRect BarRectFor(TTrackBarLayout layout, TSelIndicator indicator, TSliderPlacement placement,
                            bool newArrowStyle, int w, int h);
    // DrawEdge flags for a pair of bevels.
    static int EdgeFlagsFor(TBevelCut inner, TBevelCut outer);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    QString HintFormat() const { return FHintFormat; }
    void SetHintFormat(const QString& v) { FHintFormat = v; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int v) { FIncrement = v; }
    TTrackBarLayout Layout() const { return FLayout; }
    void SetLayout(TTrackBarLayout v);
    TSliderPlacement ArrowPlacement() const { return FPlacement; }
    void SetArrowPlacement(TSliderPlacement v);
    bool NewArrowStyle() const { return FNewArrowStyle; }
    void SetNewArrowStyle(bool v);
    TSelIndicator SelectionIndicator() const { return FIndicator; }
    void SetSelectionIndicator(TSelIndicator v);
    bool WebSafe() const { return FWebSafe; }
    void SetWebSafe(bool v);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }

    // The current gradient rectangle, as last computed by ComputeBarRect.
    QRect GradientRect() const { return FGradientRect; }
    // The selection mark's offset along the bar, from the gradient's start.
    int ArrowOffset() const { return FArrowPos; }
    // The offset a pointer position maps to.
    int PositionFromX(int x) const;
    int PositionFromY(int y) const;
    // The arrow polygons PaintSelectionMark draws for offset p, in drawing
    // order (empty for the rectangle indicator).
    std::vector<QPolygon> ArrowPolygons(int p) const;
    // The outline PaintSelectionMark inverts for the rectangle indicator.
    QRect SelectionRect(int p) const;

    TNotifyEvent OnChange;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

protected:
    virtual void DrawBevelFrames();
    virtual void HandleBarAction(BarAction code);
    virtual int CurrentArrowPos();
    virtual QString BuildHintText();

    void ComputeBarRect();
    void PaintSelectionMark(int p);
    // The painter of the paint in progress (valid during baPaint, frames and mark).
    QPainter* Canvas() const { return FCanvas; }
    void SetArrowOffset(int p) { FArrowPos = p; }
    // The length of the control along the bar.
    int BarLength() const { return FLayout == lyHorizontal ? width() : height(); }
    int EndReserve() const { return FMetrics.c; }
    bool Notify() const { return FNotify; }
    void FireChange();

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    bool FNotify = true;

private:
    void WheelUpHandler(TqvTrackBarPicker* sender, Qt::KeyboardModifiers shift, QPoint pos, bool& handled);
    void WheelDownHandler(TqvTrackBarPicker* sender, Qt::KeyboardModifiers shift, QPoint pos, bool& handled);
    void WheelAction(BarAction code, bool& handled);
    int PositionFrom(QPoint pt) const;
    void ShowHintAt(QPoint cursor);
    void ReleaseConfinement();
    void DrawEdge(QRect r, int flags);

    int FIncrement = 1;
    QString FHintFormat;
    TTrackBarLayout FLayout = lyHorizontal;
    TSliderPlacement FPlacement = spAfter;
    bool FNewArrowStyle = false;
    TBarMetrics FMetrics{6, 10, 7, 0};
    bool FChangePending = false;
    TSelIndicator FIndicator = siArrows;
    bool FWebSafe = false;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvNone;
    int FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    int FArrowPos = 0;
    QRect FGradientRect;
    bool FShowHint = false;

    QImage FFrame;
    QPainter* FCanvas = nullptr;
    bool FConfining = false;
    int FWheelAccumulator = 0;
};
