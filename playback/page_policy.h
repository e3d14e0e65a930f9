// What the player view refuses a page, whatever the engine's defaults: other windows, downloads,
// content it cannot show, clipboard writes and every permission.
#pragma once

#include <webkit2/webkit2.h>

#include "app/gobject_ptr.h"

namespace tavrino {

class PagePolicy {
 public:
  // Applies to `view` and to the downloads of its context until destroyed.
  explicit PagePolicy(WebKitWebView* view);
  PagePolicy(const PagePolicy&) = delete;
  PagePolicy& operator=(const PagePolicy&) = delete;

 private:
  static GtkWidget* on_view_create(WebKitWebView* view, WebKitNavigationAction* action,
                                   gpointer data);
  static gboolean on_view_decide_policy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                        WebKitPolicyDecisionType type, gpointer data);
  static gboolean on_view_permission_request(WebKitWebView* view, WebKitPermissionRequest* request,
                                             gpointer data);
  static void on_context_download_started(WebKitWebContext* context, WebKitDownload* download,
                                          gpointer data);

  SignalConnection create_;
  SignalConnection decide_policy_;
  SignalConnection permission_request_;
  SignalConnection download_started_;
};

}  // namespace tavrino
