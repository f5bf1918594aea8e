// A window without any name. Qt fills an empty title with the program's name
// when it hands it to the window system (on X11 in _NET_WM_NAME, which task
// switchers show), and offers no way to leave it out; so the names are set
// empty again on the X11 window itself, after Qt has set them.
#include "desktop/qt_desktop.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef SUITE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace desktop {

#ifdef SUITE_HAVE_XCB
namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

void SetEmpty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    if (property == XCB_ATOM_NONE || type == XCB_ATOM_NONE) return;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, 8, 0, nullptr);
}

}  // namespace
#endif

void QtDesktop::clearWindowName(QWidget* window) {
    window->setWindowTitle(QString());
#ifdef SUITE_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window->testAttribute(Qt::WA_WState_Created)) return;  // other platforms keep the empty title
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    SetEmpty(c, id, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"));
    SetEmpty(c, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    xcb_flush(c);
#endif
}

}  // namespace desktop
