#include "app/load_window.h"

namespace tavrino {

std::unique_ptr<MainWindow> LoadWindow(const WindowTemplate& window,
                                       const PlayerViewFactory& make_player_view, EventGate& gate) {
  std::unique_ptr<MainWindow> main_window;
  {
    // Whatever building the window and filling its controls causes reaches no handler.
    const EventGate::Raised building(gate);
    main_window = std::make_unique<MainWindow>(window, gate);
    for (std::size_t i = window.controls.size(); i-- > 0;) {
      if (!main_window->CreateControl(i, make_player_view)) return nullptr;
    }
    main_window->ShowControls();
  }
  main_window->Raise(window.kind_name, Event::kCreated);
  main_window->Raise(window.kind_name, Event::kSizeChanged);
  main_window->present();
  return main_window;
}

}  // namespace tavrino
