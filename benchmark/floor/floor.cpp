// The benchmark's floor: one 810 by 694 GTK window holding one WebKit web view with default
// settings. Loads the address on its command line at start and each line read from standard
// input; prints "navigate SECONDS" (the monotonic clock) as it starts each load.
// Usage: floor [--never] [ADDRESS]; --never sets the hardware acceleration policy to never.
#include <glib-unix.h>
#include <gtk/gtk.h>
#include <unistd.h>
#include <webkit2/webkit2.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Floor {
  WebKitWebView* view;
  std::string pending;
};

void Navigate(WebKitWebView* view, const char* address) {
  std::printf("navigate %.6f\n", static_cast<double>(g_get_monotonic_time()) / 1e6);
  std::fflush(stdout);
  webkit_web_view_load_uri(view, address);
}

gboolean OnInput(gint fd, GIOCondition, gpointer data) {
  auto* floor = static_cast<Floor*>(data);
  char chunk[512];
  const ssize_t count = read(fd, chunk, sizeof chunk);
  if (count <= 0) return G_SOURCE_REMOVE;
  floor->pending.append(chunk, static_cast<std::size_t>(count));
  std::size_t end;
  while ((end = floor->pending.find('\n')) != std::string::npos) {
    const std::string line = floor->pending.substr(0, end);
    floor->pending.erase(0, end + 1);
    if (!line.empty()) Navigate(floor->view, line.c_str());
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  bool never = false;
  const char* address = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--never") == 0)
      never = true;
    else
      address = argv[i];
  }
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), 810, 694);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* view = webkit_web_view_new();
  if (never) {
    webkit_settings_set_hardware_acceleration_policy(
        webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view)),
        WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  }
  gtk_container_add(GTK_CONTAINER(window), view);
  gtk_widget_show_all(window);
  Floor floor{WEBKIT_WEB_VIEW(view), {}};
  if (address) Navigate(floor.view, address);
  const guint input = g_unix_fd_add(STDIN_FILENO, G_IO_IN, OnInput, &floor);
  gtk_main();
  g_source_remove(input);
  return 0;
}
