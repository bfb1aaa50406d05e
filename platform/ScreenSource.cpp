#include "platform/ScreenSource.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
std::unique_ptr<ScreenSource>& Current()
{
    static std::unique_ptr<ScreenSource> source;
    return source;
}

qreal Ratio()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}
} // namespace

ScreenSource& Screen()
{
    auto& s = Current();
    if (!s)
        s = CreateNativeScreenSource();
    return *s;
}

void SetScreen(std::unique_ptr<ScreenSource> source) { Current() = std::move(source); }

// Qt scales every screen by the same factor on X11, so one ratio converts the
// whole desktop.
QPoint ToPhysical(QPoint p)
{
    const qreal r = Ratio();
    return r == 1.0 ? p : QPoint(qFloor(p.x() * r), qFloor(p.y() * r));
}

QPoint ToLogical(QPoint p)
{
    const qreal r = Ratio();
    return r == 1.0 ? p : QPoint(qFloor(p.x() / r), qFloor(p.y() / r));
}

QRect ToPhysical(const QRect& r)
{
    const qreal k = Ratio();
    if (k == 1.0)
        return r;
    return QRect(ToPhysical(r.topLeft()), QSize(qRound(r.width() * k), qRound(r.height() * k)));
}

QRect ToLogical(const QRect& r)
{
    const qreal k = Ratio();
    if (k == 1.0)
        return r;
    return QRect(ToLogical(r.topLeft()), QSize(qRound(r.width() / k), qRound(r.height() / k)));
}

} // namespace platform
