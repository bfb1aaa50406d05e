#pragma once
#include <QDialog>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRegion>
#include <QString>

#include <functional>
#include <vector>

#include "colour/ColorTypes.h"

#include <QCursor>

// The eyedropper the overlay shows: 32 x 32 monochrome, hot spot (8, 23),
// built from the "PickerCursor" bitmaps carried in the program's resources.
QCursor PickerCursor();

// The default text of the overlay's hint: %r, %g, %b are the channels in
// decimal, %h the colour's six hexadecimal digits.
inline const QString kDefaultScreenHintFormat = QStringLiteral("RGB(%r, %g, %b)\rHex: %h");

// The full-screen window a pick runs in. It covers the primary screen, stays
// on top and takes every mouse and key event until the first button release
// (a pick) or Escape, Alt or Ctrl (a cancel). A window that is merely
// see-through shows black on an X server without a compositor and lets clicks
// fall through on some systems, so the overlay instead paints a snapshot of
// the screen taken as it opens, pixel for pixel in physical pixels: the screen
// looks unchanged and the pixel read under the pointer is the one the user sees.
// The program's own windows keep changing during a pick (the editor and the
// readouts follow the pointer), so the overlay paints those live over the
// snapshot, as a see-through window would let them show: each only where the
// snapshot shows it, so whatever covered it as the pick began still does.
class TScreenForm : public QDialog {
public:
    using TNotifyEvent = std::function<void(QObject* Sender)>;
    using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
    using TMouseWheelEvent =
        std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled)>;
    using TMouseEvent =
        std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint MousePos)>;

    explicit TScreenForm(QWidget* parent = nullptr);
    ~TScreenForm() override;

    // Raised after each pointer move and at the end of the selection, once
    // PickedColor holds the new colour.
    TNotifyEvent OnPickChange;
    // Raised for every key pressed in the overlay, after a cancelling key
    // has ended the selection.
    TKeyEvent OnPickKeyDown;
    TMouseWheelEvent OnMouseWheelUp;
    TMouseWheelEvent OnMouseWheelDown;
    // Raised for a mouse-button release over the overlay, after the release
    // has ended the selection (the position is in physical screen pixels).
    TMouseEvent OnMouseUp;

    QString HintFmt() const { return FHintFmt; }
    void SetHintFmt(const QString& Value) { FHintFmt = Value; }
    TColor PickedColor() const { return FPickedColor; }
    // The show-hint switch: whether the overlay answers hint requests.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    // Whether the selection ended with a pick (a button release) rather than
    // a cancel; false while the overlay is open.
    bool Selected() const { return FSelected; }

    // The screen as it looked when the overlay opened, in physical pixels.
    const QImage& Snapshot() const { return FSnapshot; }

    void FormCreate();
    void FormShow();
    void FormMouseMove(int X, int Y);
    void FormMouseUp(int X, int Y);
    void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift);
    void EndSelection(int X, int Y, bool Selected);
    TColor DesktopPixel(int X, int Y) const;
    QString ScreenHintText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The mouse handlers work from the exact logical position Qt reports,
    // which under a fractional or doubled scale carries the half pixel an
    // integer position would lose.
    QPoint PhysicalPointer(QPointF LocalPos) const;
    TColor DesktopPixelAt(QPointF LocalPos) const;
    void EndSelectionAt(QPointF LocalPos, bool Selected);
    void ShowHintAt(QPoint GlobalPos);
    void WatchOwnWindows();
    QRegion ShownPart(QWidget* w) const;
    void StopWatching();

    QString FHintFmt;
    TColor FPickedColor = clNone;
    bool FShowHint = false;
    bool FSelected = false;
    bool FEnding = false;
    QImage FSnapshot;
    // The program's other windows that were on the screen as the overlay
    // opened, painted live over the snapshot within the part of each (in its
    // own logical coordinates) that the snapshot shows.
    struct TOwnWindow {
        QPointer<QWidget> Window;
        QRegion Visible;
    };
    std::vector<TOwnWindow> FOwnWindows;
};
