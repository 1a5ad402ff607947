#include "app/x11_window.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

namespace zarvo {

namespace {

xcb_connection_t* x11_connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    xcb_atom_t a = XCB_ATOM_NONE;
    if (reply) a = reply->atom;
    std::free(reply);
    return a;
}

}  // namespace

namespace {

// The window the running window manager names in _NET_SUPPORTING_WM_CHECK, or none.
xcb_window_t window_manager_check(xcb_connection_t* c) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    if (!screen || check == XCB_ATOM_NONE) return XCB_WINDOW_NONE;
    const auto cookie = xcb_get_property(c, 0, screen->root, check, XCB_ATOM_WINDOW, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    xcb_window_t window = XCB_WINDOW_NONE;
    if (reply && xcb_get_property_value_length(reply) >= 4)
        window = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return window;
}

QByteArray window_manager_name(xcb_connection_t* c) {
    const xcb_window_t wm = window_manager_check(c);
    if (wm == XCB_WINDOW_NONE) return {};
    const auto cookie =
        xcb_get_property(c, 0, wm, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QByteArray name;
    if (reply)
        name = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
    std::free(reply);
    return name;
}

}  // namespace

bool x11_window_manager_running() {
    xcb_connection_t* c = x11_connection();
    return c && window_manager_check(c) != XCB_WINDOW_NONE;
}

bool x11_without_window_manager() {
    xcb_connection_t* c = x11_connection();
    return c && window_manager_check(c) == XCB_WINDOW_NONE;
}

void x11_offer_close_and_maximize(QWindow* window) {
    xcb_connection_t* c = x11_connection();
    if (!c || !window) return;
    const xcb_atom_t hints = atom(c, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE) return;
    enum : uint32_t {
        functions_given = 1,
        resize = 1 << 1,
        move = 1 << 2,
        maximize = 1 << 4,
        close = 1 << 5
    };
    uint32_t functions = close | maximize;
    // Openbox reads only the resize and move functions of these hints, and keeps a window
    // maximized in the work area only while it may do both: without them the frame would
    // cover the whole screen and lose its title.
    if (window_manager_name(c) == "Openbox") functions |= resize | move;
    const uint32_t value[5] = {functions_given, functions, 0, 0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), hints,
                        hints, 32, 5, value);
    xcb_flush(c);
}

bool x11_kept_maximized(QWindow* window) {
    xcb_connection_t* c = x11_connection();
    if (!c || !window || window_manager_check(c) == XCB_WINDOW_NONE) return true;
    const auto cookie = xcb_get_property(c, 0, static_cast<xcb_window_t>(window->winId()),
                                         atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 32);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply) return true;
    const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / 4;
    const auto has = [&](const char* name) {
        const xcb_atom_t a = atom(c, name);
        return std::find(states, states + count, a) != states + count;
    };
    const bool kept =
        (has("_NET_WM_STATE_MAXIMIZED_VERT") && has("_NET_WM_STATE_MAXIMIZED_HORZ")) ||
        has("_NET_WM_STATE_FULLSCREEN") || has("_NET_WM_STATE_HIDDEN");
    std::free(reply);
    return kept;
}

void x11_ask_maximized(QWindow* window) {
    xcb_connection_t* c = x11_connection();
    if (!c || !window) return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen) return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window->winId());
    event.type = atom(c, "_NET_WM_STATE");
    event.data.data32[0] = 1;  // _NET_WM_STATE_ADD
    event.data.data32[1] = atom(c, "_NET_WM_STATE_MAXIMIZED_VERT");
    event.data.data32[2] = atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ");
    event.data.data32[3] = 1;  // from an application
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

}  // namespace zarvo
