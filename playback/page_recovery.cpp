#include "playback/page_recovery.h"

#include <string_view>

namespace tavrino {

namespace {

constexpr const char* kBlank = "about:blank";

}  // namespace

PageRecovery::PageRecovery(WebKitWebView* view)
    : terminated_(view, g_signal_connect(view, "web-process-terminated",
                                         G_CALLBACK(on_view_web_process_terminated), this)) {}

void PageRecovery::on_view_web_process_terminated(WebKitWebView* view,
                                                  WebKitWebProcessTerminationReason, gpointer) {
  // A process that cannot even show the blank page is not started again and again.
  const char* uri = webkit_web_view_get_uri(view);
  if (uri && std::string_view(uri) == kBlank) return;
  webkit_web_view_load_uri(view, kBlank);
}

}  // namespace tavrino
