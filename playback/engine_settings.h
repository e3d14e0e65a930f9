// The engine settings Tavrino chooses for the machine it runs on.
#pragma once

#include <webkit2/webkit2.h>

namespace tavrino {

// First thing in the program, before the toolkit starts threads, since it sets the environment
// the engine reads: where there is no GPU, the engine hands finished frames to the window in
// shared memory instead of starting a GL that runs on the CPU only to copy them.
void ChooseEngineRenderer();

// For a new view and its context, before the first load: software compositing where there is no
// GPU, and no caches, which a one-page player has no use for.
void ApplyEngineSettings(WebKitWebView* view);

}  // namespace tavrino
