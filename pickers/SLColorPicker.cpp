#include "pickers/SLColorPicker.h"

#include "colour/ColorLibrary.h"
#include "pickers/PickerMarkers.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

TSLColorPicker::TSLColorPicker(QWidget* parent) : TqvColorPickerControl(parent)
{
    SetColorScales(360, 255, 255);
    resize(255, 255);
    // Qt delivers the first resize only at show time; the pictures must exist
    // before that for a grab or a benchmark of a hidden control.
    BuildPicture();
    PlaceMarker();
}

TSLColorPicker::~TSLColorPicker() = default;

void TSLColorPicker::SetHue(int v)
{
    v = std::clamp(v, 0, 360);
    if (v == FHue)
        return;
    // A hue equal to the hue scale paints as hue 0 (red either way), so a
    // colour flickering between 0 and 360 does not recompute the picture.
    auto painted = [](int h) { return HueScale > 0 && h >= HueScale ? 0 : h; };
    const bool samePicture = painted(v) == painted(FHue);
    FHue = v;
    if (!samePicture)
        BuildPicture();
    PlaceMarker();
    update();
    Changed();
}

void TSLColorPicker::SetSaturation(int v)
{
    v = std::clamp(v, 0, 255);
    if (v == FSat)
        return;
    FSat = v;
    PlaceMarker();
    update();
    Changed();
}

void TSLColorPicker::SetLuminance(int v)
{
    v = std::clamp(v, 0, 255);
    if (v == FLum)
        return;
    FLum = v;
    PlaceMarker();
    update();
    Changed();
}

void TSLColorPicker::Changed()
{
    if (FNotifyChange && OnChange)
        OnChange(this);
}

TColor TSLColorPicker::SelectedColor() const
{
    const TColor c = ColorFromTriple(TripleFromScaledHSV(FHue, FSat, FLum));
    return WebSafe() ? SnapToWebSafe(c) : c;
}

void TSLColorPicker::SetSelectedColor(TColor c)
{
    if (WebSafe())
        c = SnapToWebSafe(c);
    const bool notify = FNotifyChange;
    FNotifyChange = false;
    int h = 0, s = 0, l = 0;
    TripleToHSVInt(TripleFromRGB(GetRValue(c), GetGValue(c), GetBValue(c)), h, s, l);
    SetHue(h);
    SetSaturation(s);
    SetLuminance(l);
    FNotifyChange = notify;
    if (FNotifyChange && OnChange)
        OnChange(this);
    FNotifyChange = true;
}

TColor TSLColorPicker::ColorAtPosition(int x, int y) const
{
    const int s = MulDiv(255, x, width());
    const int l = MulDiv(255, height() - y, height());
    const TColor c = ColorFromTriple(TripleFromScaledHSV(FHue, s, l));
    return WebSafe() ? SnapToWebSafe(c) : c;
}

void TSLColorPicker::WebSafeSwitched()
{
    BuildPicture();
    update();
}

int TSLColorPicker::GradientIndex(int i, int n)
{
    return n > 1 ? (i * 255 + (n - 1) / 2) / (n - 1) : 0;
}

// Every call below is inlined where the compiler allows: the per-cell
// conversion then keeps the hue-dependent part out of the inner loop.
#if defined(__GNUC__)
#define TINQUOR_FLATTEN __attribute__((flatten))
#else
#define TINQUOR_FLATTEN
#endif

TINQUOR_FLATTEN void TSLColorPicker::BuildPicture()
{
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) {
        FPicture = QImage();
        return;
    }
    if (FPicture.size() != QSize(w, h))
        FPicture = QImage(w, h, QImage::Format_RGB32);
    const bool webSafe = WebSafe();
    const int hue = FHue;
    // Gradient cell (column j, row i): saturation j, luminance 255 - i.
    auto cell = [hue, webSafe](int j, int i) -> std::uint32_t {
        if (webSafe) {
            const TColor c = SnapToWebSafe(ColorFromTriple(TripleFromScaledHSV(hue, j, 255 - i)));
            return 0xFF000000u | PixelFromRGB(GetRValue(c), GetGValue(c), GetBValue(c));
        }
        return 0xFF000000u | PixelFromScaledHSV(hue, j, 255 - i);
    };
    std::vector<int> columns(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x)
        columns[std::size_t(x)] = GradientIndex(x, w);
    const qsizetype stride = FPicture.bytesPerLine();
    uchar* row = FPicture.bits();
    int lastSource = -1;
    for (int y = 0; y < h; ++y, row += stride) {
        auto* line = reinterpret_cast<std::uint32_t*>(row);
        const int i = GradientIndex(y, h);
        if (i == lastSource) {
            std::memcpy(row, row - stride, std::size_t(w) * sizeof(std::uint32_t));
            continue;
        }
        lastSource = i;
        int lastColumn = -1;
        std::uint32_t px = 0;
        for (int x = 0; x < w; ++x) {
            const int j = columns[std::size_t(x)];
            if (j != lastColumn) {
                px = cell(j, i);
                lastColumn = j;
            }
            line[x] = px;
        }
    }
}

void TSLColorPicker::PlaceMarker()
{
    FMarkerX = MulDiv(FSat, width(), 255);
    FMarkerY = MulDiv(255 - FLum, height(), 255);
}

void TSLColorPicker::paintEvent(QPaintEvent*)
{
    // A size set while hidden reaches resizeEvent only at show time.
    if (FPicture.size() != size())
        BuildPicture();
    if (FPicture.isNull())
        return;
    FFrame = FPicture;
    markers::DrawMarker(FFrame, MarkerStyle(), FMarkerX, FMarkerY, ColorAtPosition(FMarkerX, FMarkerY));
    QPainter p(this);
    p.drawImage(0, 0, FFrame);
}

void TSLColorPicker::resizeEvent(QResizeEvent* e)
{
    TqvColorPickerControl::resizeEvent(e);
    if (FPicture.size() != size())
        BuildPicture();
    PlaceMarker();
}

void TSLColorPicker::SelectAt(int x, int y)
{
    FNotifyChange = false;
    SetSaturation(MulDiv(255, x, width()));
    SetLuminance(MulDiv(255, height() - y, height()));
    FNotifyChange = true;
}

void TSLColorPicker::MouseSelect(const QPoint& pt)
{
    FMarkerX = pt.x();
    FMarkerY = pt.y();
    SelectAt(pt.x(), pt.y());
    // The marker may have moved even where neither value changed.
    update();
    if (OnChange)
        OnChange(this);
}

void TSLColorPicker::mousePressEvent(QMouseEvent* e)
{
    TqvColorPickerControl::mousePressEvent(e);
    const QPoint pt = e->position().toPoint();
    if (e->button() == Qt::LeftButton && Inside(pt)) {
        FMarkerX = pt.x();
        FMarkerY = pt.y();
        ConfinePointerTo(rect());
        MouseSelect(pt);
    }
    setFocus(Qt::MouseFocusReason);
}

void TSLColorPicker::mouseMoveEvent(QMouseEvent* e)
{
    TqvColorPickerControl::mouseMoveEvent(e);
    const QPoint pt = e->position().toPoint();
    if ((e->buttons() & Qt::LeftButton) && Inside(pt))
        MouseSelect(pt);
}

void TSLColorPicker::mouseReleaseEvent(QMouseEvent* e)
{
    TqvColorPickerControl::mouseReleaseEvent(e);
    ReleasePointerConfinement();
    const QPoint pt = e->position().toPoint();
    if (e->button() == Qt::LeftButton && Inside(pt))
        MouseSelect(pt);
}

void TSLColorPicker::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down) {
        DefaultKeyDown(e);
        return;
    }
    const int step = (e->modifiers() & Qt::ControlModifier) ? 10 : 1;
    int x = FMarkerX, y = FMarkerY;
    bool allowed = false;
    // No partial step: a move that would leave 0..Width / 0..Height is refused.
    switch (key) {
    case Qt::Key_Left: x -= step; allowed = x >= 0; break;
    case Qt::Key_Right: x += step; allowed = x <= width(); break;
    case Qt::Key_Up: y -= step; allowed = y >= 0; break;
    default: y += step; allowed = y <= height(); break;
    }
    if (allowed) {
        FMarkerX = x;
        FMarkerY = y;
        SelectAt(x, y);
        update();
        if (OnChange)
            OnChange(this);
    }
    int k = key;
    if (OnKeyDown)
        OnKeyDown(this, k, e->modifiers());
    e->accept();
}
