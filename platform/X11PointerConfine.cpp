// The server enforces the confinement: a pointer grab with confine_to keeps
// the pointer in that window whatever moves it, a mouse, XTest or a warp, as
// Win32's ClipCursor does. The grab is made on Qt's own connection with
// owner_events set, so Qt keeps receiving the events of its windows exactly as
// before and a grab taken while a button is held replaces the implicit grab of
// that press without the press being lost. The confine_to window is an
// override-redirect, input-only child of the root, stacked at the bottom and
// selecting no events: it covers the rectangle but never sees nor steals a
// click, and may reach past the edges of Qt's window.
#include "platform/X11PointerConfine.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

QNativeInterface::QX11Application* QtX11()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
}

xcb_connection_t* QtConnection()
{
    auto* x11 = QtX11();
    return x11 ? x11->connection() : nullptr;
}

bool GrabConfined(xcb_connection_t* conn, xcb_window_t grabWindow, xcb_window_t confineTo)
{
    const uint16_t mask = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE
        | XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW | XCB_EVENT_MASK_POINTER_MOTION;
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(
        conn,
        xcb_grab_pointer(conn, 1, grabWindow, mask, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, confineTo, XCB_NONE,
                         XCB_CURRENT_TIME),
        nullptr);
    const bool ok = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return ok;
}

// Qt reads the mouse through XInput 2, so a press starts an implicit grab of
// that kind, and the server refuses a core grab over a grab of another kind
// even to the client that holds it. Dropping Qt's own XI2 grab first lets the
// confining grab take its place; a grab held by another client stays put.
void DropOwnXi2Grab()
{
    auto* x11 = QtX11();
    Display* dpy = x11 ? x11->display() : nullptr;
    if (!dpy)
        return;
    int opcode, event, error;
    if (!XQueryExtension(dpy, "XInputExtension", &opcode, &event, &error))
        return;
    int pointer = 0;
    if (!XIGetClientPointer(dpy, 0, &pointer))
        return;
    XIUngrabDevice(dpy, pointer, CurrentTime);
    XFlush(dpy);
}

struct Confiner {
    xcb_connection_t* conn = nullptr;
    xcb_window_t window = 0;
    xcb_window_t root = 0;
};

Confiner g_confiner;

xcb_window_t RootOf(xcb_connection_t* conn, xcb_window_t w)
{
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(conn, xcb_get_geometry(conn, w), nullptr);
    if (!g)
        return 0;
    const xcb_window_t root = g->root;
    std::free(g);
    return root;
}

} // namespace

bool X11ConfinePointer(QWidget* widget, const QRect& rect)
{
    xcb_connection_t* conn = QtConnection();
    QWidget* top = widget ? widget->window() : nullptr;
    if (!conn || !top || !top->isVisible() || rect.isEmpty())
        return false;
    const auto topWindow = xcb_window_t(top->winId());
    const xcb_window_t root = RootOf(conn, topWindow);
    if (!root)
        return false;

    Confiner& c = g_confiner;
    if (c.conn != conn || c.root != root) {
        c.conn = conn;
        c.root = root;
        c.window = xcb_generate_id(conn);
        const uint32_t overrideRedirect = 1;
        xcb_create_window(conn, 0, c.window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    }
    const uint32_t geometry[] = {uint32_t(rect.x()), uint32_t(rect.y()), uint32_t(rect.width()),
                                 uint32_t(rect.height()), XCB_STACK_MODE_BELOW};
    xcb_configure_window(conn, c.window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH
                             | XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                         geometry);
    xcb_map_window(conn, c.window);

    bool ok = GrabConfined(conn, topWindow, c.window);
    if (!ok) {
        DropOwnXi2Grab();
        ok = GrabConfined(conn, topWindow, c.window);
    }
    if (!ok) {
        xcb_unmap_window(conn, c.window);
        xcb_flush(conn);
    }
    return ok;
}

void X11ReleasePointer()
{
    Confiner& c = g_confiner;
    if (!c.conn || c.conn != QtConnection())
        return;
    xcb_ungrab_pointer(c.conn, XCB_CURRENT_TIME);
    xcb_unmap_window(c.conn, c.window);
    // A round trip, so the pointer is free before anything else moves it.
    std::free(xcb_get_input_focus_reply(c.conn, xcb_get_input_focus(c.conn), nullptr));
}

} // namespace platform
