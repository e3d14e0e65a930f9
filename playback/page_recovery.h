// After the page's web process dies, the view shows a blank page instead of the dead page's last
// picture; the next address starts a new web process as usual.
#pragma once

#include <webkit2/webkit2.h>

#include "app/gobject_ptr.h"

namespace tavrino {

class PageRecovery {
 public:
  explicit PageRecovery(WebKitWebView* view);
  PageRecovery(const PageRecovery&) = delete;
  PageRecovery& operator=(const PageRecovery&) = delete;

 private:
  static void on_view_web_process_terminated(WebKitWebView* view,
                                             WebKitWebProcessTerminationReason reason,
                                             gpointer data);

  SignalConnection terminated_;
};

}  // namespace tavrino
