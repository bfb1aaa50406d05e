#include "pickers/HSLRingPicker.h"

#include "colour/ColorLibrary.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

THSLRingPicker::THSLRingPicker(QWidget* parent)
    : QWidget(parent), FRingHintFormat(DefaultRingHintFormat()), FSLHintFormat(DefaultSLHintFormat())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    resize(245, 245);

    FRingPicker = new THRingPicker(this);
    FRingPicker->setGeometry(0, 0, 246, 246);
    FRingPicker->SetSaturation(255);
    FRingPicker->SetValue(255);
    // The composite takes no focus of its own: Tab reaches the ring, and
    // focus given to the composite goes to the ring, so Shift+Tab can leave.
    setFocusProxy(FRingPicker);
    FRingPicker->SetHue(0);
    FRingPicker->OnChange = [this](TqvCustomPicker* s) { RingChange(s); };
    FRingPicker->OnMouseMove = [this](TqvCustomPicker* s, Qt::KeyboardModifiers m, int x, int y) {
        ForwardMouseMove(s, m, x, y);
    };

    FSLPicker = new TSLColorPicker(this);
    FSLPicker->setGeometry(63, 63, 120, 120);
    FSLPicker->OnChange = [this](TqvCustomPicker* s) { SLChange(s); };
    FSLPicker->OnMouseMove = [this](TqvCustomPicker* s, Qt::KeyboardModifiers m, int x, int y) {
        ForwardMouseMove(s, m, x, y);
    };

    // Qt sends the first resize only when the control is shown; lay out now
    // so a hidden composite already has its children in place.
    LayoutChildren();
}

THSLRingPicker::~THSLRingPicker() = default;

QString THSLRingPicker::DefaultRingHintFormat()
{
    return QStringLiteral("Hue: %h");
}

QString THSLRingPicker::DefaultSLHintFormat()
{
    return QStringLiteral("S: %s L: %l\rHex: %hex");
}

void THSLRingPicker::SetSelectedColor(TColor c)
{
    FSelectedColor = c;
    FRingPicker->SetHue(HSLHueOf(c));
    FRingPicker->SetSaturation(255);
    FRingPicker->SetValue(255);
    FSLPicker->SetSelectedColor(c);
}

void THSLRingPicker::SetRingPickerPopupMenu(QMenu* m)
{
    FRingMenu = m;
    FRingPicker->SetPopupMenu(m);
}

void THSLRingPicker::SetSLPickerPopupMenu(QMenu* m)
{
    FSLMenu = m;
    FSLPicker->SetPopupMenu(m);
}

void THSLRingPicker::SetRingPickerHintFormat(const QString& v)
{
    FRingHintFormat = v;
    FRingPicker->SetHintFormat(v);
}

void THSLRingPicker::SetSLPickerHintFormat(const QString& v)
{
    FSLHintFormat = v;
    FSLPicker->SetHintFormat(v);
}

void THSLRingPicker::SetRingPickerCursor(const QCursor& c)
{
    FRingCursor = c;
    FRingPicker->setCursor(c);
}

void THSLRingPicker::SetSLPickerCursor(const QCursor& c)
{
    FSLCursor = c;
    FSLPicker->setCursor(c);
}

void THSLRingPicker::SetShowHint(bool v)
{
    FShowHint = v;
    FParentShowHint = false;
    FRingPicker->InheritShowHint(v);
    FSLPicker->InheritShowHint(v);
}

void THSLRingPicker::RingChange(TqvCustomPicker*)
{
    FSLPicker->SetHue(FRingPicker->Hue());
    if (OnChange)
        OnChange(this);
}

void THSLRingPicker::SLChange(TqvCustomPicker*)
{
    FSelectedColor = FSLPicker->SelectedColor();
    if (OnChange)
        OnChange(this);
}

void THSLRingPicker::ForwardMouseMove(TqvCustomPicker*, Qt::KeyboardModifiers shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void THSLRingPicker::LayoutChildren()
{
    FRingPicker->setGeometry(rect());
    const int m = std::min(width(), height());
    const int radius = m * 30 / 245;
    FRingPicker->SetRadius(radius);
    const int at = radius * 21 / 10;
    FSLPicker->setGeometry(at, at, radius * 4, radius * 4);
    RefreshBackground();
}

void THSLRingPicker::RefreshBackground()
{
    if (width() <= 0 || height() <= 0) {
        FBackground = QImage();
        return;
    }
    if (FBackground.size() != size())
        FBackground = QImage(size(), QImage::Format_RGB32);
    FBackground.fill(palette().color(QPalette::Window));
}

void THSLRingPicker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, FBackground);
}

void THSLRingPicker::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayoutChildren();
}

void THSLRingPicker::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, e->modifiers(), pt.x(), pt.y());
}

void THSLRingPicker::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange)
        RefreshBackground();
}
