#include "sampling/ScreenWin.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QTransform>
#include <QWheelEvent>
#include <QtMath>

#include "colour/ColorLibrary.h"
#include "platform/ScreenSource.h"
#include "platform/TooltipText.h"

namespace {

qreal ScreenRatio()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

// Screen reads and the zoom view work in physical pixels; this is the rule of
// platform::ToPhysical applied to the unrounded logical position.
QPoint PhysicalOf(QPointF logicalGlobal)
{
    const qreal r = ScreenRatio();
    return QPoint(qFloor(logicalGlobal.x() * r), qFloor(logicalGlobal.y() * r));
}

} // namespace

QCursor PickerCursor()
{
    const QBitmap bits(QStringLiteral(":/cursors/PickerCursor.xbm"));
    const QBitmap mask(QStringLiteral(":/cursors/PickerCursorMask.xbm"));
    return QCursor(bits, mask, 8, 23);
}

TScreenForm::TScreenForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                          | Qt::X11BypassWindowManagerHint)
{
    setWindowTitle(QStringLiteral("Pick a color..."));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    resize(149, 96);
    // The snapshot covers every pixel; nothing needs erasing underneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    FormCreate();
}

TScreenForm::~TScreenForm() { StopWatching(); }

void TScreenForm::FormCreate()
{
    setCursor(PickerCursor());
    FPickedColor = clNone;
    FHintFmt = kDefaultScreenHintFormat;
}

void TScreenForm::FormShow()
{
    platform::ScreenSource& screen = platform::Screen();
    const QRect physical(QPoint(0, 0), screen.PrimarySize());
    // Our own windows are kept live over the snapshot where it shows them as
    // they paint; a repaint still pending now (the pick button coming up,
    // a readout of the last tick) would make them differ and be taken for
    // covered. Paint them and let the server have it before the snapshot.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && !w->isMinimized() && w->windowType() != Qt::ToolTip)
            w->repaint();
    screen.SyncDrawing();
    // Taken before the window maps, so the picture is the screen without us.
    FSnapshot = screen.Grab(physical).convertToFormat(QImage::Format_RGB32);
    FSnapshot.setDevicePixelRatio(ScreenRatio());
    setGeometry(platform::ToLogical(physical));
    WatchOwnWindows();
}

void TScreenForm::WatchOwnWindows()
{
    StopWatching();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w->isMinimized())
            continue;
        // Tooltips and popups come and go by themselves above the overlay.
        const Qt::WindowType type = w->windowType();
        if (type == Qt::ToolTip || type == Qt::Popup || type == Qt::Desktop)
            continue;
        QRegion visible = ShownPart(w);
        if (visible.isEmpty())
            continue;
        w->installEventFilter(this);
        FOwnWindows.push_back({w, std::move(visible)});
    }
}

QRegion TScreenForm::ShownPart(QWidget* w) const
{
    const qreal r = ScreenRatio();
    const QRect physical = platform::ToPhysical(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    QImage drawn(physical.size(), QImage::Format_RGB32);
    drawn.setDevicePixelRatio(r);
    drawn.fill(Qt::black);
    w->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    // Where the window paints exactly what the snapshot holds, the screen
    // showed the window; elsewhere something lay over it, or it was off the
    // screen.
    QImage same(physical.size(), QImage::Format_MonoLSB);
    same.setColorCount(2);
    same.setColor(0, QColor(Qt::color0).rgb());
    same.setColor(1, QColor(Qt::color1).rgb());
    same.fill(0);
    const QRect inside = physical.intersected(FSnapshot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* shot = reinterpret_cast<const QRgb*>(FSnapshot.constScanLine(y));
        const auto* mine = reinterpret_cast<const QRgb*>(drawn.constScanLine(y - physical.top()));
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (((shot[x] ^ mine[x - physical.left()]) & 0xFFFFFF) == 0)
                same.setPixel(x - physical.left(), y - physical.top(), 1);
    }
    QRegion visible(QBitmap::fromImage(same));
    if (r != 1.0)
        visible = QTransform::fromScale(1.0 / r, 1.0 / r).map(visible);
    return visible;
}

void TScreenForm::StopWatching()
{
    for (const TOwnWindow& own : FOwnWindows)
        if (own.Window)
            own.Window->removeEventFilter(this);
    FOwnWindows.clear();
}

void TScreenForm::hideEvent(QHideEvent* event)
{
    StopWatching();
    QDialog::hideEvent(event);
}

bool TScreenForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater: {
        // Something in that window is about to repaint: repaint its part of
        // the overlay after it.
        auto* w = static_cast<QWidget*>(watched);
        update(QRect(mapFromGlobal(w->mapToGlobal(QPoint(0, 0))), w->size()));
        break;
    }
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::Show:
        update();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TScreenForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
    // Outside the window manager's care nobody else gives us the keyboard.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void TScreenForm::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    if (FSnapshot.isNull()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    // The snapshot starts at the screen's origin, wherever the window lies.
    p.drawImage(-mapToGlobal(QPointF(0, 0)), FSnapshot);
    for (const TOwnWindow& own : FOwnWindows) {
        QWidget* w = own.Window;
        if (!w || !w->isVisible() || w->isMinimized())
            continue;
        const QPoint at = mapFromGlobal(w->mapToGlobal(QPoint(0, 0)));
        if (!event->region().intersects(own.Visible.translated(at)))
            continue;
        w->render(&p, at, own.Visible, QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
}

TColor TScreenForm::DesktopPixel(int X, int Y) const
{
    return platform::Screen().Pixel(platform::ToPhysical(mapToGlobal(QPoint(X, Y))));
}

QPoint TScreenForm::PhysicalPointer(QPointF LocalPos) const
{
    const QPoint fromEvent = PhysicalOf(mapToGlobal(LocalPos));
    const qreal r = ScreenRatio();
    if (r == 1.0)
        return fromEvent;
    // Qt may hand over a scaled pointer position in whole logical pixels,
    // which is a physical pixel off half the time. The pointer itself still
    // knows its pixel; trust it when it agrees with the event, that is,
    // unless it has moved on since.
    const QPoint pointer = platform::Screen().CursorPos();
    const int slack = qCeil(r);
    if (qAbs(pointer.x() - fromEvent.x()) <= slack && qAbs(pointer.y() - fromEvent.y()) <= slack)
        return pointer;
    return fromEvent;
}

TColor TScreenForm::DesktopPixelAt(QPointF LocalPos) const
{
    return platform::Screen().Pixel(PhysicalPointer(LocalPos));
}

void TScreenForm::FormMouseMove(int X, int Y)
{
    FPickedColor = DesktopPixel(X, Y);
    if (OnPickChange)
        OnPickChange(this);
}

void TScreenForm::FormMouseUp(int X, int Y) { EndSelection(X, Y, true); }

void TScreenForm::FormKeyDown(int& Key, Qt::KeyboardModifiers Shift)
{
    if (Key == Qt::Key_Escape || (Shift & (Qt::AltModifier | Qt::ControlModifier)))
        EndSelection(0, 0, false);
    if (OnPickKeyDown)
        OnPickKeyDown(this, Key, Shift);
}

void TScreenForm::EndSelection(int X, int Y, bool Selected)
{
    EndSelectionAt(QPointF(X, Y), Selected);
}

void TScreenForm::EndSelectionAt(QPointF LocalPos, bool Selected)
{
    FPickedColor = Selected ? DesktopPixelAt(LocalPos) : clNone;
    FSelected = Selected;
    QToolTip::hideText();
    // Ends exec() once this handler has returned to the modal loop.
    FEnding = true;
    done(QDialog::Rejected);
    FEnding = false;
    if (OnPickChange)
        OnPickChange(this);
}

void TScreenForm::closeEvent(QCloseEvent* event)
{
    // Closed from outside (the session ending, its button going away): that
    // chooses nothing, so it ends as a cancel does rather than leaving the
    // colour of the last move looking picked.
    if (isVisible() && !FEnding)
        EndSelection(0, 0, false);
    event->accept();
}

QString TScreenForm::ScreenHintText() const
{
    std::string s = FHintFmt.toStdString();
    s = ReplaceAllNoCase(s, "%r", std::to_string(GetRValue(FPickedColor)));
    s = ReplaceAllNoCase(s, "%g", std::to_string(GetGValue(FPickedColor)));
    s = ReplaceAllNoCase(s, "%b", std::to_string(GetBValue(FPickedColor)));
    s = ReplaceAllNoCase(s, "%h", ColorToHexText(FPickedColor));
    return QString::fromStdString(s);
}

void TScreenForm::ShowHintAt(QPoint GlobalPos)
{
    QToolTip::showText(GlobalPos + QPoint(16, -16), platform::TooltipText(ScreenHintText()), this, QRect(), 5000);
}

void TScreenForm::mouseMoveEvent(QMouseEvent* event)
{
    FPickedColor = DesktopPixelAt(event->position());
    if (OnPickChange)
        OnPickChange(this);
    // The hint follows the pointer once it is up, as a hint reshown at once.
    if (FShowHint && QToolTip::isVisible())
        ShowHintAt(event->globalPosition().toPoint());
}

void TScreenForm::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TScreenForm::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = PhysicalPointer(event->position());
    EndSelectionAt(event->position(), true);
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), at);
}

void TScreenForm::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    const TMouseWheelEvent& handler = delta > 0 ? OnMouseWheelUp : OnMouseWheelDown;
    bool handled = false;
    if (delta != 0 && handler)
        handler(this, event->modifiers(), PhysicalOf(event->globalPosition()), handled);
    event->setAccepted(handled);
}

void TScreenForm::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    Qt::KeyboardModifiers shift = event->modifiers();
    // Pressing Alt or Ctrl alone must cancel too (the Alt of Alt+Tab comes
    // first); whether the platform already counts the key in the modifiers
    // of its own press varies, so count it here.
    if (key == Qt::Key_Alt)
        shift |= Qt::AltModifier;
    if (key == Qt::Key_Control)
        shift |= Qt::ControlModifier;
    FormKeyDown(key, shift);
    event->accept();
}

bool TScreenForm::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (FShowHint)
            ShowHintAt(static_cast<QHelpEvent*>(event)->globalPos());
        else
            QToolTip::hideText();
        return true;
    }
    return QDialog::event(event);
}
