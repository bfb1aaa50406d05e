#include "pickers/HexaColorPicker.h"

#include "colour/ColorPacking.h"
#include "colour/ColorScales.h"
#include "colour/HintFormat.h"
#include "colour/Rounding.h"
#include "platform/PointerConfine.h"
#include "platform/TooltipText.h"
#include "pickers/WheelNotches.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

using namespace hexa;

namespace {

// QToolTip puts the label this far right of and below the point it is given
// (it expects the pointer position); the slider hint wants the label's corner
// exactly at its own point.
#ifdef Q_OS_WIN
const QPoint kToolTipOffset(2, 21);
#else
const QPoint kToolTipOffset(2, 16);
#endif

constexpr int kHintHideMs = 5000;
constexpr std::uint8_t kOwnerGrayBase = 128;
constexpr std::uint8_t kOwnerSlider = 255;

QPolygon ToPolygon(const std::array<TIntPoint, 6>& points)
{
    QPolygon poly(6);
    for (int i = 0; i < 6; ++i)
        poly.setPoint(i, points[i].X, points[i].Y);
    return poly;
}

bool IsArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

TColor ColorFromQColor(const QColor& c)
{
    return RGBColor(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

} // namespace

THexaColorPicker::THexaColorPicker(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the cached picture or the background fill.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A tab stop; a left press takes the focus itself.
    setFocusPolicy(Qt::TabFocus);
    // Moves without a button keep the hover colour and a showing hint current.
    setMouseTracking(true);
    FLayout.Radius = 90;
    FSliderWidth = 12;
    resize(204, 206);
    setMinimumSize(MinWidth, MinHeight);
    FNavAnchor = 0;
    FHintFormat = QStringLiteral("RGB(%r, %g, %b)\rHex: #%hex");
    FShowHint = true;
    FSliderVisible = true;
    FSliderMarker = smArrow;
    FNewArrowStyle = false;
    InitGeometry();
    UpdateLayout();
    OnMouseWheelUp = [this](THexaColorPicker* s, Qt::KeyboardModifiers m, QPoint p, bool& h) {
        WheelUpHandler(s, m, p, h);
    };
    OnMouseWheelDown = [this](THexaColorPicker* s, Qt::KeyboardModifiers m, QPoint p, bool& h) {
        WheelDownHandler(s, m, p, h);
    };
    FIntensityText = QStringLiteral("Intensity");
    // Shared by the whole program: every HSL readout from now on is on the
    // 360/255/255 scales.
    SetColorScales(360, 255, 255);
}

THexaColorPicker::~THexaColorPicker()
{
    ReleaseConfinement();
    FHexCombs.clear();
    FGrayCombs.clear();
}

void THexaColorPicker::InitGeometry()
{
    FColorFound = false;
    FCenterRGB = {1, 1, 1};
    FIntensityIncrement = 1;
    FIntensityLevel = 1.0f;
}

void THexaColorPicker::UpdateLayout()
{
    FLayout = ComputeLayout(FLayout.Radius, FSliderVisible, FSliderWidth);
}

void THexaColorPicker::HandleNeeded()
{
    if (!FCreated)
        CreateWnd();
}

void THexaColorPicker::CreateWnd()
{
    FCreated = true;
    SetSelectedColor(clBlack);
    if (width() >= MinWidth && height() >= MinHeight)
        ApplyRadius(RadiusFromSize(width(), height(), FSliderVisible, FSliderWidth));
}

void THexaColorPicker::ApplyRadius(int r)
{
    FLayout.Radius = r;
    RebuildAll();
}

void THexaColorPicker::RebuildAll()
{
    UpdateLayout();
    BuildCombTables();
    RenderPicker();
    update();
}

void THexaColorPicker::BuildCombTables()
{
    HandleNeeded();
    FHexCombs = BuildHexCombs(FCenterRGB, FLayout.Radius);
    FGrayCombs = BuildGrayCombs(FLayout.CombSize);
    AssignNavNumbers(FHexCombs, FGrayCombs);
    FLayerDirty = true;
}

void THexaColorPicker::SetSliderVisible(bool v)
{
    if (v == FSliderVisible)
        return;
    FSliderVisible = v;
    RebuildAll();
}

void THexaColorPicker::SetSliderMarker(TMarker v)
{
    if (v == FSliderMarker)
        return;
    FSliderMarker = v;
    RebuildAll();
}

void THexaColorPicker::SetNewArrowStyle(bool v)
{
    if (v == FNewArrowStyle)
        return;
    FNewArrowStyle = v;
    RebuildAll();
}

void THexaColorPicker::SetSliderWidth(int v)
{
    // A width given while the slider is hidden is dropped, not remembered.
    if (v == FSliderWidth || !FSliderVisible)
        return;
    FSliderWidth = v;
    UpdateLayout();
    resize(FLayout.SliderRect.Right + 2, height());
    BuildCombTables();
    RenderPicker();
    update();
}

// ---- Picture --------------------------------------------------------------

THexaColorPicker::TBaseKey THexaColorPicker::CurrentBaseKey() const
{
    return {width(), PictureHeight(FLayout), FLayout.Radius, FSliderVisible, FSliderWidth,
            palette().color(backgroundRole()).rgb()};
}

void THexaColorPicker::BuildBase(const TBaseKey& key)
{
    FBaseKey = key;
    FLayerDirty = true;
    FHexRuns.clear();
    const int w = key.Width;
    const int h = key.Height;
    if (w <= 0 || h <= 0) {
        FOwner.clear();
        FBase = QImage();
        return;
    }

    // Which cell ends up owning each pixel does not depend on the colours:
    // paint the cells once in their painting order with their index as the
    // colour, and read the owners back.
    QImage owners(w, h, QImage::Format_RGB32);
    owners.fill(0xFF000000);
    const TIntPoint centre = HexCentre(FLayout);
    const TCombArray hex = BuildHexCombs({1, 1, 1}, FLayout.Radius);
    const TCombArray gray = BuildGrayCombs(FLayout.CombSize);
    {
        QPainter p(&owners);
        auto cell = [&](int code, int x, int y, int size) {
            const QColor c = QColor::fromRgb(0, 0, code);
            p.setPen(QPen(c, 1));
            p.setBrush(c);
            p.drawPolygon(ToPolygon(CombHexagon(x, y, size)));
        };
        for (std::size_t i = 0; i < hex.size(); ++i)
            cell(int(i) + 1, centre.X + hex[i].Position.X, centre.Y + hex[i].Position.Y, FLayout.CombSize);
        for (std::size_t i = 0; i < gray.size(); ++i) {
            const bool big = i == 0 || i + 1 == gray.size();
            cell(kOwnerGrayBase + int(i), FLayout.GrayRect.Left + gray[i].Position.X,
                 FLayout.GrayRect.Top + gray[i].Position.Y, big ? 2 * FLayout.CombSize : FLayout.CombSize);
        }
    }
    FOwner.assign(std::size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(owners.constScanLine(y));
        for (int x = 0; x < w; ++x)
            FOwner[std::size_t(y) * w + x] = std::uint8_t(qBlue(line[x]));
    }

    FBase = QImage(w, h, QImage::Format_RGB32);
    FBase.fill(0xFF000000 | key.Background);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(FBase.scanLine(y));
        const std::uint8_t* own = &FOwner[std::size_t(y) * w];
        for (int x = 0; x < w; ++x)
            if (own[x] >= kOwnerGrayBase)
                line[x] = 0xFF000000 | PixelFromColor(gray[own[x] - kOwnerGrayBase].Color);
    }

    // The slider gradient goes over everything, white at the top row and
    // black at the bottom one.
    if (FSliderVisible) {
        const TRect& s = FLayout.SliderRect;
        const int rows = s.Bottom - s.Top - 1;
        const float f = rows > 0 ? float(255.0 / rows) : 0.0f;
        const int x0 = std::max(0, s.Left);
        const int x1 = std::min(w, s.Left + FSliderWidth);
        for (int r = 0; r <= rows; ++r) {
            const int y = s.Top + r;
            if (y < 0 || y >= h)
                continue;
            const int g = std::clamp(Round(double(rows - r) * double(f)), 0, 255);
            QRgb* line = reinterpret_cast<QRgb*>(FBase.scanLine(y));
            for (int x = x0; x < x1; ++x) {
                line[x] = qRgb(g, g, g);
                FOwner[std::size_t(y) * w + x] = kOwnerSlider;
            }
        }
    }

    for (int y = 0; y < h; ++y) {
        const std::uint8_t* own = &FOwner[std::size_t(y) * w];
        int x = 0;
        while (x < w) {
            const std::uint8_t o = own[x];
            int end = x + 1;
            while (end < w && own[end] == o)
                ++end;
            if (o >= 1 && o <= HexCombCount)
                FHexRuns.push_back({y * w + x, end - x, o - 1});
            x = end;
        }
    }
}

void THexaColorPicker::BuildLayer()
{
    FLayerDirty = false;
    if (FBase.isNull()) {
        FLayer = QImage();
        return;
    }
    if (FLayer.size() != FBase.size())
        FLayer = QImage(FBase.size(), QImage::Format_RGB32);
    std::memcpy(FLayer.bits(), FBase.constBits(), std::size_t(FBase.sizeInBytes()));
    QRgb* bits = reinterpret_cast<QRgb*>(FLayer.bits());
    for (const TCellRun& run : FHexRuns) {
        const QRgb px = 0xFF000000 | PixelFromColor(FHexCombs[run.Cell].Color);
        std::fill_n(bits + run.Offset, run.Length, px);
    }
}

void THexaColorPicker::DrawCombMarker(QPainter& p, int x, int y, int size)
{
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(ToPolygon(CombHexagon(x, y, size)));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(Qt::NoPen);
}

void THexaColorPicker::DrawSliderMarker(QPainter& p)
{
    const TRect& s = FLayout.SliderRect;
    const int h = s.Bottom - s.Top - 1;
    const int x = s.Left + FSliderWidth + 1;
    const int y = s.Top + Round((1.0 - double(FIntensityLevel)) * h);
    if (FSliderMarker == smArrow && !FNewArrowStyle) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 6, y - 4), QPoint(x + 6, y + 4)}));
    } else if (FSliderMarker == smArrow) {
        p.setPen(QPen(palette().color(QPalette::Dark), 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 4, y - 4), QPoint(x + 6, y - 4), QPoint(x + 7, y - 3),
                                QPoint(x + 7, y + 3), QPoint(x + 6, y + 4), QPoint(x + 4, y + 4)}));
    }
    p.setPen(Qt::NoPen);
}

// The rectangle marker inverts a one-pixel frame from 3 pixels left of the
// gradient to 3 pixels right of it, 6 rows high around the level.
void THexaColorPicker::InvertSliderFrame()
{
    const TRect& s = FLayout.SliderRect;
    const int h = s.Bottom - s.Top - 1;
    const int x = s.Left + FSliderWidth + 1;
    const int y = s.Top + Round((1.0 - double(FIntensityLevel)) * h);
    const int l = x - FSliderWidth - 4, t = y - 3, r = x + 2, b = y + 3;
    auto invert = [&](int px, int py) {
        if (px < 0 || py < 0 || px >= FPicture.width() || py >= FPicture.height())
            return;
        QRgb* line = reinterpret_cast<QRgb*>(FPicture.scanLine(py));
        line[px] ^= 0x00FFFFFF;
    };
    for (int px = l; px < r; ++px) {
        invert(px, t);
        if (b - 1 > t)
            invert(px, b - 1);
    }
    for (int py = t + 1; py < b - 1; ++py) {
        invert(l, py);
        if (r - 1 > l)
            invert(r - 1, py);
    }
}

void THexaColorPicker::RenderPicker()
{
    FRendered = false;
    FPictureRendered = true;
    const TBaseKey key = CurrentBaseKey();
    if (!(key == FBaseKey))
        BuildBase(key);
    if (FHexCombs.size() != std::size_t(HexCombCount) || FGrayCombs.size() != std::size_t(GrayCombCount))
        return;
    if (FLayerDirty)
        BuildLayer();
    if (FLayer.isNull()) {
        FPicture = QImage();
        return;
    }
    if (FPicture.size() != FLayer.size())
        FPicture = QImage(FLayer.size(), QImage::Format_RGB32);
    std::memcpy(FPicture.bits(), FLayer.constBits(), std::size_t(FLayer.sizeInBytes()));

    const TIntPoint centre = HexCentre(FLayout);
    const int cs = FLayout.CombSize;
    {
        QPainter p(&FPicture);
        if (FSelectedCode > 0) {
            FNavAnchor = FSelectedCode - 1;
            const TCombRecord& c = FHexCombs[FNavAnchor];
            DrawCombMarker(p, centre.X + c.Position.X, centre.Y + c.Position.Y, cs);
        }
        if (FSelectedCode < 0) {
            const int i = -FSelectedCode - 1;
            FNavAnchor = -i;
            const TCombRecord& g = FGrayCombs[i];
            const int gx = FLayout.GrayRect.Left + g.Position.X;
            const int gy = FLayout.GrayRect.Top + g.Position.Y;
            if (i == 0 || i == GrayCombCount - 1) {
                // The honeycomb centre shares the colour of the white cell at
                // 100 % and of the black cell at 0 %: the mark shows on both.
                const TColor centreColor = FHexCombs[0].Color;
                if ((i == 0 && centreColor == clWhite) || (i == GrayCombCount - 1 && centreColor == clBlack))
                    DrawCombMarker(p, centre.X, centre.Y, cs);
                DrawCombMarker(p, gx, gy, 2 * cs);
            } else {
                DrawCombMarker(p, gx, gy, cs);
            }
        }
        if (FSliderVisible)
            DrawSliderMarker(p);
    }
    if (FSliderVisible && FSliderMarker == smRect)
        InvertSliderFrame();
    FRenderedKey = CurrentRenderKey();
    FRendered = true;
}

void THexaColorPicker::paintEvent(QPaintEvent*)
{
    HandleNeeded();
    QPainter p(this);
    const QBrush background = palette().brush(backgroundRole());
    if (!FPicture.isNull())
        p.drawImage(0, 0, FPicture);
    const int pw = FPicture.isNull() ? 0 : FPicture.width();
    const int ph = FPicture.isNull() ? 0 : FPicture.height();
    if (pw < width())
        p.fillRect(QRect(pw, 0, width() - pw, height()), background);
    if (ph < height())
        p.fillRect(QRect(0, ph, std::min(pw, width()), height() - ph), background);
}

void THexaColorPicker::resizeEvent(QResizeEvent* e)
{
    const bool creating = !FCreated;
    HandleNeeded();
    if (width() < MinWidth || height() < MinHeight)
        return;
    // Creation has just taken the radius from this very size.
    if (!creating)
        ApplyRadius(RadiusFromSize(width(), height(), FSliderVisible, FSliderWidth));
    QWidget::resizeEvent(e);
    if (OnResize)
        OnResize(this);
}

void THexaColorPicker::showEvent(QShowEvent* e)
{
    HandleNeeded();
    QWidget::showEvent(e);
}

void THexaColorPicker::hideEvent(QHideEvent* e)
{
    // A control hidden in the middle of a drag never sees the release.
    ReleaseConfinement();
    FLeftDown = false;
    QWidget::hideEvent(e);
}

void THexaColorPicker::leaveEvent(QEvent* e)
{
    FHintShowing = false;
    QWidget::leaveEvent(e);
}

void THexaColorPicker::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange && FCreated) {
        RenderPicker();
        update();
    }
    QWidget::changeEvent(e);
}

// ---- Selection --------------------------------------------------------------

void THexaColorPicker::FireChange()
{
    if (OnChange)
        OnChange(this);
}

void THexaColorPicker::SetSelectedColor(TColor c)
{
    // The first write before the window exists creates it first, so the
    // black that creation selects cannot land in the middle of this write.
    HandleNeeded();
    FSelectedColor = c;
    FPictureRendered = false;
    ApplySelectedColor(c);
    if (FPictureRendered)
        update();
}

void THexaColorPicker::ApplySelectedColor(TColor c)
{
    LocateColor(c);
    if (!FRendered || FLayerDirty || !(CurrentRenderKey() == FRenderedKey))
        RenderPicker();
    FireChange();
}

THexaColorPicker::TRenderKey THexaColorPicker::CurrentRenderKey() const
{
    return TRenderKey{CurrentBaseKey(), FSelectedCode, FIntensityLevel, FSliderMarker, FNewArrowStyle};
}

TColor THexaColorPicker::ColorToRGB(TColor c) const
{
    // System colours carry their index in the low byte and the top bit set;
    // the palette is where Qt keeps the equivalents.
    if ((c & 0x80000000u) == 0)
        return c;
    const QPalette& pal = palette();
    switch (c & 0xFF) {
    case 0: return ColorFromQColor(pal.color(QPalette::Button));
    case 2: case 13: return ColorFromQColor(pal.color(QPalette::Highlight));
    case 5: return ColorFromQColor(pal.color(QPalette::Base));
    case 6: case 21: return ColorFromQColor(pal.color(QPalette::Shadow));
    case 7: case 8: return ColorFromQColor(pal.color(QPalette::WindowText));
    case 9: case 14: return ColorFromQColor(pal.color(QPalette::HighlightedText));
    case 15: return ColorFromQColor(pal.color(QPalette::Button));
    case 16: return ColorFromQColor(pal.color(QPalette::Dark));
    case 17: return ColorFromQColor(pal.color(QPalette::Disabled, QPalette::Text));
    case 18: return ColorFromQColor(pal.color(QPalette::ButtonText));
    case 20: return ColorFromQColor(pal.color(QPalette::Light));
    case 22: return ColorFromQColor(pal.color(QPalette::Midlight));
    case 23: return ColorFromQColor(pal.color(QPalette::ToolTipText));
    case 24: return ColorFromQColor(pal.color(QPalette::ToolTipBase));
    default: return ColorFromQColor(pal.color(QPalette::Window));
    }
}

bool THexaColorPicker::LocateColor(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    if (FHexCombs.empty())
        BuildCombTables();
    FSelectedCode = 0;
    FColorFound = false;
    for (std::size_t i = 0; i < FGrayCombs.size(); ++i)
        if (FGrayCombs[i].Color == rgb) {
            FColorFound = true;
            FSelectedCode = -(int(i) + 1);
            return true;
        }
    for (std::size_t i = 0; i < FHexCombs.size(); ++i)
        if (FHexCombs[i].Color == rgb) {
            FColorFound = true;
            FSelectedCode = int(i) + 1;
            return true;
        }
    return false;
}

void THexaColorPicker::ReselectComb()
{
    if (FSelectedCode > 0)
        SetSelectedColor(FHexCombs[FSelectedCode - 1].Color);
    else if (FSelectedCode < 0)
        SetSelectedColor(FGrayCombs[-FSelectedCode - 1].Color);
    else
        SetSelectedColor(clNone);
}

// ---- Intensity --------------------------------------------------------------

int THexaColorPicker::Intensity() const
{
    return Round(double(FIntensityLevel) * 100);
}

void THexaColorPicker::SetIntensity(int v)
{
    ApplyIntensityLevel(float(v / 100.0));
}

void THexaColorPicker::ApplyIntensityLevel(float level)
{
    if (!(level >= 0))
        level = 0;
    if (level > 1)
        level = 1;
    FIntensityLevel = level;
    FCenterRGB = {level, level, level};
    FHexCombs.clear();
    BuildCombTables();
    update();
    ReselectComb();
    if (OnIntensityChange)
        OnIntensityChange(this);
    // A showing hint reads the new level. Qt hides tooltips on every wheel
    // turn and key press, so a hint that was up is put back.
    if (FHintShowing)
        HintRequest(FLastMousePos, mapToGlobal(FLastMousePos));
}

void THexaColorPicker::StepIntensity(bool up)
{
    int v = Intensity();
    v = up ? std::min(v + FIntensityIncrement, 100) : std::max(v - FIntensityIncrement, 0);
    SetIntensity(v);
}

// ---- Mouse ------------------------------------------------------------------

bool THexaColorPicker::TrackSlider(QPoint pt)
{
    if (!FSliderVisible)
        return false;
    const TRect& s = FLayout.SliderRect;
    const bool take = (s.Contains(pt.x(), pt.y()) && FDragArea == daNone) ||
                      (pt.x() >= s.Left && pt.x() <= s.Right && FDragArea == daSlider);
    if (!take)
        return false;
    FDragArea = daSlider;
    ApplyIntensityLevel(float(1.0 - double(pt.y() - s.Top) / double(s.Bottom - s.Top)));
    return true;
}

bool THexaColorPicker::TrackGrayRow(QPoint pt)
{
    if (!FLayout.GrayRect.Contains(pt.x(), pt.y()) || (FDragArea != daNone && FDragArea != daGrayRow))
        return false;
    FDragArea = daGrayRow;
    const int i = HitGrayComb(FGrayCombs, FLayout, pt.x(), pt.y());
    if (i < 0)
        return false;
    if (FSelectedCode > 0)
        update();
    if (-(i + 1) != FSelectedCode) {
        FSelectedCode = -(i + 1);
        update();
        ReselectComb();
    }
    return true;
}

bool THexaColorPicker::TrackHexagon(QPoint pt)
{
    if (!FLayout.HexRect.Contains(pt.x(), pt.y()) || (FDragArea != daNone && FDragArea != daHexagon))
        return false;
    FDragArea = daHexagon;
    const int i = HitHexComb(FHexCombs, FLayout, pt.x(), pt.y());
    if (i < 0)
        return false;
    if (FSelectedCode < 0)
        update();
    if (i + 1 != FSelectedCode) {
        FSelectedCode = i + 1;
        update();
        ReselectComb();
    }
    return true;
}

void THexaColorPicker::RouteMouse(QPoint pt)
{
    if (!TrackSlider(pt) && !TrackGrayRow(pt))
        TrackHexagon(pt);
}

void THexaColorPicker::mousePressEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, e->button(), e->modifiers(), pt.x(), pt.y());
    if (e->button() != Qt::LeftButton)
        return;
    FLeftDown = true;
    setFocus(Qt::MouseFocusReason);
    platform::ConfinePointer(this, rect());
    FConfining = true;
    if (rect().contains(pt))
        RouteMouse(pt);
}

void THexaColorPicker::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, e->modifiers(), pt.x(), pt.y());
    FLastMousePos = pt;
    FHoverColor = clNone;
    if (FLayout.GrayRect.Contains(pt.x(), pt.y())) {
        const int i = HitGrayComb(FGrayCombs, FLayout, pt.x(), pt.y());
        if (i >= 0)
            FHoverColor = FGrayCombs[i].Color;
    } else if (FLayout.HexRect.Contains(pt.x(), pt.y())) {
        const int i = HitHexComb(FHexCombs, FLayout, pt.x(), pt.y());
        if (i >= 0)
            FHoverColor = FHexCombs[i].Color;
    }
    if (e->buttons() & Qt::LeftButton)
        RouteMouse(pt);
    if (FHintShowing && QToolTip::isVisible())
        HintRequest(pt, e->globalPosition().toPoint());
}

void THexaColorPicker::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, e->button(), e->modifiers(), pt.x(), pt.y());
    if (e->button() != Qt::LeftButton)
        return;
    ReleaseConfinement();
    FLeftDown = false;
    const TDragArea area = FDragArea;
    FDragArea = daNone;
    // The end of a honeycomb or grey-row drag reports the colour once more.
    if (FColorFound && FSelectedCode != 0 && (area == daHexagon || area == daGrayRow))
        ReselectComb();
}

void THexaColorPicker::ReleaseConfinement()
{
    if (!FConfining)
        return;
    FConfining = false;
    platform::ReleasePointer();
}

void THexaColorPicker::wheelEvent(QWheelEvent* e)
{
    const QPoint pos = e->position().toPoint();
    const bool handled = DispatchWheelNotches(
        FWheelAccumulator, e,
        [&](bool& h) {
            if (OnMouseWheelUp)
                OnMouseWheelUp(this, e->modifiers(), pos, h);
        },
        [&](bool& h) {
            if (OnMouseWheelDown)
                OnMouseWheelDown(this, e->modifiers(), pos, h);
        });
    e->setAccepted(handled);
}

void THexaColorPicker::WheelUpHandler(THexaColorPicker*, Qt::KeyboardModifiers, QPoint, bool& handled)
{
    if (!FSliderVisible)
        return;
    handled = true;
    StepIntensity(true);
}

void THexaColorPicker::WheelDownHandler(THexaColorPicker*, Qt::KeyboardModifiers, QPoint, bool& handled)
{
    if (!FSliderVisible)
        return;
    handled = true;
    StepIntensity(false);
}

// ---- Keys -------------------------------------------------------------------

int THexaColorPicker::CurrentNavNumber() const
{
    if (FNavAnchor >= 0)
        return std::size_t(FNavAnchor) < FHexCombs.size() ? FHexCombs[FNavAnchor].NavNumber : 64;
    return std::size_t(-FNavAnchor) < FGrayCombs.size() ? FGrayCombs[-FNavAnchor].NavNumber : 64;
}

void THexaColorPicker::SelectNavNumber(int n)
{
    if (n < 1) {
        for (int i = 1; i <= 15 && i < int(FGrayCombs.size()); ++i)
            if (FGrayCombs[i].NavNumber == n) {
                SetSelectedColor(FGrayCombs[i].Color);
                return;
            }
        return;
    }
    for (const TCombRecord& c : FHexCombs)
        if (c.NavNumber == n) {
            SetSelectedColor(c.Color);
            return;
        }
}

void THexaColorPicker::keyPressEvent(QKeyEvent* e)
{
    int key = e->key();
    if (!IsArrowKey(key)) {
        // The ordinary key processing: OnKeyDown sees the key and may swallow
        // it by clearing it; otherwise it goes on to the parent.
        if (OnKeyDown)
            OnKeyDown(this, key, e->modifiers());
        if (key == 0)
            e->accept();
        else
            QWidget::keyPressEvent(e);
        return;
    }
    HandleNeeded();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Left:
        if (ctrl)
            SetSelectedColor(clWhite);
        else
            SelectNavNumber(PreviousNavNumber(CurrentNavNumber()));
        break;
    case Qt::Key_Right:
        if (ctrl)
            SetSelectedColor(clBlack);
        else
            SelectNavNumber(NextNavNumber(CurrentNavNumber()));
        break;
    case Qt::Key_Up:
        if (FSliderVisible) {
            if (ctrl)
                SetIntensity(100);
            else
                StepIntensity(true);
        }
        break;
    case Qt::Key_Down:
        if (FSliderVisible) {
            if (ctrl)
                SetIntensity(0);
            else
                StepIntensity(false);
        }
        break;
    }
    if (OnKeyDown)
        OnKeyDown(this, key, e->modifiers());
    e->accept();
}

// ---- Hint -------------------------------------------------------------------

QString THexaColorPicker::HintTextAt(QPoint p) const
{
    if (FSliderVisible && FLayout.SliderRect.Contains(p.x(), p.y()))
        return FIntensityText + QString::asprintf(": %d%%", Intensity());
    const TCombRecord* cell = nullptr;
    if (FLayout.GrayRect.Contains(p.x(), p.y())) {
        const int i = FLeftDown ? -FSelectedCode - 1 : HitGrayComb(FGrayCombs, FLayout, p.x(), p.y());
        if (i >= 0 && std::size_t(i) < FGrayCombs.size())
            cell = &FGrayCombs[i];
    } else if (FLayout.HexRect.Contains(p.x(), p.y())) {
        const int i = FLeftDown ? FSelectedCode - 1 : HitHexComb(FHexCombs, FLayout, p.x(), p.y());
        if (i >= 0 && std::size_t(i) < FHexCombs.size())
            cell = &FHexCombs[i];
    }
    if (!cell)
        return QString();
    return QString::fromStdString(ExpandHintFormat(FHintFormat.toStdString(), cell->Color));
}

bool THexaColorPicker::HintRequest(QPoint p, QPoint globalPos)
{
    if (FHoverColor == clNone && !FLayout.SliderRect.Contains(FLastMousePos.x(), FLastMousePos.y())) {
        if (FHintShowing) {
            QToolTip::hideText();
            FHintShowing = false;
        }
        return false;
    }
    if (!FShowHint) {
        QToolTip::hideText();
        FHintShowing = false;
        return true;
    }
    const QString text = HintTextAt(p);
    if (text.isNull()) {
        QToolTip::hideText();
        FHintShowing = false;
        return true;
    }
    QPoint at = globalPos;
    if (FSliderVisible && FLayout.SliderRect.Contains(p.x(), p.y()))
        at = mapToGlobal(QPoint(FLayout.SliderRect.Right, p.y() - 8)) - kToolTipOffset;
    QToolTip::showText(at, platform::TooltipText(text), this, QRect(), kHintHideMs);
    FHintShowing = true;
    return true;
}

bool THexaColorPicker::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ToolTip: {
        auto* he = static_cast<QHelpEvent*>(e);
        if (HintRequest(he->pos(), he->globalPos()))
            return true;
        break;
    }
    case QEvent::ShortcutOverride:
        // The arrow keys belong to the ring and the slider, never to a
        // window shortcut or focus navigation.
        if (IsArrowKey(static_cast<QKeyEvent*>(e)->key())) {
            e->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(e);
}
