#include "app/Controls.h"

#include <QMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVariant>

int Tag(const QObject* control)
{
    return control ? control->property("Tag").toInt() : 0;
}

void SetTag(QObject* control, int tag) { control->setProperty("Tag", tag); }

QColor ToQColor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

void CentreOnScreen(QWidget* window)
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        window->move(s->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
}

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& TPaintBox::Canvas()
{
    if (canvas_.size() != size()) {
        canvas_ = QImage(size(), QImage::Format_RGB32);
        canvas_.fill(palette().color(QPalette::Window));
    }
    return canvas_;
}

void TPaintBox::CanvasChanged()
{
    if (painting_)
        return;
    canvasOnly_ = true;
    update();
}

void TPaintBox::Invalidate()
{
    canvasOnly_ = false;
    update();
}

void TPaintBox::FillClient()
{
    Canvas().fill(ToQColor(brush_));
    CanvasChanged();
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (canvasOnly_) {
        canvasOnly_ = false;
        QPainter p(this);
        p.drawImage(0, 0, Canvas());
        return;
    }
    painting_ = true;
    QColor back = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : Qt::white;
    if (auto* panel = dynamic_cast<TPanel*>(parentWidget()))
        back = ToQColor(panel->Color());
    Canvas().fill(back);
    if (OnPaint)
        OnPaint(this);
    painting_ = false;
    QPainter p(this);
    p.drawImage(0, 0, canvas_);
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    QWidget::mouseDoubleClickEvent(e);
    if (OnDblClick)
        OnDblClick(this);
}

TPanel::TPanel(QWidget* parent, Bevel outer, Bevel inner, int bevelWidth, TColor color)
    : QWidget(parent), outer_(outer), inner_(inner), width_(bevelWidth), color_(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(TColor c)
{
    if (c == color_)
        return;
    color_ = c;
    update();
    // Opaque children are left out of the parent's repaint; they show the
    // panel's colour too, so they repaint with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* box = dynamic_cast<TPaintBox*>(child))
            box->Invalidate();
        else
            child->update();
    }
}

int TPanel::BorderWidth() const
{
    return (outer_ != bvNone ? width_ : 0) + (inner_ != bvNone ? width_ : 0);
}

// One bevel ring: light on the top and left, dark on the bottom and right
// for a raised one, the other way round for a lowered one.
static void DrawBevel(QPainter& p, QRect r, TPanel::Bevel kind, int width)
{
    const QColor light(255, 255, 255), dark(128, 128, 128);
    const QColor topLeft = kind == TPanel::bvRaised ? light : dark;
    const QColor bottomRight = kind == TPanel::bvRaised ? dark : light;
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
    QRect r = rect();
    if (outer_ != bvNone) {
        DrawBevel(p, r, outer_, width_);
        r.adjust(width_, width_, -width_, -width_);
    }
    if (inner_ != bvNone)
        DrawBevel(p, r, inner_, width_);
}

TUpDown::TUpDown(QWidget* parent, QLineEdit* buddy, int min, int max)
    : QWidget(parent), buddy_(buddy), min_(min), max_(max), pos_(min)
{
    setFocusPolicy(Qt::NoFocus);
}

int TUpDown::Position()
{
    bool ok = false;
    const int v = buddy_->text().trimmed().toInt(&ok);
    if (ok && v >= min_ && v <= max_)
        pos_ = v;
    return pos_;
}

void TUpDown::SetPosition(int value)
{
    pos_ = qBound(min_, value, max_);
    buddy_->setText(QString::number(pos_));
}

void TUpDown::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect up(0, 0, width(), height() / 2), down(0, height() / 2, width(), height() - height() / 2);
    for (const QRect& r : {up, down}) {
        p.fillRect(r, palette().color(QPalette::Button));
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::ButtonText));
    const int cx = width() / 2;
    const int uy = up.center().y(), dy = down.center().y();
    p.drawPolygon(QPolygon({QPoint(cx - 3, uy + 2), QPoint(cx + 3, uy + 2), QPoint(cx, uy - 1)}));
    p.drawPolygon(QPolygon({QPoint(cx - 3, dy - 1), QPoint(cx + 3, dy - 1), QPoint(cx, dy + 2)}));
}

void TUpDown::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    const int step = e->position().y() < height() / 2 ? 1 : -1;
    const int next = qBound(min_, Position() + step, max_);
    SetPosition(next);
}

void TPickButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(e);
    else
        e->accept();
}

void TPickButton::mouseReleaseEvent(QMouseEvent* e)
{
    const Qt::MouseButton button = e->button();
    QPushButton::mouseReleaseEvent(e);
    if (OnMouseUp)
        OnMouseUp(this, button);
}

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!picture_.isNull())
        p.drawImage(0, 0, picture_);
    else if (auto* panel = dynamic_cast<TPanel*>(parentWidget()))
        p.fillRect(rect(), ToQColor(panel->Color())); // nothing drawn yet: the panel shows
    else
        p.fillRect(rect(), palette().color(QPalette::Window));
}
