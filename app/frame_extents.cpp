#include "app/frame_extents.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <chrono>
#include <optional>
#include <thread>

namespace tavrino {

namespace {

// openbox answers in a millisecond; a window manager that never does must not delay start-up.
constexpr auto kEstimateBound = std::chrono::milliseconds(250);

std::optional<FrameExtents> ReadFrameExtents(GdkWindow* window) {
  GdkDisplay* display = gdk_window_get_display(window);
  Display* xdisplay = GDK_DISPLAY_XDISPLAY(display);
  const Atom property = gdk_x11_get_xatom_by_name_for_display(display, "_NET_FRAME_EXTENTS");
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  gdk_x11_display_error_trap_push(display);
  const int status = XGetWindowProperty(xdisplay, GDK_WINDOW_XID(window), property, 0, 4, False,
                                        XA_CARDINAL, &type, &format, &count, &remaining, &data);
  gdk_x11_display_error_trap_pop_ignored(display);
  std::optional<FrameExtents> extents;
  if (status == Success && type == XA_CARDINAL && format == 32 && count == 4) {
    const auto* values = reinterpret_cast<const long*>(data);
    extents = FrameExtents{static_cast<int>(values[0]), static_cast<int>(values[1]),
                           static_cast<int>(values[2]), static_cast<int>(values[3])};
  }
  if (data) XFree(data);
  return extents;
}

}  // namespace

FrameExtents CurrentFrameExtents(GdkWindow* window) {
  if (!window || !GDK_IS_X11_WINDOW(window)) return {};
  return ReadFrameExtents(window).value_or(FrameExtents{});
}

FrameExtents EstimateFrameExtents(GdkWindow* window) {
  if (!window || !GDK_IS_X11_WINDOW(window)) return {};
  GdkScreen* screen = gdk_window_get_screen(window);
  if (!gdk_x11_screen_supports_net_wm_hint(
          screen, gdk_atom_intern_static_string("_NET_REQUEST_FRAME_EXTENTS"))) {
    return {};
  }
  GdkDisplay* display = gdk_window_get_display(window);
  Display* xdisplay = GDK_DISPLAY_XDISPLAY(display);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = GDK_WINDOW_XID(window);
  request.xclient.message_type =
      gdk_x11_get_xatom_by_name_for_display(display, "_NET_REQUEST_FRAME_EXTENTS");
  request.xclient.format = 32;
  XSendEvent(xdisplay, GDK_WINDOW_XID(gdk_screen_get_root_window(screen)), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &request);
  XFlush(xdisplay);
  // Polling the property leaves GDK's own event queue untouched.
  const auto deadline = std::chrono::steady_clock::now() + kEstimateBound;
  do {
    if (auto extents = ReadFrameExtents(window)) return *extents;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  } while (std::chrono::steady_clock::now() < deadline);
  return {};
}

}  // namespace tavrino
