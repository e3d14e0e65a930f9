#include "app/run_program.h"

#include <gdk/gdk.h>
#include <glibmm/main.h>
#include <gtkmm/main.h>
#include <gtkmm/messagedialog.h>

#include <cstdlib>

#include "app/load_window.h"
#include "app/window_template.h"
#include "playback/engine_settings.h"

namespace tavrino {

std::string FatalErrorText(std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n错误信息：";
  text += message;
  text += "\r\n";
  return text;
}

void ReportFatalError(EventGate& gate, std::string_view message) {
  gate.Raise();
  Gtk::MessageDialog box(FatalErrorText(message), false, Gtk::MESSAGE_ERROR, Gtk::BUTTONS_OK, true);
  box.set_title("错误");
  box.run();
  std::exit(-1);
}

int RunProgram(const PlayerViewMaker& make_player_view, const WindowObserver& observe_window) {
  ChooseEngineRenderer();
  // Prefer X11, where centring and keep-above work, also under XWayland.
  gdk_set_allowed_backends("x11,*");
  gtk_init(nullptr, nullptr);
  Gtk::Main::init_gtkmm_internals();
  EventGate gate;

  const BrowserEngine engine;
  const std::optional<WindowTemplate> window_template = ReadWindowTemplate();
  if (!window_template) ReportFatalError(gate, "载入窗口模板数据段出错!");

  const PlayerViewFactory make_view = [&] { return make_player_view(engine); };
  std::unique_ptr<MainWindow> window = LoadWindow(*window_template, make_view, gate);
  if (!window) ReportFatalError(gate, "载入启动窗口失败");
  if (observe_window) observe_window(*window);

  const auto loop = Glib::MainLoop::create();
  window->signal_hide().connect([&] { loop->quit(); });
  if (window->get_visible()) loop->run();

  gate.Raise();  // for good: no handler runs during the exit work
  window.reset();
  return 0;
}

}  // namespace tavrino
