#include "playback/engine_settings.h"

namespace tavrino {

namespace {

// A directory listing, so that start-up waits for no GL context just to ask for its renderer.
bool ListsRenderNode() {
  g_autoptr(GDir) devices = g_dir_open("/dev/dri", 0, nullptr);
  if (!devices) return false;
  while (const char* name = g_dir_read_name(devices)) {
    if (g_str_has_prefix(name, "renderD")) return true;
  }
  return false;
}

// Read once: the renderer and the acceleration policy must agree for the whole run.
bool HasRenderNode() {
  static const bool has_render_node = ListsRenderNode();
  return has_render_node;
}

}  // namespace

void ChooseEngineRenderer() {
  // The DMA-BUF renderer brought up GLX and Mesa's software EGL in this process before the
  // window could map: some 80 ms here.
  if (!HasRenderNode()) g_setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", FALSE);
}

void ApplyEngineSettings(WebKitWebView* view) {
  // Without a GPU, compositing through a GL that runs on the CPU costs playback more than
  // painting in software.
  if (!HasRenderNode()) {
    webkit_settings_set_hardware_acceleration_policy(webkit_web_view_get_settings(view),
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  }
  webkit_web_context_set_cache_model(webkit_web_view_get_context(view),
                                     WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
}

}  // namespace tavrino
