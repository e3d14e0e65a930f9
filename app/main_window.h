// The program's one window, built from its template: the shell that holds the controls, applies
// the handlers' reads and writes to them and raises the program's events through the gate.
#pragma once

#include <gtkmm/checkbutton.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <array>
#include <memory>

#include "app/control_area.h"
#include "app/event_gate.h"
#include "app/frame_extents.h"
#include "app/fullscreen.h"
#include "app/window_template.h"
#include "playback/address_box.h"
#include "playback/browser_view.h"
#include "playback/clipboard_reader.h"

namespace tavrino {

class MainWindow : public Gtk::Window {
 public:
  // Creates the window hidden, with the template's own settings, at its centred position.
  MainWindow(const WindowTemplate& window, EventGate& gate);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the template's control `index`, hidden, at its template geometry.
  bool CreateControl(std::size_t index, const PlayerViewFactory& make_player_view);
  // Shows every control that the template marks visible, activating nothing.
  void ShowControls();

  // Runs the handler that the template binds to the event of the object, unless the gate is
  // raised.
  void Raise(std::string_view object, Event event);

  // Outer size, frame and title bar included.
  Size OuterSize() const;
  void WriteGeometry(ControlRole control, GeometryProperty property, long long value);
  Geometry ControlGeometry(ControlRole control) const;
  int PinChecked() const;
  void WriteAlwaysOnTop(int value);

  AddressBox& address_box() const { return *address_box_; }
  BrowserView& player_view() const { return *player_view_; }

 protected:
  bool on_key_press_event(GdkEventKey* event) override;
  bool on_configure_event(GdkEventConfigure* event) override;
  bool on_window_state_event(GdkEventWindowState* event) override;
  bool on_property_notify_event(GdkEventProperty* event) override;

 private:
  std::size_t IndexOf(ControlRole role) const;
  bool IsCopyOfKeyThePageUsed(const GdkEventKey& event, bool in_player);
  void RaiseSizeChangedIfResized();
  void ApplyStyle();

  struct OfferedKey {
    guint32 time;
    guint keyval;
  };

  const WindowTemplate& template_;
  EventGate& gate_;
  FrameExtents estimated_extents_;
  FrameExtents reported_extents_;  // as the window manager last announced them
  Size client_size_{};
  Size last_outer_size_{};
  std::optional<OfferedKey> key_offered_to_player_;
  ControlArea area_;
  // Declared after the area: the controls leave it before it goes.
  std::unique_ptr<Gtk::CheckButton> pin_box_;
  std::unique_ptr<Gtk::Label> address_label_;
  std::unique_ptr<AddressBox> address_box_;
  std::unique_ptr<BrowserView> player_view_;
  std::unique_ptr<FullscreenPlayer> fullscreen_;
  ClipboardReader clipboard_;
};

}  // namespace tavrino
