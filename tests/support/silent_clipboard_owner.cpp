// Takes the CLIPBOARD selection and never answers a request for it; prints "ready" once it
// owns the selection and runs until killed.
#include <X11/Xlib.h>

#include <cstdio>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  XSetSelectionOwner(display, clipboard, window, CurrentTime);
  if (XGetSelectionOwner(display, clipboard) != window) return 1;
  std::puts("ready");
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);  // requests are read and dropped
  }
}
