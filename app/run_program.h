// The program's entry and exit.
#pragma once

#include <string_view>

#include "app/event_gate.h"
#include "playback/browser_view.h"

namespace tavrino {

// Makes the player view from the run's browser engine; tests pass one that fails.
using PlayerViewMaker = std::function<std::unique_ptr<BrowserView>(const BrowserEngine&)>;

class MainWindow;
// Sees the main window once it is shown; tests attach their probe here.
using WindowObserver = std::function<void(MainWindow&)>;

// Builds the main window, runs the event loop until it is closed and returns the exit code.
int RunProgram(const PlayerViewMaker& make_player_view = &BrowserView::Create,
               const WindowObserver& observe_window = {});

// Shows the fatal error box and ends the process with exit code -1.
[[noreturn]] void ReportFatalError(EventGate& gate, std::string_view message);

// The text of the fatal error box for a message.
std::string FatalErrorText(std::string_view message);

}  // namespace tavrino
