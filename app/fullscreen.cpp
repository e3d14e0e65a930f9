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
                                    this)),
      terminated_(view, g_signal_connect(view, "web-process-terminated",
                                         G_CALLBACK(on_view_web_process_terminated), this)) {}

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
  self->engine_stuck_ = false;
  self->focus_before_ = self->window_.get_focus();
  self->area_.FillWith(self->player_index_);
  // The engine's default does this too; done here, a change of that default cannot leave the
  // video filling no more than the window.
  self->window_.fullscreen();
  return FALSE;
}

gboolean FullscreenPlayer::on_view_leave_fullscreen(WebKitWebView*, gpointer data) {
  static_cast<FullscreenPlayer*>(data)->GiveBack();
  return FALSE;
}

// The engine does not leave fullscreen when the page's process dies, and no page is left to ask.
void FullscreenPlayer::on_view_web_process_terminated(WebKitWebView*,
                                                      WebKitWebProcessTerminationReason,
                                                      gpointer data) {
  auto* self = static_cast<FullscreenPlayer*>(data);
  if (self->active_) self->engine_stuck_ = true;
  self->GiveBack();
}

void FullscreenPlayer::GiveBack() {
  if (!active_) return;
  active_ = false;
  area_.FillWith(std::nullopt);
  window_.unfullscreen();
  if (focus_before_ && window_.get_focus() != focus_before_) focus_before_->grab_focus();
  focus_before_ = nullptr;
}

}  // namespace tavrino
