#include "app/fullscreen.h"

namespace tavrino {

FullscreenPlayer::FullscreenPlayer(Gtk::Window& window, ControlArea& area, std::size_t player_index,
                                   WebKitWebView* view)
    : window_(window),
      area_(area),
      player_index_(player_index),
      view_(view),
      enter_(view, g_signal_connect(view, "enter-fullscreen", G_CALLBACK(on_view_enter_fullscreen),
                                    this)),
      leave_(view, g_signal_connect(view, "leave-fullscreen", G_CALLBACK(on_view_leave_fullscreen),
                                    this)) {}

void FullscreenPlayer::Leave() {
  // In a world of its own, so that the page cannot replace the function; the engine then leaves
  // through the handler below.
  if (active_) {
    webkit_web_view_evaluate_javascript(view_, "document.exitFullscreen()", -1, "tavrino", nullptr,
                                        nullptr, nullptr, nullptr);
  }
}

gboolean FullscreenPlayer::on_view_enter_fullscreen(WebKitWebView*, gpointer data) {
  auto* self = static_cast<FullscreenPlayer*>(data);
  self->active_ = true;
  self->focus_before_ = self->window_.get_focus();
  self->area_.FillWith(self->player_index_);
  // The engine would do this too, but only after telling the page, which then measures the
  // window before it fills the screen.
  self->window_.fullscreen();
  return FALSE;
}

gboolean FullscreenPlayer::on_view_leave_fullscreen(WebKitWebView*, gpointer data) {
  auto* self = static_cast<FullscreenPlayer*>(data);
  self->active_ = false;
  self->area_.FillWith(std::nullopt);
  self->window_.unfullscreen();
  if (self->focus_before_ && self->window_.get_focus() != self->focus_before_) {
    self->focus_before_->grab_focus();
  }
  self->focus_before_ = nullptr;
  return FALSE;
}

}  // namespace tavrino
