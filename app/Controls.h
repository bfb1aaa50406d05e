#pragma once
// Small controls the main window is built from. They give the window the
// kinds of control its layout names: paint boxes with a persistent canvas,
// bevelled panels, an up-down attached to an edit, a push button that reports
// the release after its click, and an image with its own bitmap.
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

#include "colour/ColorTypes.h"

class QPainter;

// The integer tag of a control: which colour channel a shared handler serves.
int Tag(const QObject* control);
void SetTag(QObject* control, int tag);

QColor ToQColor(TColor c);

// Places a window in the middle of the primary screen's work area.
void CentreOnScreen(QWidget* window);

// A box that is drawn by its owner. Its canvas keeps what was drawn on it.
// Drawing on the canvas outside a paint shows just that; a real repaint
// (Invalidate, an expose) first fills the canvas with the parent's colour (a
// paint box has no background of its own), then lets OnPaint draw.
class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent);

    std::function<void(TPaintBox*)> OnPaint;
    std::function<void(TPaintBox*)> OnDblClick;

    // The canvas, always of the box's current size.
    QImage& Canvas();
    // Call after drawing on the canvas outside a paint: shows the canvas as drawn.
    void CanvasChanged();
    // Repaints through OnPaint.
    void Invalidate();
    // The colour fills use, like a canvas brush.
    TColor BrushColor() const { return brush_; }
    void SetBrushColor(TColor c) { brush_ = c; }
    void FillClient();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    QImage canvas_;
    TColor brush_ = clWhite;
    bool painting_ = false;
    bool canvasOnly_ = false;
};

// A panel with the classic raised/lowered bevels, filled with its colour.
class TPanel : public QWidget {
public:
    enum Bevel { bvNone, bvLowered, bvRaised };
    TPanel(QWidget* parent, Bevel outer, Bevel inner, int bevelWidth, TColor color);

    TColor Color() const { return color_; }
    // Repaints (with its children) only when the colour changes.
    void SetColor(TColor c);
    int BorderWidth() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Bevel outer_, inner_;
    int width_;
    TColor color_;
};

// Spin arrows attached to an edit: the position is read from the edit's text
// and setting it rewrites the text.
class TUpDown : public QWidget {
public:
    TUpDown(QWidget* parent, QLineEdit* buddy, int min, int max);

    // The edit's number when it is one in range; the last good position otherwise.
    int Position();
    void SetPosition(int value);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QLineEdit* buddy_;
    int min_, max_;
    int pos_ = 0;
};

// A push button whose OnMouseUp runs after the release has been handled,
// and with it the click: the click handler runs first, then OnMouseUp.
class TPickButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    std::function<void(TPickButton*, Qt::MouseButton)> OnMouseUp;

protected:
    // Any button pressed on the button makes it receive that button's release.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// An image control that keeps a bitmap of its own size and shows it.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent);
    QImage& Picture() { return picture_; }
    void PictureChanged() { update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
};
