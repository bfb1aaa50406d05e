#include "pickers/HRingPicker.h"

#include "colour/ColorLibrary.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

QColor QColorOf(TColor c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The wheel's own mapping works in extended precision like the rest of the
// painting arithmetic; the tie cases of Round are exact either way.
constexpr long double kPiL = std::numbers::pi_v<long double>;

} // namespace

THRingPicker::THRingPicker(QWidget* parent) : TqvColorPickerControl(parent)
{
    resize(204, 204);
    // Qt delivers the first resize only when the control is shown; the wheel
    // must exist before that, as painting into an image or a grab needs it.
    BuildWheel();
    BuildClip();
}

THRingPicker::~THRingPicker() = default;

bool THRingPicker::IsPointInDisc(int x, int y, int size)
{
    const std::int64_t s = size / 2;
    const std::int64_t dx = x - s, dy = y - s;
    return dx * dx + dy * dy <= s * s;
}

int THRingPicker::HueAt(int x, int y, int d)
{
    const int r = d / 2;
    const double dx = x - r, dy = y - r;
    int h = Round(std::atan2(-dy, dx) * 180 / std::numbers::pi + 360);
    if (h < 0)
        h += 360;
    else if (h > 360)
        h -= 360;
    return h;
}

int THRingPicker::SaturationAt(int x, int y, int d)
{
    const int r = d / 2;
    const double dx = x - r, dy = y - r;
    const int dist = Round(std::sqrt(dx * dx + dy * dy));
    return dist >= r ? 255 : MulDiv(dist, 255, r);
}

int THRingPicker::WheelHueAt(int x, int y, int d)
{
    const int r = d / 2;
    const long double dx = x - r, dy = y - r;
    const int e = Round(double((std::atan2(dx, dy) / kPiL + 1) * 180));
    int h = e + 90;
    if (h > 360)
        h = e - 270;
    return h;
}

int THRingPicker::WheelSaturationAt(int x, int y, int d)
{
    const int r = d / 2;
    if (r == 0)
        return 0;
    const long double dx = x - r, dy = y - r;
    return Round(double(std::sqrt(dx * dx + dy * dy) * 255 / r));
}

QPoint THRingPicker::HueLineEnd(int hue, int d)
{
    const int r = d / 2;
    const double a = -hue * std::numbers::pi / 180;
    return QPoint(r + Round(std::cos(a) * r), r + Round(std::sin(a) * r));
}

void THRingPicker::SetHue(int v)
{
    v = std::clamp(v, 0, 360);
    if (v == FHue)
        return;
    FHue = v;
    update();
    Changed();
}

void THRingPicker::SetSaturation(int v)
{
    v = std::clamp(v, 0, 255);
    if (v == FSat)
        return;
    FSat = v;
    update();
    Changed();
}

void THRingPicker::SetValue(int v)
{
    v = std::clamp(v, 0, 255);
    if (v == FValue)
        return;
    FValue = v;
    BuildWheel();
    update();
    Changed();
}

void THRingPicker::SetHueLineColor(TColor c)
{
    if (c == FHueLineColor)
        return;
    FHueLineColor = c;
    update();
}

void THRingPicker::SetRadius(int v)
{
    if (v == FRadius)
        return;
    FRadius = v;
    BuildClip();
    update();
}

void THRingPicker::Changed()
{
    if (FNotifyChange && OnChange)
        OnChange(this);
}

TColor THRingPicker::SelectedColor() const
{
    if (FStoredColor == clNone)
        return clNone;
    const TColor c = ColorFromHSV(FHue, FSat, FValue);
    return WebSafe() ? SnapToWebSafe(c) : c;
}

void THRingPicker::SetSelectedColor(TColor c)
{
    if (WebSafe())
        c = SnapToWebSafe(c);
    const bool notify = FNotifyChange;
    FNotifyChange = false;
    SetValue(HSVValOf(c));
    SetHue(HSVHueOf(c));
    SetSaturation(HSVSatOf(c));
    FStoredColor = c;
    FNotifyChange = notify;
    if (FNotifyChange && OnChange)
        OnChange(this);
    FNotifyChange = true;
}

TColor THRingPicker::ColorAtPosition(int x, int y) const
{
    const int d = Diameter();
    if (!IsPointInDisc(x, y, d))
        return clNone;
    const TColor c = ColorFromHSV(HueAt(x, y, d), SaturationAt(x, y, d), FValue);
    return WebSafe() ? SnapToWebSafe(c) : c;
}

void THRingPicker::WebSafeSwitched()
{
    BuildWheel();
    update();
}

void THRingPicker::BuildMaps()
{
    const int d = Diameter();
    if (d == FMapDiameter)
        return;
    FMapDiameter = d;
    const int r = d / 2;
    const std::size_t n = std::size_t(d) * std::size_t(d);
    FHueMap.assign(n, -1);
    FSatMap.assign(n, 0);
    for (int y = 0; y < d; ++y) {
        const int dy = y - r;
        for (int x = 0; x < d; ++x) {
            const int dx = x - r;
            if (dx * dx + dy * dy > r * r)
                continue;
            const std::size_t i = std::size_t(y) * d + x;
            FHueMap[i] = std::int16_t(WheelHueAt(x, y, d));
            FSatMap[i] = std::uint8_t(std::min(WheelSaturationAt(x, y, d), 255));
        }
    }
}

// Every call below is inlined where the compiler allows, the per-pixel
// conversion above all.
#if defined(__GNUC__)
#define TINQUOR_FLATTEN __attribute__((flatten))
#else
#define TINQUOR_FLATTEN
#endif

TINQUOR_FLATTEN void THRingPicker::BuildWheel()
{
    BuildMaps();
    const int d = Diameter();
    if (FWheel.width() != d || FWheel.height() != d)
        FWheel = QImage(std::max(d, 0), std::max(d, 0), QImage::Format_RGB32);
    if (d <= 0)
        return;
    {
        // Outside the disc the image keeps the background; painting never
        // shows those pixels, but a grab of the image itself looks right.
        QPainter p(&FWheel);
        FillWithParentBackground(p);
    }
    const bool webSafe = WebSafe();
    for (int y = 0; y < d; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(FWheel.scanLine(y));
        const std::int16_t* hues = FHueMap.data() + std::size_t(y) * d;
        const std::uint8_t* sats = FSatMap.data() + std::size_t(y) * d;
        for (int x = 0; x < d; ++x) {
            const int h = hues[x];
            if (h < 0)
                continue;
            TPixel32 px;
            if (webSafe) {
                const TColor c = SnapToWebSafe(ColorFromHSV(h, sats[x], FValue));
                px = PixelFromRGB(GetRValue(c), GetGValue(c), GetBValue(c));
            } else {
                px = PixelFromHSV(h, sats[x], FValue);
            }
            line[x] = 0xFF000000u | px;
        }
    }
}

void THRingPicker::BuildClip()
{
    const int d = Diameter();
    const QRegion outer(QRect(0, 0, d, d), QRegion::Ellipse);
    const int lo = std::min(FRadius, d - FRadius);
    const int hi = std::max(FRadius, d - FRadius);
    const QRegion inner(QRect(lo, lo, hi - lo, hi - lo), QRegion::Ellipse);
    FClip = outer.subtracted(inner);
}

void THRingPicker::paintEvent(QPaintEvent*)
{
    // A size set while hidden reaches resizeEvent only at show time; a grab
    // before that must not show a wheel of the old size.
    if (Diameter() != FWheel.width()) {
        BuildWheel();
        BuildClip();
    }
    {
        QPainter p(this);
        FillWithParentBackground(p);
        p.setClipRegion(FClip);
        p.drawImage(0, 0, FWheel);
        const int d = Diameter();
        const int r = d / 2;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColorOf(FHueLineColor), 0));
        p.drawLine(QPoint(r, r), HueLineEnd(FHue, d));
    }
    if (FChangePending) {
        FChangePending = false;
        if (OnChange)
            OnChange(this);
    }
}

void THRingPicker::resizeEvent(QResizeEvent* e)
{
    TqvColorPickerControl::resizeEvent(e);
    if (Diameter() != FWheel.width())
        BuildWheel();
    BuildClip();
}

void THRingPicker::SelectAt(int x, int y)
{
    FStoredColor = clWhite;
    const int d = Diameter();
    FNotifyChange = false;
    SetHue(HueAt(x, y, d));
    SetSaturation(SaturationAt(x, y, d));
    FNotifyChange = true;
}

void THRingPicker::mousePressEvent(QMouseEvent* e)
{
    TqvColorPickerControl::mousePressEvent(e);
    const QPoint pt = e->position().toPoint();
    if (e->button() == Qt::LeftButton && IsPointInDisc(pt.x(), pt.y(), Diameter())) {
        ConfinePointerTo(rect().adjusted(-1, -1, 1, 1));
        FChangePending = true;
        SelectAt(pt.x(), pt.y());
    }
    setFocus(Qt::MouseFocusReason);
}

void THRingPicker::mouseMoveEvent(QMouseEvent* e)
{
    TqvColorPickerControl::mouseMoveEvent(e);
    const QPoint pt = e->position().toPoint();
    if ((e->buttons() & Qt::LeftButton) && IsPointInDisc(pt.x(), pt.y(), Diameter())) {
        FChangePending = true;
        SelectAt(pt.x(), pt.y());
    }
}

void THRingPicker::mouseReleaseEvent(QMouseEvent* e)
{
    TqvColorPickerControl::mouseReleaseEvent(e);
    ReleasePointerConfinement();
    const QPoint pt = e->position().toPoint();
    if (e->button() == Qt::LeftButton && IsPointInDisc(pt.x(), pt.y(), Diameter())) {
        FChangePending = true;
        SelectAt(pt.x(), pt.y());
    }
}

void THRingPicker::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        DefaultKeyDown(e);
        return;
    }
    const int step = (e->modifiers() & Qt::ControlModifier) ? 10 : 1;
    int h = key == Qt::Key_Left ? FHue + step : FHue - step;
    if (h < 0)
        h += 360;
    if (h > 360)
        h -= 360;
    FNotifyChange = false;
    SetHue(h);
    FNotifyChange = true;
    if (OnChange)
        OnChange(this);
    int k = key;
    if (OnKeyDown)
        OnKeyDown(this, k, e->modifiers());
    e->accept();
}
