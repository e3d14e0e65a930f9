#include "playback/browser_view.h"

#include <glibmm/main.h>
#include <glibmm/wrap.h>

#include "playback/engine_settings.h"

namespace tavrino {

namespace {

// The middle of the five text sizes.
constexpr double kMiddleTextSize = 1.0;

}  // namespace

// Ephemeral: cookies, cache and local storage stay in memory and end with the run.
BrowserEngine::BrowserEngine()
    : context_(GObjectPtr<WebKitWebContext>::Adopt(webkit_web_context_new_ephemeral())) {
  if (context_) EnableSandboxWherePossible(context_.get(), sandbox_probe_);
}

std::unique_ptr<BrowserView> BrowserView::Create(const BrowserEngine& engine) {
  if (!engine.context()) return nullptr;
  auto view = GObjectPtr<WebKitWebView>::Adopt(
      WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(engine.context())));
  if (!view) return nullptr;
  webkit_web_view_set_zoom_level(view.get(), kMiddleTextSize);
  ApplyEngineSettings(view.get());
  return std::unique_ptr<BrowserView>(new BrowserView(std::move(view)));
}

BrowserView::BrowserView(GObjectPtr<WebKitWebView> view)
    : view_(std::move(view)),
      widget_(Glib::wrap(GTK_WIDGET(view_.get()))),
      policy_(view_.get()),
      recovery_(view_.get()) {
  gtk_widget_set_can_focus(GTK_WIDGET(view_.get()), TRUE);
  // After the first frame, so that the window's first picture does not wait for the process.
  first_draw_ = widget_->signal_draw().connect(
      [this](const Cairo::RefPtr<Cairo::Context>&) {
        first_draw_.disconnect();
        Glib::signal_idle().connect_once(sigc::mem_fun(*this, &BrowserView::StartPageProcess));
        return false;
      },
      false);
}

BrowserView::~BrowserView() { gtk_widget_destroy(GTK_WIDGET(view_.get())); }

void BrowserView::StartPageProcess() {
  if (url_.empty()) webkit_web_view_load_uri(view_.get(), "about:blank");
}

void BrowserView::SetUrl(const std::string& address) {
  url_ = address;
  webkit_web_view_load_uri(view_.get(), url_.c_str());
}

}  // namespace tavrino
