// Prints the monotonic time (seconds) at which the next top-level window is mapped on the X
// display, then exits: the benchmark's outside view of "the window is on screen".
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  std::printf("ready\n");
  std::fflush(stdout);
  alarm(60);  // a program that never maps a window must not hold the run
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify || event.xmap.override_redirect) continue;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%ld.%09ld\n", static_cast<long>(now.tv_sec), now.tv_nsec);
    break;
  }
  XCloseDisplay(display);
  return 0;
}
