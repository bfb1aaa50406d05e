#include "tests/e2e/E2ESupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include "platform/ScreenSource.h"

namespace e2e {

QString Run(const QString& program, const QStringList& args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000))
        return QString();
    QElapsedTimer t;
    t.start();
    while (p.state() != QProcess::NotRunning && t.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        p.waitForFinished(5);
    }
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString ReadClipboard()
{
    return Run("xclip", {"-o", "-selection", "clipboard"});
}

void MovePointer(int x, int y)
{
    Run("xdotool", {"mousemove", "--sync", QString::number(x), QString::number(y)});
    Wait(30);
}

void Click(int button)
{
    Run("xdotool", {"click", QString::number(button)});
    Wait(30);
}

void Key(const QString& keysym)
{
    Run("xdotool", {"key", keysym});
    Wait(30);
}

void Start(const QString& program, const QStringList& args)
{
    QProcess::startDetached(program, args);
}

void Wait(int ms) { QTest::qWait(ms); }

std::unique_ptr<QWidget> ShowSwatch(const QRect& physical, const QColor& colour)
{
    auto w = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                                     | Qt::X11BypassWindowManagerHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setGeometry(platform::ToLogical(physical));
    w->show();
    (void)QTest::qWaitForWindowExposed(w.get());
    Wait(100);
    return w;
}

} // namespace e2e
