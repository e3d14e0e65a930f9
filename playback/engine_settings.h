// The engine settings Tavrino chooses for the machine it runs on.
#pragma once

#include <webkit2/webkit2.h>

namespace tavrino {

// For a new view and its context, before the first load: software compositing where there is no
// GPU, and no caches, which a one-page player has no use for.
void ApplyEngineSettings(WebKitWebView* view);

}  // namespace tavrino
