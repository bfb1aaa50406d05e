#pragma once
// THSLRingPicker puts a saturation-lightness square into the hole of a hue
// ring: turning the ring changes the square's hue, moving the square's marker
// chooses saturation and luminance, and the composite reports the square's
// colour as its SelectedColor.
//
// The two children report through their OnChange events and the composite
// simply follows them, so one hue change notifies twice: once from the
// square (already holding the new colour) and once from the ring.
#include "pickers/PickerEvents.h"
#include <QCursor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

#include "colour/ColorTypes.h"
#include "pickers/HRingPicker.h"
#include "pickers/SLColorPicker.h"

class QMenu;

class THSLRingPicker : public QWidget, public TPickerEvents<THSLRingPicker> {
public:

    explicit THSLRingPicker(QWidget* parent = nullptr);
    ~THSLRingPicker() override;

    static QString DefaultRingHintFormat();
    static QString DefaultSLHintFormat();

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor c);

    QMenu* RingPickerPopupMenu() const { return FRingMenu; }
    void SetRingPickerPopupMenu(QMenu* m);
    QMenu* SLPickerPopupMenu() const { return FSLMenu; }
    void SetSLPickerPopupMenu(QMenu* m);
    QString RingPickerHintFormat() const { return FRingHintFormat; }
    void SetRingPickerHintFormat(const QString& v);
    QString SLPickerHintFormat() const { return FSLHintFormat; }
    void SetSLPickerHintFormat(const QString& v);
    QCursor RingPickerCursor() const { return FRingCursor; }
    void SetRingPickerCursor(const QCursor& c);
    QCursor SLPickerCursor() const { return FSLCursor; }
    void SetSLPickerCursor(const QCursor& c);

    // Passed on to both children while their ParentShowHint is on.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v) { FParentShowHint = v; }

    THRingPicker* RingPicker() const { return FRingPicker; }
    TSLColorPicker* SLPicker() const { return FSLPicker; }

    TNotifyEvent OnChange;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void RingChange(TqvCustomPicker* sender);
    void SLChange(TqvCustomPicker* sender);
    void ForwardMouseMove(TqvCustomPicker* sender, Qt::KeyboardModifiers shift, int x, int y);
    void LayoutChildren();
    void RefreshBackground();

    TColor FSelectedColor = RGBColor(255, 0, 0);
    THRingPicker* FRingPicker = nullptr;
    TSLColorPicker* FSLPicker = nullptr;
    QMenu* FRingMenu = nullptr;
    QMenu* FSLMenu = nullptr;
    QString FRingHintFormat;
    QString FSLHintFormat;
    QCursor FRingCursor;
    QCursor FSLCursor;
    bool FShowHint = false;
    bool FParentShowHint = true;
    QImage FBackground;
};
