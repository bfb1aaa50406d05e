#include "pickers/qvColorPickerControl.h"

#include "colour/ColorLibrary.h"
#include "platform/PointerConfine.h"
#include "platform/TooltipText.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kHintHideMs = 5000;

} // namespace

TqvCustomPicker::TqvCustomPicker(QWidget* parent) : QWidget(parent), FHintFormat(DefaultHintFormat())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // A tab stop; a mouse press takes the focus in the subclass's own order.
    setFocusPolicy(Qt::TabFocus);
    // Moves without a button keep the last position (and so the hint) current.
    setMouseTracking(true);
}

TqvCustomPicker::~TqvCustomPicker()
{
    ReleasePointerConfinement();
}

QString TqvCustomPicker::DefaultHintFormat()
{
    return QString::fromUtf8(::DefaultHintFormat.data(), qsizetype(::DefaultHintFormat.size()));
}

TColor TqvCustomPicker::SelectedColor() const
{
    return clNone;
}

void TqvCustomPicker::SetSelectedColor(TColor)
{
}

TColor TqvCustomPicker::ColorAtPosition(int, int) const
{
    return clNone;
}

void TqvCustomPicker::WebSafeSwitched()
{
}

void TqvCustomPicker::SetWebSafe(bool v)
{
    if (v == FWebSafe)
        return;
    FWebSafe = v;
    WebSafeSwitched();
}

void TqvCustomPicker::SetShowHint(bool v)
{
    FShowHint = v;
    FParentShowHint = false;
    if (!v && FHintShowing) {
        QToolTip::hideText();
        FHintShowing = false;
    }
}

void TqvCustomPicker::InheritShowHint(bool v)
{
    if (FParentShowHint)
        FShowHint = v;
}

void TqvCustomPicker::SetMarkerStyleValue(TMarkerStyle v)
{
    if (v == FMarkerStyle)
        return;
    FMarkerStyle = v;
    update();
}

QString TqvCustomPicker::HintText() const
{
    const TColor c = ColorAtPosition(FMouseX, FMouseY);
    if (c == clNone)
        return QString();
    return QString::fromStdString(ExpandHintFormat(FHintFormat.toStdString(), c));
}

QColor TqvCustomPicker::Color() const
{
    return FParentColor ? palette().color(QPalette::Window) : FColor;
}

void TqvCustomPicker::SetColor(const QColor& c)
{
    FColor = c;
    FParentColor = false;
    update();
}

void TqvCustomPicker::SetParentColor(bool v)
{
    if (v == FParentColor)
        return;
    if (!v)
        FColor = palette().color(QPalette::Window);
    FParentColor = v;
    update();
}

void TqvCustomPicker::FillWithParentBackground(QPainter& target) const
{
    target.fillRect(0, 0, width(), height(), Color());
}

void TqvCustomPicker::ShowHintNow(const QPoint& globalPos)
{
    const QString text = HintText();
    if (text.isEmpty() || !FShowHint) {
        if (FHintShowing)
            QToolTip::hideText();
        FHintShowing = false;
        return;
    }
    QToolTip::showText(globalPos, platform::TooltipText(text), this, QRect(), kHintHideMs);
    FHintShowing = true;
}

bool TqvCustomPicker::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const TColor c = ColorAtPosition(FMouseX, FMouseY);
        if (c == clNone || !FShowHint) {
            // Either nothing to describe or hints are off: no tooltip at all.
            if (FHintShowing)
                QToolTip::hideText();
            FHintShowing = false;
            e->ignore();
            return true;
        }
        ShowHintNow(static_cast<QHelpEvent*>(e)->globalPos());
        return true;
    }
    // A disabled picker takes no input, but Qt still shows its tooltip; the
    // hint must describe the colour under the pointer there too, so the
    // position is kept even though the mouse handlers do not run.
    if (!isEnabled()
        && (e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonPress
            || e->type() == QEvent::MouseButtonRelease)) {
        const QPoint pt = static_cast<QMouseEvent*>(e)->position().toPoint();
        FMouseX = pt.x();
        FMouseY = pt.y();
    }
    return QWidget::event(e);
}

void TqvCustomPicker::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
    if (OnEnter)
        OnEnter(this);
}

void TqvCustomPicker::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
    if (OnExit)
        OnExit(this);
}

void TqvCustomPicker::leaveEvent(QEvent* e)
{
    FMouseX = 0;
    FMouseY = 0;
    QWidget::leaveEvent(e);
}

void TqvCustomPicker::mousePressEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, e->button(), e->modifiers(), pt.x(), pt.y());
    FMouseX = pt.x();
    FMouseY = pt.y();
}

void TqvCustomPicker::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, e->modifiers(), pt.x(), pt.y());
    FMouseX = pt.x();
    FMouseY = pt.y();
    // A visible colour hint follows the pointer with a fresh text.
    if (FHintShowing && QToolTip::isVisible())
        ShowHintNow(e->globalPosition().toPoint());
}

void TqvCustomPicker::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, e->button(), e->modifiers(), pt.x(), pt.y());
    FMouseX = pt.x();
    FMouseY = pt.y();
}

void TqvCustomPicker::DefaultKeyDown(QKeyEvent* e)
{
    int key = e->key();
    if (OnKeyDown)
        OnKeyDown(this, key, e->modifiers());
    if (key == 0) {
        e->accept();
        return;
    }
    if (OnKeyPress && !e->text().isEmpty()) {
        QChar ch = e->text().front();
        OnKeyPress(this, ch);
    }
    QWidget::keyPressEvent(e);
}

void TqvCustomPicker::keyPressEvent(QKeyEvent* e)
{
    DefaultKeyDown(e);
}

void TqvCustomPicker::keyReleaseEvent(QKeyEvent* e)
{
    int key = e->key();
    if (OnKeyUp)
        OnKeyUp(this, key, e->modifiers());
    QWidget::keyReleaseEvent(e);
}

void TqvCustomPicker::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (OnResize)
        OnResize(this);
}

void TqvCustomPicker::contextMenuEvent(QContextMenuEvent* e)
{
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(this, e->pos(), handled);
    if (!handled && FPopupMenu) {
        FPopupMenu->popup(e->globalPos());
        handled = true;
    }
    e->setAccepted(handled);
}

void TqvCustomPicker::ConfinePointerTo(const QRect& localRect)
{
    platform::ConfinePointer(this, localRect);
    FConfining = true;
}

void TqvCustomPicker::ReleasePointerConfinement()
{
    if (!FConfining)
        return;
    FConfining = false;
    platform::ReleasePointer();
}

void TqvCustomPicker::hideEvent(QHideEvent* e)
{
    // A picker hidden in the middle of a drag never sees the release.
    ReleasePointerConfinement();
    QWidget::hideEvent(e);
}
