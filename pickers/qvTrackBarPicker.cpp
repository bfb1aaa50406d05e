#include "pickers/qvTrackBarPicker.h"

#include "platform/PointerConfine.h"
#include "platform/TooltipText.h"
#include "pickers/WheelNotches.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Clamps without std::clamp's precondition: a control too small for its
// arrows gives hi < lo, and then lo wins.
int ClampLowWins(int v, int lo, int hi)
{
    return std::max(lo, std::min(v, hi));
}

QRect Ltrb(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

// QToolTip puts the label this far right of and below the point it is given
// (it expects the pointer position); the bar wants the label's corner exactly
// at its own point.
#ifdef Q_OS_WIN
const QPoint kToolTipOffset(2, 21);
#else
const QPoint kToolTipOffset(2, 16);
#endif

// Clears the notify flag for the duration of one compound action.
class SilentScope {
public:
    explicit SilentScope(bool& flag) : FFlag(flag) { FFlag = false; }
    ~SilentScope() { FFlag = true; }
    SilentScope(const SilentScope&) = delete;
    SilentScope& operator=(const SilentScope&) = delete;

private:
    bool& FFlag;
};

} // namespace

TqvTrackBarPicker::TqvTrackBarPicker(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted from our own frame image; nothing to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab stop only: a left press takes the focus itself, other buttons must not.
    setFocusPolicy(Qt::TabFocus);
    // Moves without a button still reach OnMouseMove and keep a tooltip current.
    setMouseTracking(true);
    resize(267, 22);
    FArrowPos = CurrentArrowPos();
    OnMouseWheelUp = [this](TqvTrackBarPicker* s, Qt::KeyboardModifiers m, QPoint p, bool& h) {
        WheelUpHandler(s, m, p, h);
    };
    OnMouseWheelDown = [this](TqvTrackBarPicker* s, Qt::KeyboardModifiers m, QPoint p, bool& h) {
        WheelDownHandler(s, m, p, h);
    };
    FGradientRect = Ltrb(6, 0, width() - 6, height() - 10);
    ComputeBarRect();
}

TqvTrackBarPicker::~TqvTrackBarPicker()
{
    ReleaseConfinement();
}

TqvTrackBarPicker::TBarMetrics TqvTrackBarPicker::MetricsFor(TSelIndicator indicator, bool newArrowStyle)
{
    if (indicator == siRect)
        return {4, 5, 3, 0};
    if (newArrowStyle)
        return {8, 9, 7, 2};
    return {6, 10, 7, 0};
}

QRect TqvTrackBarPicker::BarRectFor(TTrackBarLayout layout, TSelIndicator indicator, TSliderPlacement placement,
                                    bool newArrowStyle, int w, int h)
{
    const TBarMetrics m = MetricsFor(indicator, newArrowStyle);
    const int a = m.a, b = m.b, e = m.e;
    if (layout == lyHorizontal) {
        if (indicator == siRect)
            return Ltrb(a, b, w - 2 * a + 1, h - b);
        switch (placement) {
        case spBefore: return Ltrb(a, b + e, w - a, h);
        case spAfter: return Ltrb(a, 0, w - a, h - b - e);
        case spBoth: return Ltrb(a, b + e, w - a, h - b - e);
        }
    } else {
        if (indicator == siRect)
            return Ltrb(b, a, w - 5, h - 2 * a + 1);
        switch (placement) {
        case spBefore: return Ltrb(b + e, a, w, h - a);
        case spAfter: return Ltrb(0, a, w - b - e, h - a);
        case spBoth: return Ltrb(b + e, a, w - b - e, h - a);
        }
    }
    return {};
}

int TqvTrackBarPicker::EdgeFlagsFor(TBevelCut inner, TBevelCut outer)
{
    int flags = 0;
    switch (inner) {
    case bvLowered: flags |= edSunkenInner; break;
    case bvRaised: flags |= edRaisedInner; break;
    case bvSpace: flags |= edSunkenInner | edRaisedInner; break;
    case bvNone: break;
    }
    switch (outer) {
    case bvLowered: flags |= edSunkenOuter; break;
    case bvRaised: flags |= edRaisedOuter; break;
    case bvSpace: flags |= edSunkenOuter | edRaisedOuter; break;
    case bvNone: break;
    }
    return flags;
}

void TqvTrackBarPicker::SetBevelInner(TBevelCut v)
{
    if (v == FBevelInner)
        return;
    FBevelInner = v;
    update();
}

void TqvTrackBarPicker::SetBevelOuter(TBevelCut v)
{
    if (v == FBevelOuter)
        return;
    FBevelOuter = v;
    update();
}

void TqvTrackBarPicker::SetBevelWidth(int v)
{
    if (v == FBevelWidth)
        return;
    FBevelWidth = v;
    update();
}

void TqvTrackBarPicker::SetBorderStyle(TBorderStyle v)
{
    if (v == FBorderStyle)
        return;
    FBorderStyle = v;
    update();
}

void TqvTrackBarPicker::SetLayout(TTrackBarLayout v)
{
    if (v == FLayout)
        return;
    FLayout = v;
    HandleBarAction(baRebuild);
    update();
}

void TqvTrackBarPicker::SetArrowPlacement(TSliderPlacement v)
{
    if (v == FPlacement)
        return;
    FPlacement = v;
    update();
}

void TqvTrackBarPicker::SetNewArrowStyle(bool v)
{
    if (v == FNewArrowStyle)
        return;
    FNewArrowStyle = v;
    update();
}

void TqvTrackBarPicker::SetSelectionIndicator(TSelIndicator v)
{
    if (v == FIndicator)
        return;
    FIndicator = v;
    update();
}

void TqvTrackBarPicker::SetWebSafe(bool v)
{
    if (v == FWebSafe)
        return;
    FWebSafe = v;
    HandleBarAction(baRebuild);
    update();
}

void TqvTrackBarPicker::ComputeBarRect()
{
    FMetrics = MetricsFor(FIndicator, FNewArrowStyle);
    FGradientRect = BarRectFor(FLayout, FIndicator, FPlacement, FNewArrowStyle, width(), height());
}

int TqvTrackBarPicker::PositionFromX(int x) const
{
    return std::max(0, std::min(x - FMetrics.a, width() - FMetrics.a - 1));
}

int TqvTrackBarPicker::PositionFromY(int y) const
{
    return std::max(0, std::min(y - FMetrics.a, height() - FMetrics.a - 1));
}

int TqvTrackBarPicker::PositionFrom(QPoint pt) const
{
    return FLayout == lyHorizontal ? PositionFromX(pt.x()) : PositionFromY(pt.y());
}

std::vector<QPolygon> TqvTrackBarPicker::ArrowPolygons(int p) const
{
    std::vector<QPolygon> result;
    if (FIndicator != siArrows)
        return result;
    const TBarMetrics m = MetricsFor(FIndicator, FNewArrowStyle);
    const int a = m.a, W = width(), H = height();

    // (u along the bar from the tip, v from the tip away from the strip)
    static const QPoint classic[] = {{0, 0}, {-4, 6}, {4, 6}};
    static const QPoint newStyle[] = {{0, 0}, {-4, 4}, {-4, 6}, {-3, 7}, {3, 7}, {4, 6}, {4, 4}};
    const QPoint* shape = FNewArrowStyle ? newStyle : classic;
    const int count = FNewArrowStyle ? 7 : 3;

    // dirV is +1 when "away from the strip" is the positive axis direction.
    auto make = [&](QPoint tip, bool horizontal, int dirV) {
        QPolygon poly;
        for (int i = 0; i < count; ++i) {
            const int u = shape[i].x(), v = shape[i].y() * dirV;
            poly << (horizontal ? tip + QPoint(u, v) : tip + QPoint(v, u));
        }
        result.push_back(poly);
    };

    if (FLayout == lyHorizontal) {
        const int x = ClampLowWins(p + a, a, W - a);
        if (FPlacement == spAfter || FPlacement == spBoth)
            make(QPoint(x, H - a - 1), true, +1);
        if (FPlacement == spBefore || FPlacement == spBoth)
            make(QPoint(x, a), true, -1);
    } else {
        const int y = ClampLowWins(FNewArrowStyle ? p + a - 1 : p + a, a, H - a - 1);
        if (FPlacement == spAfter || FPlacement == spBoth)
            make(QPoint(W - a - 1, y), false, +1);
        if (FPlacement == spBefore || FPlacement == spBoth)
            make(QPoint(a, y), false, -1);
    }
    return result;
}

QRect TqvTrackBarPicker::SelectionRect(int p) const
{
    const int a = MetricsFor(FIndicator, FNewArrowStyle).a;
    if (FLayout == lyHorizontal)
        return Ltrb(p + a - 2, 2, p + a + 3, height() - 2);
    return Ltrb(2, p + a - 2, width() - 2, p + a + 3);
}

void TqvTrackBarPicker::DrawBevelFrames()
{
    if (FBorderStyle == bsNone || FBevelWidth == 0 || !FCanvas)
        return;
    const int flags = EdgeFlagsFor(FBevelInner, FBevelOuter);
    const int grow = 1 - FBevelWidth;
    QRect r = FGradientRect.adjusted(-grow, -grow, grow, grow);
    for (int i = 0; i < FBevelWidth + 1; ++i) {
        DrawEdge(r, flags);
        r.adjust(-1, -1, 1, 1);
    }
}

// Win32 DrawEdge with BF_RECT: an outer ring on r and an inner ring one pixel
// inside it. The colour of each ring side follows the system's edge tables;
// the palette stands in for the system colours: Light is the button
// highlight, Midlight the 3D light, Dark the button shadow and Shadow the
// dark 3D shadow. An edge kind with both bits (bvSpace) leaves room but draws
// nothing, and a lone inner edge is drawn on the outer ring, as Win32 does.
void TqvTrackBarPicker::DrawEdge(QRect r, int flags)
{
    enum Role { N = -1, H = QPalette::Light, L = QPalette::Midlight, S = QPalette::Dark, D = QPalette::Shadow };
    static const int ltInner[16] = {N, N, N, N, N, H, H, N, N, D, D, N, N, N, N, N};
    static const int ltOuter[16] = {N, L, S, N, H, L, S, N, D, L, S, N, N, L, S, N};
    static const int rbInner[16] = {N, N, N, N, N, S, S, N, N, L, L, N, N, N, N, N};
    static const int rbOuter[16] = {N, D, H, N, S, D, H, N, L, D, H, N, N, D, H, N};
    const int index = ((flags >> 2) & 3) * 4 + (flags & 3);

    QPainter& p = *FCanvas;
    auto ring = [&](QRect q, int lt, int rb) {
        const int l = q.left(), t = q.top(), rr = q.right() + 1, b = q.bottom() + 1;
        if (rr <= l || b <= t)
            return;
        if (lt != N) {
            const QColor c = palette().color(QPalette::ColorRole(lt));
            p.fillRect(QRect(l, t, rr - l, 1), c);
            p.fillRect(QRect(l, t, 1, b - t), c);
        }
        if (rb != N) {
            const QColor c = palette().color(QPalette::ColorRole(rb));
            p.fillRect(QRect(l, b - 1, rr - l, 1), c);
            p.fillRect(QRect(rr - 1, t, 1, b - t), c);
        }
    };
    ring(r, ltOuter[index], rbOuter[index]);
    ring(r.adjusted(1, 1, -1, -1), ltInner[index], rbInner[index]);
}

void TqvTrackBarPicker::PaintSelectionMark(int p)
{
    if (!FCanvas)
        return;
    QPainter& painter = *FCanvas;
    if (FIndicator == siRect) {
        const QRect r = SelectionRect(p);
        const int l = r.left(), t = r.top(), rr = r.right() + 1, b = r.bottom() + 1;
        if (rr <= l || b <= t)
            return;
        // Four disjoint strips, so that no outline pixel is inverted twice.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(QRect(l, t, rr - l, 1), Qt::white);
        if (b - 1 > t)
            painter.fillRect(QRect(l, b - 1, rr - l, 1), Qt::white);
        if (b - t > 2) {
            painter.fillRect(QRect(l, t + 1, 1, b - t - 2), Qt::white);
            if (rr - 1 > l)
                painter.fillRect(QRect(rr - 1, t + 1, 1, b - t - 2), Qt::white);
        }
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setBrush(Qt::SolidPattern);
        return;
    }

    QColor fill, outline;
    if (FNewArrowStyle) {
        fill = palette().color(QPalette::Base);
        outline = palette().color(QPalette::Dark);
    } else if (hasFocus()) {
        fill = outline = QColor(0, 0, 0);
    } else {
        fill = outline = QColor(128, 128, 128);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(outline, 0));
    painter.setBrush(fill);
    for (const QPolygon& poly : ArrowPolygons(p))
        painter.drawPolygon(poly);
}

void TqvTrackBarPicker::HandleBarAction(BarAction)
{
}

int TqvTrackBarPicker::CurrentArrowPos()
{
    return 0;
}

QString TqvTrackBarPicker::BuildHintText()
{
    return QString();
}

void TqvTrackBarPicker::FireChange()
{
    if (OnChange)
        OnChange(this);
}

void TqvTrackBarPicker::paintEvent(QPaintEvent*)
{
    ComputeBarRect();

    // The whole frame is composed in an image first: the inverting rectangle
    // needs a raster target, and the widget gets one blit.
    const qreal dpr = devicePixelRatioF();
    const QSize px(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
    if (FFrame.size() != px || FFrame.devicePixelRatio() != dpr) {
        FFrame = QImage(px, QImage::Format_RGB32);
        FFrame.setDevicePixelRatio(dpr);
    }
    {
        QPainter p(&FFrame);
        p.fillRect(rect(), palette().brush(QPalette::Window));
        FArrowPos = CurrentArrowPos();
        FCanvas = &p;
        HandleBarAction(baPaint);
        if (FBorderStyle != bsNone)
            DrawBevelFrames();
        PaintSelectionMark(FArrowPos);
        FCanvas = nullptr;
    }
    QPainter(this).drawImage(0, 0, FFrame);

    // Cleared before the handler runs, so a handler that repaints does not
    // report the same change again.
    if (FChangePending) {
        FChangePending = false;
        FireChange();
    }
}

void TqvTrackBarPicker::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    SilentScope silent(FNotify);
    HandleBarAction(baResize);
}

void TqvTrackBarPicker::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint pt = e->position().toPoint();
    FArrowPos = PositionFrom(pt);
    HandleBarAction(baMouseDown);
    FChangePending = true;
    update();
    if (OnMouseDown)
        OnMouseDown(this, e->button(), e->modifiers(), pt.x(), pt.y());
}

void TqvTrackBarPicker::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (e->buttons() & Qt::LeftButton) {
        platform::ConfinePointer(this, rect());
        FConfining = true;
        FArrowPos = PositionFrom(pt);
        HandleBarAction(baMouseMove);
        FChangePending = true;
        update();
    }
    if (OnMouseMove)
        OnMouseMove(this, e->modifiers(), pt.x(), pt.y());
    // A visible tooltip follows the pointer with a fresh text.
    if (FShowHint && QToolTip::isVisible())
        ShowHintAt(pt);
}

void TqvTrackBarPicker::mouseReleaseEvent(QMouseEvent* e)
{
    ReleaseConfinement();
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pt = e->position().toPoint();
    FArrowPos = PositionFrom(pt);
    HandleBarAction(baMouseUp);
    FChangePending = true;
    update();
    if (OnMouseUp)
        OnMouseUp(this, e->button(), e->modifiers(), pt.x(), pt.y());
}

void TqvTrackBarPicker::keyPressEvent(QKeyEvent* e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    bool handled = true;
    BarAction code = baKeyLeft;
    if (FLayout == lyHorizontal && e->key() == Qt::Key_Left)
        code = ctrl ? baKeyCtrlLeft : baKeyLeft;
    else if (FLayout == lyHorizontal && e->key() == Qt::Key_Right)
        code = ctrl ? baKeyCtrlRight : baKeyRight;
    else if (FLayout == lyVertical && e->key() == Qt::Key_Up)
        code = ctrl ? baKeyCtrlUp : baKeyUp;
    else if (FLayout == lyVertical && e->key() == Qt::Key_Down)
        code = ctrl ? baKeyCtrlDown : baKeyDown;
    else
        handled = false;

    int key = e->key();
    if (!handled) {
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
    {
        SilentScope silent(FNotify);
        HandleBarAction(code);
    }
    FireChange();
    if (OnKeyDown)
        OnKeyDown(this, key, e->modifiers());
    e->accept();
}

void TqvTrackBarPicker::wheelEvent(QWheelEvent* e)
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

void TqvTrackBarPicker::WheelUpHandler(TqvTrackBarPicker*, Qt::KeyboardModifiers, QPoint, bool& handled)
{
    WheelAction(baWheelUp, handled);
}

void TqvTrackBarPicker::WheelDownHandler(TqvTrackBarPicker*, Qt::KeyboardModifiers, QPoint, bool& handled)
{
    WheelAction(baWheelDown, handled);
}

void TqvTrackBarPicker::WheelAction(BarAction code, bool& handled)
{
    handled = true;
    {
        SilentScope silent(FNotify);
        HandleBarAction(code);
    }
    FireChange();
}

void TqvTrackBarPicker::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void TqvTrackBarPicker::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

void TqvTrackBarPicker::hideEvent(QHideEvent* e)
{
    // A bar hidden in the middle of a drag never sees the release.
    ReleaseConfinement();
    QWidget::hideEvent(e);
}

void TqvTrackBarPicker::ReleaseConfinement()
{
    if (!FConfining)
        return;
    FConfining = false;
    platform::ReleasePointer();
}

void TqvTrackBarPicker::ShowHintAt(QPoint cursor)
{
    const QPoint at = FLayout == lyHorizontal ? QPoint(cursor.x() - 8, height() + 2)
                                              : QPoint(width() + 2, cursor.y() - 8);
    QToolTip::showText(mapToGlobal(at) - kToolTipOffset, platform::TooltipText(BuildHintText()), this, rect(), 5000);
}

bool TqvTrackBarPicker::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        if (!FShowHint) {
            QToolTip::hideText();
            e->ignore();
            return true;
        }
        ShowHintAt(static_cast<QHelpEvent*>(e)->pos());
        return true;
    }
    return QWidget::event(e);
}
