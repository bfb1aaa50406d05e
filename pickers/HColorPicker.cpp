#include "pickers/HColorPicker.h"

#include "colour/ColorLibrary.h"

#include <QPainter>

#include <algorithm>

THColorPicker::THColorPicker(QWidget* parent) : TqvTrackBarPicker(parent)
{
    resize(267, 22);
    FSaturation = 255;
    FValue = 255;
    SetArrowOffset(HueToOffset(0));
    FNotify = false;
    SetHue(0);
    SetHintFormat(QStringLiteral("Hue: %h"));
    FNotify = true;
    RebuildHueStrip();
}

int THColorPicker::HueToOffsetFor(int h, int length, int reserve)
{
    const double scale = (length - 12) / 360.0;
    int offset = Round(scale * h);
    if (offset > length - reserve)
        offset = length - reserve;
    if (offset < 0)
        offset = 0;
    return offset;
}

int THColorPicker::OffsetToHueFor(int p, int length)
{
    // A bar no longer than its insets has no scale to divide by.
    if (length <= 12)
        return 0;
    const double scale = (length - 12) / 360.0;
    return std::clamp(Round(p / scale), 0, 360);
}

int THColorPicker::HueToOffset(int h) const
{
    return HueToOffsetFor(h, BarLength(), MetricsFor(SelectionIndicator(), NewArrowStyle()).c);
}

int THColorPicker::OffsetToHue(int p) const
{
    return OffsetToHueFor(p, BarLength());
}

void THColorPicker::SetHue(int h)
{
    h = std::clamp(h, 0, 360);
    if (h == FHue)
        return;
    FHue = h;
    SetArrowOffset(HueToOffset(h));
    update();
    if (Notify())
        FireChange();
}

void THColorPicker::SetSaturation(int s)
{
    s = std::clamp(s, 0, 255);
    if (s == FSaturation)
        return;
    FSaturation = s;
    RebuildHueStrip();
    update();
    if (Notify())
        FireChange();
}

void THColorPicker::SetValue(int v)
{
    v = std::clamp(v, 0, 255);
    if (v == FValue)
        return;
    FValue = v;
    RebuildHueStrip();
    update();
    if (Notify())
        FireChange();
}

TColor THColorPicker::SelectedColor() const
{
    const TColor c = ColorFromHSV(FHue, FSaturation, FValue);
    return WebSafe() ? SnapToWebSafe(c) : c;
}

void THColorPicker::SetSelectedColor(TColor c)
{
    if (WebSafe())
        c = SnapToWebSafe(c);
    int h = 0, s = 0, v = 0;
    RGBChannelsToHSV(GetRValue(c), GetGValue(c), GetBValue(c), h, s, v);
    FNotify = false;
    SetHue(h);
    SetSaturation(s);
    SetValue(v);
    FNotify = true;
    FireChange();
}

void THColorPicker::StepHue(long long delta)
{
    // Increment is any 32-bit value; the sum is clamped before it can overflow.
    SetHue(int(std::clamp<long long>(FHue + delta, 0, 360)));
}

void THColorPicker::HandleBarAction(BarAction code)
{
    switch (code) {
    case baResize:
        SetHue(FHue);
        break;
    case baPaint:
        if (Canvas() && !GradientRect().isEmpty())
            Canvas()->drawImage(GradientRect(), FHueStrip);
        break;
    case baMouseMove:
    case baMouseDown:
    case baMouseUp:
        FHue = OffsetToHue(ArrowOffset());
        break;
    case baWheelUp:
    case baKeyDown:
    case baKeyRight:
        StepHue(Increment());
        break;
    case baWheelDown:
    case baKeyUp:
    case baKeyLeft:
        StepHue(-static_cast<long long>(Increment()));
        break;
    case baKeyCtrlUp:
    case baKeyCtrlLeft:
        SetHue(0);
        break;
    case baKeyCtrlDown:
    case baKeyCtrlRight:
        SetHue(360);
        break;
    case baRebuild:
        RebuildHueStrip();
        break;
    }
}

int THColorPicker::CurrentArrowPos()
{
    return HueToOffset(FHue);
}

QString THColorPicker::BuildHintText()
{
    const std::string text =
        ReplaceAllNoCase(HintFormat().toStdString(), "%h", std::to_string(FHue));
    return QString::fromStdString(text);
}

void THColorPicker::RebuildHueStrip()
{
    const bool horizontal = Layout() == lyHorizontal;
    const QSize size = horizontal ? QSize(360, 12) : QSize(12, 360);
    if (FHueStrip.size() != size)
        FHueStrip = QImage(size, QImage::Format_RGB32);
    const bool webSafe = WebSafe();
    for (int h = 0; h < 360; ++h) {
        TColor c = ColorFromHSV(h, FSaturation, FValue);
        if (webSafe)
            c = SnapToWebSafe(c);
        const QRgb pixel = 0xFF000000u | PixelFromColor(c);
        if (horizontal) {
            for (int y = 0; y < 12; ++y)
                reinterpret_cast<QRgb*>(FHueStrip.scanLine(y))[h] = pixel;
        } else {
            std::fill_n(reinterpret_cast<QRgb*>(FHueStrip.scanLine(h)), 12, pixel);
        }
    }
}
