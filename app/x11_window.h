// What the frame tells an X11 window manager, and asks of it; nothing on other platforms.
#pragma once

class QWindow;

namespace zarvo {

// True when the display is an X server with a window manager that says it is running
// (_NET_SUPPORTING_WM_CHECK); false without one, and on other platforms.
bool x11_window_manager_running();
// True on an X server without a window manager.
bool x11_without_window_manager();

// Asks the window manager, through the Motif hints, to offer only closing and maximizing the
// window: the frame stays maximized at one size and place, so moving, resizing and minimizing
// would only be undone. Maximizing stays allowed, since the window managers that honour the
// hints (mutter, metacity, marco, xfwm4, icewm) refuse to maximize a window without it, and
// the first three even take a request to maximize such a window for one to restore it. Openbox
// honours only moving and resizing, and needs both to keep a window maximized, so it is left
// them.
void x11_offer_close_and_maximize(QWindow* window);

// True when the window manager shows the window as it should be kept: maximized both ways,
// full screen, or hidden (minimized). Read from the window's _NET_WM_STATE as it is now, not
// from the state Qt last reported: a window manager that maximizes the window and restores it
// again before the client reads the property sends two changes that read the same. True
// where there is no X11 window manager to ask.
bool x11_kept_maximized(QWindow* window);
// Asks the window manager directly to maximize the window both ways, whatever state Qt
// believes the window to be in.
void x11_ask_maximized(QWindow* window);

}  // namespace zarvo
