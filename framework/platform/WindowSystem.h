// What the window system does for the program's windows, and the desktop it offers.
#pragma once

#include "framework/core/Types.h"

class WindowSystem {
public:
    // Whether a window manager or compositor places the windows: maximises them and keeps their
    // normal bounds. X11 without a window manager and the offscreen and framebuffer platforms
    // leave that to the program.
    static bool PlacesWindows();
    // The desktop work area: the primary screen less what the desktop's panels reserve.
    static TRect WorkArea();
    // Whether one of the program's windows has the keyboard focus: the desktop has the program
    // in front.
    static bool HasFocusWindow();
    // Where a window with these bounds goes so that it shows on the work area of the screen its
    // top-left corner is on (the primary screen when none is), its corner on a whole device
    // pixel.
    static TRect KeptOnScreen(const TRect& window);
};
