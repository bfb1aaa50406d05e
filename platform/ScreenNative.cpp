// Which screen reader the program uses: the X11 one wherever Qt runs on xcb
// (it reads the root window far more cheaply than QScreen does), GDI on
// Windows, QScreen everywhere else.
#include "platform/QtScreenSource.h"
#include "platform/ScreenSource.h"

#include <QGuiApplication>

#if defined(TINQUOR_HAVE_X11)
#include "platform/X11ScreenSource.h"
#endif
#if defined(TINQUOR_HAVE_WIN32)
#include "platform/WinScreenSource.h"
#endif

namespace platform {

std::unique_ptr<ScreenSource> CreateNativeScreenSource()
{
#if defined(TINQUOR_HAVE_WIN32)
    return std::make_unique<WinScreenSource>();
#else
#if defined(TINQUOR_HAVE_X11)
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        if (auto x11 = CreateX11ScreenSource())
            return x11;
#endif
    return std::make_unique<QtScreenSource>();
#endif
}

} // namespace platform
