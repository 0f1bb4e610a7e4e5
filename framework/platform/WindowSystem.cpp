#include "framework/platform/WindowSystem.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <memory>
#include <xcb/xcb.h>

namespace {

// The window a property of type WINDOW names, or 0.
xcb_window_t WindowProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, window, property, XCB_ATOM_WINDOW, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &free);
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(xcb_window_t))
        return 0;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A running EWMH window manager names its check window on the root window and on that window
// itself; a name left behind by a manager that has gone fails the second test.
bool X11WindowManagerRunning(xcb_connection_t* c) {
    static constexpr char kCheck[] = "_NET_SUPPORTING_WM_CHECK";
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 1, sizeof kCheck - 1, kCheck);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(c, cookie, nullptr), &free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t check = WindowProperty(c, root, atom->atom);
    return check != 0 && WindowProperty(c, check, atom->atom) == check;
}

} // namespace

bool WindowSystem::PlacesWindows() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true; // every compositor places its windows
    if (platform != QLatin1String("xcb"))
        return false;
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && X11WindowManagerRunning(x11->connection());
}

TRect WindowSystem::WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TRect::FromQRect(screen->availableGeometry()) : TRect{};
}

bool WindowSystem::HasFocusWindow() {
    return QGuiApplication::focusWindow() != nullptr;
}

// The toolkit scales a window's place by its corners: a top-left corner between two device
// pixels would cost the window a device pixel of its width or height, and so a pixel of its
// layout. The corner is moved onto the grid, back towards the area's top-left.
TRect WindowSystem::KeptOnScreen(const TRect& window) {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(window.Left, window.Top));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return window;
    const TRect area = TRect::FromQRect(screen->availableGeometry());
    const TRect kept = KeptWithin(window, area);
    const double ratio = screen->devicePixelRatio();
    return Bounds(std::max(area.Left, OnDeviceGrid(kept.Left, ratio)),
                  std::max(area.Top, OnDeviceGrid(kept.Top, ratio)), kept.Width(), kept.Height());
}
