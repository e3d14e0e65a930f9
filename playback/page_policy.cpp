#include "playback/page_policy.h"

#include <libsoup/soup.h>

namespace tavrino {

namespace {

// The engine lets a page write the clipboard from any click; the clipboard is what the address
// box reads, so only the user's own copy may write it.
constexpr const char* kNoScriptedCopy = R"(
Document.prototype.execCommand = new Proxy(Document.prototype.execCommand, {
  apply(command, document, args) {
    const name = String(args[0]).toLowerCase();
    return name === 'copy' || name === 'cut' ? false : Reflect.apply(command, document, args);
  }
});
)";

void RefuseClipboardWrites(WebKitWebView* view) {
  WebKitSettings* settings = webkit_web_view_get_settings(view);
  webkit_settings_set_javascript_can_access_clipboard(settings, FALSE);
  g_autoptr(WebKitFeatureList) features = webkit_settings_get_all_features();
  for (gsize i = 0; i < webkit_feature_list_get_length(features); ++i) {
    WebKitFeature* feature = webkit_feature_list_get(features, i);
    if (g_strcmp0(webkit_feature_get_identifier(feature), "AsyncClipboardAPI") == 0) {
      webkit_settings_set_feature_enabled(settings, feature, FALSE);
    }
  }
  g_autoptr(WebKitUserScript) script =
      webkit_user_script_new(kNoScriptedCopy, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                             WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(webkit_web_view_get_user_content_manager(view), script);
}

// The engine's own default saves such a response to the disk.
bool IsAttachment(WebKitURIResponse* response) {
  SoupMessageHeaders* headers = webkit_uri_response_get_http_headers(response);
  if (!headers) return false;
  g_autofree char* disposition = nullptr;
  const bool parsed = soup_message_headers_get_content_disposition(headers, &disposition, nullptr);
  return parsed && disposition && g_ascii_strcasecmp(disposition, "inline") != 0;
}

}  // namespace

PagePolicy::PagePolicy(WebKitWebView* view)
    : create_(view, g_signal_connect(view, "create", G_CALLBACK(on_view_create), this)),
      decide_policy_(
          view, g_signal_connect(view, "decide-policy", G_CALLBACK(on_view_decide_policy), this)),
      permission_request_(view, g_signal_connect(view, "permission-request",
                                                 G_CALLBACK(on_view_permission_request), this)),
      download_started_(webkit_web_view_get_context(view),
                        g_signal_connect(webkit_web_view_get_context(view), "download-started",
                                         G_CALLBACK(on_context_download_started), this)) {
  RefuseClipboardWrites(view);
}

GtkWidget* PagePolicy::on_view_create(WebKitWebView*, WebKitNavigationAction*, gpointer) {
  return nullptr;
}

gboolean PagePolicy::on_view_decide_policy(WebKitWebView*, WebKitPolicyDecision* decision,
                                           WebKitPolicyDecisionType type, gpointer) {
  switch (type) {
    case WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION:
      return FALSE;
    case WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION:
      webkit_policy_decision_ignore(decision);
      return TRUE;
    case WEBKIT_POLICY_DECISION_TYPE_RESPONSE: {
      auto* response_decision = WEBKIT_RESPONSE_POLICY_DECISION(decision);
      if (webkit_response_policy_decision_is_mime_type_supported(response_decision) &&
          !IsAttachment(webkit_response_policy_decision_get_response(response_decision))) {
        return FALSE;
      }
      webkit_policy_decision_ignore(decision);
      return TRUE;
    }
  }
  webkit_policy_decision_ignore(decision);
  return TRUE;
}

gboolean PagePolicy::on_view_permission_request(WebKitWebView*, WebKitPermissionRequest* request,
                                                gpointer) {
  webkit_permission_request_deny(request);
  return TRUE;
}

void PagePolicy::on_context_download_started(WebKitWebContext*, WebKitDownload* download,
                                             gpointer) {
  webkit_download_cancel(download);
}

}  // namespace tavrino
