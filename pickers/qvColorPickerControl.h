#pragma once
// TqvCustomPicker is the common base of the two-dimensional pickers that choose
// a colour by a position (the hue ring and the saturation-lightness square).
// It keeps what they share: the hint format and the tooltip that describes the
// colour under the pointer, the web-safe switch, the marker style, the last
// mouse position and the selection marker's position. The selected colour and
// the colour under a position are virtual and answer "no colour" here; a
// subclass gives them meaning.
//
// The control paints every pixel itself (opaque, nothing erased first) and
// repaints when it gains or loses the focus, so subclasses can draw
// focus-dependent parts.
//
// TqvColorPickerControl adds no behaviour: it is the class the concrete
// pickers derive from, and it carries the standard control events as
// replaceable single handlers.
#include "pickers/PickerEvents.h"
#include <QCursor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "colour/ColorTypes.h"

class QMenu;
class QPainter;

enum TMarkerStyle : std::uint8_t { msCircle, msSquare, msCross, msCrossCirc };

class TqvCustomPicker : public QWidget, public TPickerEvents<TqvCustomPicker> {
public:
    explicit TqvCustomPicker(QWidget* parent = nullptr);
    ~TqvCustomPicker() override;

    // Seven lines (hex, RGB, HSL, HSV, CMYK, L*a*b*, XYZ) joined by LF CR.
    static QString DefaultHintFormat();

    virtual TColor SelectedColor() const;
    virtual void SetSelectedColor(TColor c);
    // The colour a click at (x, y) would select, or clNone where there is none.
    virtual TColor ColorAtPosition(int x, int y) const;

    QString HintFormat() const { return FHintFormat; }
    void SetHintFormat(const QString& v) { FHintFormat = v; }
    bool WebSafe() const { return FWebSafe; }
    void SetWebSafe(bool v);

    // Whether the colour tooltip may show. While ParentShowHint is on the
    // value follows the owning control (the composite picker pushes its own
    // setting down); setting ShowHint directly switches ParentShowHint off.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v) { FParentShowHint = v; }
    // Used by an owner to pass its ShowHint on; ignored unless ParentShowHint.
    void InheritShowHint(bool v);

    // The tooltip text for the last mouse position: the hint format expanded
    // for ColorAtPosition there, or an empty text where there is no colour.
    QString HintText() const;

    // The background colour: the parent's while ParentColor is on.
    QColor Color() const;
    void SetColor(const QColor& c);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);

    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* m) { FPopupMenu = m; }

    int MouseX() const { return FMouseX; }
    int MouseY() const { return FMouseY; }
    int MarkerX() const { return FMarkerX; }
    int MarkerY() const { return FMarkerY; }

protected:
    // Called by SetWebSafe after a change; subclasses rebuild their images.
    virtual void WebSafeSwitched();

    TMarkerStyle MarkerStyleValue() const { return FMarkerStyle; }
    void SetMarkerStyleValue(TMarkerStyle v);

    // Paints the control's background colour over the whole of target (the
    // control's size, from (0, 0)).
    void FillWithParentBackground(QPainter& target) const;

    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

    // What the standard key handling does for a key the picker does not use:
    // OnKeyDown (which may swallow the key by zeroing it), OnKeyPress for a
    // key with text, then the parent.
    void DefaultKeyDown(QKeyEvent* e);

    // Confinement of the pointer during a drag; released only if we took it.
    void ConfinePointerTo(const QRect& localRect);
    void ReleasePointerConfinement();
    void hideEvent(QHideEvent* e) override;

    int FMarkerX = 0;
    int FMarkerY = 0;

private:
    void ShowHintNow(const QPoint& globalPos);

    QString FHintFormat;
    TMarkerStyle FMarkerStyle = msCircle;
    bool FWebSafe = false;
    int FMouseX = 0;
    int FMouseY = 0;
    bool FShowHint = false;
    bool FParentShowHint = true;
    bool FParentColor = true;
    QColor FColor;
    QMenu* FPopupMenu = nullptr;
    bool FConfining = false;
    bool FHintShowing = false;

public:

    TContextPopupEvent OnContextPopup;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;
};

class TqvColorPickerControl : public TqvCustomPicker {
public:
    explicit TqvColorPickerControl(QWidget* parent = nullptr) : TqvCustomPicker(parent) {}
};
