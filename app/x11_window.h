// What the frame tells an X11 window manager, and asks of it; nothing on other platforms.
#pragma once

class QWindow;

namespace zarvo {

// True when the display is an X server with a window manager that says it is running
// (_NET_SUPPORTING_WM_CHECK); false without one, and on other platforms.
bool x11_window_manager_running();

// Asks the window manager, through the Motif hints, to offer only closing the window: the
// frame stays maximized at one size and place, so moving, resizing, maximizing and minimizing
// would only be undone. Window managers that honour the hints drop those buttons and handles
// (icewm does; Openbox honours only moving and resizing, and needs both to keep a window
// maximized, so it is left them).
void x11_offer_only_close(QWindow* window);

}  // namespace zarvo
