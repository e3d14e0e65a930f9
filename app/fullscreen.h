// The page's fullscreen: the player view fills the window while the window fills the screen,
// and leaving gives back the window's layout and focus as they were.
#pragma once

#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include "app/control_area.h"
#include "app/gobject_ptr.h"

namespace tavrino {

class FullscreenPlayer {
 public:
  // The engine itself takes `window` in and out of fullscreen after these handlers.
  FullscreenPlayer(Gtk::Window& window, ControlArea& area, std::size_t player_index,
                   WebKitWebView* view);
  FullscreenPlayer(const FullscreenPlayer&) = delete;
  FullscreenPlayer& operator=(const FullscreenPlayer&) = delete;

  // From the page's request until the window is given back.
  bool Active() const { return active_; }
  // Asks to leave, as the page's own exit would.
  void Leave();
  // After the page's process died in fullscreen, the engine's view stays in fullscreen mode and
  // takes every Esc as a request to leave it, for good.
  bool EngineTakesEscape() const { return engine_stuck_; }

 private:
  static gboolean on_view_enter_fullscreen(WebKitWebView* view, gpointer data);
  static gboolean on_view_leave_fullscreen(WebKitWebView* view, gpointer data);
  static void on_view_web_process_terminated(WebKitWebView* view,
                                             WebKitWebProcessTerminationReason reason,
                                             gpointer data);
  void GiveBack();

  Gtk::Window& window_;
  ControlArea& area_;
  std::size_t player_index_;
  WebKitWebView* view_;
  Gtk::Widget* focus_before_ = nullptr;  // a control of the window, which outlives this
  bool active_ = false;
  bool engine_stuck_ = false;
  SignalConnection enter_;
  SignalConnection leave_;
  SignalConnection terminated_;
};

}  // namespace tavrino
