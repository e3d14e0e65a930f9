// The player view: an embedded WebKit browser that shows the page at the address it is given.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtkmm/widget.h>
#include <webkit2/webkit2.h>

#include "app/gobject_ptr.h"
#include "playback/page_policy.h"
#include "playback/page_recovery.h"
#include "playback/web_sandbox.h"

namespace tavrino {

// What the views of one run share: the engine's process and data settings.
class BrowserEngine {
 public:
  BrowserEngine();
  BrowserEngine(const BrowserEngine&) = delete;
  BrowserEngine& operator=(const BrowserEngine&) = delete;

  WebKitWebContext* context() const { return context_.get(); }

 private:
  SandboxProbe sandbox_probe_;  // first: it runs while the context is made
  GObjectPtr<WebKitWebContext> context_;
};

// Once first drawn, the view loads the blank page, which starts the engine's page process: the
// first address then loads without waiting for one.
class BrowserView : public sigc::trackable {
 public:
  // Empty when the engine cannot make a view.
  static std::unique_ptr<BrowserView> Create(const BrowserEngine& engine);
  ~BrowserView();
  BrowserView(const BrowserView&) = delete;
  BrowserView& operator=(const BrowserView&) = delete;

  Gtk::Widget& widget() const { return *widget_; }
  WebKitWebView* web_view() const { return view_.get(); }

  // Starts navigating to the address as it is, every time, without waiting for the page.
  void SetUrl(const std::string& address);

  // The address last set, as it was given.
  const std::string& url() const { return url_; }

  // False until the first navigation: a blank view has no page to offer keys to.
  bool HasPage() const { return !url_.empty(); }

 private:
  explicit BrowserView(GObjectPtr<WebKitWebView> view);
  void StartPageProcess();

  GObjectPtr<WebKitWebView> view_;
  Gtk::Widget* widget_;  // gtkmm's wrapper of view_, owned by the object itself
  PagePolicy policy_;
  PageRecovery recovery_;
  std::string url_;
  sigc::connection first_draw_;
};

using PlayerViewFactory = std::function<std::unique_ptr<BrowserView>()>;

}  // namespace tavrino
