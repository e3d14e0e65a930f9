#include "tests/support/probe.h"

#include <glib-unix.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/main_window.h"

namespace tavrino {

namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Rect(int left, int top, int width, int height) {
  return "[" + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(width) +
         "," + std::to_string(height) + "]";
}

bool Fullscreen(MainWindow& window) {
  const Glib::RefPtr<Gdk::Window> gdk_window = window.get_window();
  return gdk_window && (gdk_window->get_state() & Gdk::WINDOW_STATE_FULLSCREEN);
}

std::string State(MainWindow& window) {
  const WindowTemplate& layout = MainWindowTemplate();
  Gtk::Widget* focus = window.get_focus();
  std::string focused = "null";
  std::string controls;
  for (const ControlTemplate& control : layout.controls) {
    const Geometry g = window.ControlGeometry(control.role);
    if (!controls.empty()) controls += ",";
    controls += Quoted(control.name) + ":" + Rect(g.left, g.top, g.width, g.height);
  }
  if (focus && window.has_toplevel_focus())
    focused = Quoted(focus->get_name().raw());
  else if (focus)
    focused = "\"(window inactive) " + focus->get_name().raw() + "\"";
  const Size outer = window.OuterSize();
  const char* uri = webkit_web_view_get_uri(window.player_view().web_view());
  Gtk::Widget& player = window.player_view().widget();
  const Gtk::Allocation page = player.get_allocation();
  return "{\"focus\":" + focused + ",\"controls\":{" + controls + "}" + ",\"player_allocation\":" +
         Rect(page.get_x(), page.get_y(), page.get_width(), page.get_height()) + ",\"outer\":[" +
         std::to_string(outer.width) + "," + std::to_string(outer.height) + "]" +
         ",\"box\":" + Quoted(window.address_box().ReadText()) +
         ",\"pin\":" + (window.PinChecked() ? "true" : "false") +
         ",\"fullscreen\":" + (Fullscreen(window) ? "true" : "false") +
         ",\"uri\":" + (uri ? Quoted(uri) : "null") +
         ",\"url\":" + Quoted(window.player_view().url()) + "}";
}

}  // namespace

struct Probe::Watch {
  explicit Watch(MainWindow& w) : window(w) {
    source = g_unix_fd_add(STDIN_FILENO, G_IO_IN, &Watch::OnInput, this);
  }
  ~Watch() {
    if (source) g_source_remove(source);
  }
  static gboolean OnInput(gint fd, GIOCondition, gpointer data) {
    auto* self = static_cast<Watch*>(data);
    char chunk[256];
    const ssize_t count = read(fd, chunk, sizeof chunk);
    if (count <= 0) {
      self->source = 0;
      return G_SOURCE_REMOVE;
    }
    self->pending.append(chunk, static_cast<std::size_t>(count));
    std::size_t end;
    while ((end = self->pending.find('\n')) != std::string::npos) {
      self->pending.erase(0, end + 1);
      const std::string line = State(self->window) + "\n";
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fflush(stdout);
    }
    return G_SOURCE_CONTINUE;
  }

  MainWindow& window;
  guint source = 0;
  std::string pending;
};

Probe::Probe(MainWindow& window) : watch_(std::make_unique<Watch>(window)) {}
Probe::~Probe() = default;

}  // namespace tavrino
