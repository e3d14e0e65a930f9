// Builds a window from its template and shows it.
#pragma once

#include <memory>

#include "app/event_gate.h"
#include "app/main_window.h"
#include "app/window_template.h"
#include "playback/browser_view.h"

namespace tavrino {

// Empty when the window or one of its controls cannot be created; the window is then never
// shown.
std::unique_ptr<MainWindow> LoadWindow(const WindowTemplate& window,
                                       const PlayerViewFactory& make_player_view, EventGate& gate);

}  // namespace tavrino
