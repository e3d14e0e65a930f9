#include "app/main_window.h"

#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

#include <cstdio>

#include "app/arrange_controls.h"
#include "app/pin.h"
#include "playback/navigate_player.h"
#include "playback/pick_up_clipboard.h"
#include "resources/window_icons.h"

namespace tavrino {

namespace {

std::string StyleSheet(const WindowTemplate& window) {
  char background[8];
  std::snprintf(background, sizeof background, "#%06x", window.background_rgb & 0xFFFFFFu);
  return std::string(".tavrino-window { background-color: ") + background + R"(; }
.tavrino-window .tavrino-check-box, .tavrino-window .tavrino-check-box label,
.tavrino-window .tavrino-trans-label { color: #000000; background: none; }
.tavrino-window .tavrino-check-box { padding: 0; margin: 0; min-height: 0; }
.tavrino-window .tavrino-edit-box {
  color: #000000; background: #ffffff; border: 1px solid #7a7a7a; border-radius: 0;
  box-shadow: none; min-height: 0; min-width: 0; padding: 0 4px; margin: 0;
}
.tavrino-window .tavrino-edit-box:not(:focus) selection {
  background-color: transparent; color: #000000;
}
)";
}

std::string_view StyleClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::kCheckBox:
      return "tavrino-check-box";
    case ControlKind::kTransLabel:
      return "tavrino-trans-label";
    case ControlKind::kEditBox:
      return "tavrino-edit-box";
    case ControlKind::kHtmlViewer:
      return "tavrino-html-viewer";
  }
  return {};
}

void NameForAccessibility(Gtk::Widget& widget, std::string_view name) {
  AtkObject* accessible = gtk_widget_get_accessible(widget.gobj());
  if (accessible) atk_object_set_accessible_id(accessible, std::string(name).c_str());
}

}  // namespace

MainWindow::MainWindow(const WindowTemplate& window, EventGate& gate)
    : Glib::ObjectBase("TavrinoMainWindow"),
      template_(window),
      gate_(gate),
      area_(window),
      clipboard_(Gdk::Display::get_default()->gobj()) {
  set_name(std::string(window.kind_name));
  set_title(std::string(window.caption));
  set_resizable(window.sizing_frame);
  set_skip_taskbar_hint(!window.taskbar_button);
  set_keep_above(window.always_on_top);
  set_icon_list(WindowIcons());
  get_style_context()->add_class("tavrino-window");
  ApplyStyle();
  add(area_);
  area_.show();

  add_events(Gdk::PROPERTY_CHANGE_MASK);
  realize();
  GdkWindow* gdk_window = get_window()->gobj();
  // Listed one by one: window managers differ on the "all but" form.
  int functions = GDK_FUNC_CLOSE;
  int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU;
  if (window.sizing_frame) {
    functions |= GDK_FUNC_RESIZE;
    decorations |= GDK_DECOR_RESIZEH;
  }
  if (window.movable) functions |= GDK_FUNC_MOVE;
  if (window.minimise_button) {
    functions |= GDK_FUNC_MINIMIZE;
    decorations |= GDK_DECOR_MINIMIZE;
  }
  if (window.maximise_button) {
    functions |= GDK_FUNC_MAXIMIZE;
    decorations |= GDK_DECOR_MAXIMIZE;
  }
  gdk_window_set_functions(gdk_window, static_cast<GdkWMFunction>(functions));
  gdk_window_set_decorations(gdk_window, static_cast<GdkWMDecoration>(decorations));

  estimated_extents_ = EstimateFrameExtents(gdk_window);
  reported_extents_ = estimated_extents_;
  const FrameExtents& e = estimated_extents_;
  client_size_ = {std::max(1, window.width - e.left - e.right),
                  std::max(1, window.height - e.top - e.bottom)};
  set_default_size(client_size_.width, client_size_.height);
  resize(client_size_.width, client_size_.height);
  last_outer_size_ = OuterSize();

  Point position{window.stored_left, window.stored_top};
  if (window.centred) {
    GdkRectangle screen{};
    GdkMonitor* primary = gdk_display_get_primary_monitor(gdk_window_get_display(gdk_window));
    if (!primary) primary = gdk_display_get_monitor(gdk_window_get_display(gdk_window), 0);
    if (primary) gdk_monitor_get_geometry(primary, &screen);
    position = CentredPosition(screen.width, screen.height, window.width, window.height);
    position.x += screen.x;
    position.y += screen.y;
  }
  // With the default north-west gravity this places the frame's outer corner.
  move(position.x, position.y);
}

MainWindow::~MainWindow() = default;

void MainWindow::ApplyStyle() {
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(StyleSheet(template_));
  Gtk::StyleContext::add_provider_for_screen(get_screen(), provider,
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

bool MainWindow::CreateControl(std::size_t index, const PlayerViewFactory& make_player_view) {
  const ControlTemplate& control = template_.controls[index];
  Gtk::Widget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::kCheckBox: {
      pin_box_ = std::make_unique<Gtk::CheckButton>(std::string(control.text));
      if (auto* label = dynamic_cast<Gtk::Label*>(pin_box_->get_child())) {
        label->set_xalign(0.5f);
        label->set_yalign(0.5f);
        label->set_justify(Gtk::JUSTIFY_CENTER);
        label->set_line_wrap(true);
      }
      pin_box_->signal_clicked().connect(
          [this, name = control.name] { Raise(name, Event::kClicked); });
      widget = pin_box_.get();
      break;
    }
    case ControlKind::kTransLabel:
      address_label_ = std::make_unique<Gtk::Label>(std::string(control.text));
      address_label_->set_xalign(0.0f);
      address_label_->set_yalign(0.5f);
      address_label_->set_single_line_mode(true);
      widget = address_label_.get();
      break;
    case ControlKind::kEditBox:
      address_box_ = std::make_unique<AddressBox>();
      address_box_->set_text(std::string(control.text));
      address_box_->signal_text_changed().connect(
          [this, name = control.name] { Raise(name, Event::kTextChanged); });
      address_box_->signal_got_focus().connect(
          [this, name = control.name] { Raise(name, Event::kGotFocus); });
      widget = address_box_.get();
      break;
    case ControlKind::kHtmlViewer:
      player_view_ = make_player_view ? make_player_view() : nullptr;
      if (!player_view_) return false;
      widget = &player_view_->widget();
      break;
  }
  widget->set_name(std::string(control.name));
  widget->get_style_context()->add_class(std::string(StyleClass(control.kind)));
  widget->set_sensitive(control.enabled);
  widget->set_can_focus(control.tab_stop && control.kind != ControlKind::kTransLabel);
  NameForAccessibility(*widget, control.name);
  area_.Put(*widget, index, control.geometry);
  if (control.kind == ControlKind::kHtmlViewer) {
    fullscreen_ = std::make_unique<FullscreenPlayer>(*this, area_, index, player_view_->web_view());
  }
  if (address_label_ && address_box_) address_label_->set_mnemonic_widget(*address_box_);
  return true;
}

void MainWindow::ShowControls() {
  for (std::size_t i = 0; i < template_.controls.size(); ++i) {
    if (!template_.controls[i].visible) continue;
    if (Gtk::Widget* control = area_.Control(i)) control->show();
  }
}

void MainWindow::Raise(std::string_view object, Event event) {
  if (!gate_.IsOpen()) return;
  for (const EventBinding& binding : template_.bindings) {
    if (binding.object != object || binding.event != event) continue;
    switch (binding.handler) {
      case Handler::kArrangeControls:
        ArrangeControls(*this);
        break;
      case Handler::kUpdatePin:
        UpdatePin(*this);
        break;
      case Handler::kPickUpClipboard:
        PickUpClipboard(*address_box_, clipboard_);
        break;
      case Handler::kNavigatePlayer:
        NavigatePlayer(*address_box_, *player_view_);
        break;
    }
  }
}

Size MainWindow::OuterSize() const {
  GdkWindow* gdk_window = gtk_widget_get_window(const_cast<GtkWidget*>(GTK_WIDGET(gobj())));
  const bool mapped = gdk_window && gdk_window_is_visible(gdk_window);
  const FrameExtents e = mapped ? reported_extents_ : estimated_extents_;
  return {client_size_.width + e.left + e.right, client_size_.height + e.top + e.bottom};
}

std::size_t MainWindow::IndexOf(ControlRole role) const { return *FindControl(template_, role); }

void MainWindow::WriteGeometry(ControlRole control, GeometryProperty property, long long value) {
  const std::size_t index = IndexOf(control);
  area_.SetGeometry(index, WithProperty(area_.GetGeometry(index), property, value));
}

Geometry MainWindow::ControlGeometry(ControlRole control) const {
  return area_.GetGeometry(IndexOf(control));
}

int MainWindow::PinChecked() const { return pin_box_->get_active() ? 1 : 0; }

void MainWindow::WriteAlwaysOnTop(int value) { set_keep_above(value == 1); }

bool MainWindow::IsCopyOfKeyThePageUsed(const GdkEventKey& event, bool in_player) {
  // WebKit hands back as unused a Tab that has already moved the focus out of the page; the
  // copy must not move it once more.
  const bool copy = key_offered_to_player_ && !in_player &&
                    key_offered_to_player_->time == event.time &&
                    key_offered_to_player_->keyval == event.keyval;
  key_offered_to_player_.reset();
  if (in_player) key_offered_to_player_ = OfferedKey{event.time, event.keyval};
  return copy;
}

bool MainWindow::on_key_press_event(GdkEventKey* event) {
  const bool escape = event->keyval == GDK_KEY_Escape;
  if (escape && template_.esc_closes && fullscreen_ && fullscreen_->EngineTakesEscape() &&
      !fullscreen_->Active()) {
    close();
    return true;
  }
  const bool in_player = player_view_ && player_view_->widget().has_focus();
  if (IsCopyOfKeyThePageUsed(*event, in_player)) return true;
  if (in_player && !player_view_->HasPage()) {
    // A blank view has no page to hand keys back, so it would swallow them all.
    if (event->keyval == GDK_KEY_Tab || event->keyval == GDK_KEY_ISO_Left_Tab) {
      const bool backward =
          event->keyval == GDK_KEY_ISO_Left_Tab || (event->state & GDK_SHIFT_MASK);
      child_focus(backward ? Gtk::DIR_TAB_BACKWARD : Gtk::DIR_TAB_FORWARD);
      return true;
    }
  } else if (Gtk::Window::on_key_press_event(event)) {
    return true;
  }
  if (escape && fullscreen_ && fullscreen_->Active()) {
    fullscreen_->Leave();
    return true;
  }
  if (escape && template_.esc_closes) {
    close();
    return true;
  }
  return false;
}

void MainWindow::RaiseSizeChangedIfResized() {
  const Size outer = OuterSize();
  // A move alone is no size change.
  if (outer == last_outer_size_) return;
  last_outer_size_ = outer;
  Raise(template_.kind_name, Event::kSizeChanged);
}

bool MainWindow::on_configure_event(GdkEventConfigure* event) {
  const bool handled = Gtk::Window::on_configure_event(event);
  client_size_ = {event->width, event->height};
  RaiseSizeChangedIfResized();
  return handled;
}

bool MainWindow::on_property_notify_event(GdkEventProperty* event) {
  const bool handled = Gtk::Window::on_property_notify_event(event);
  // Read when the window manager announces them, not at every layout run: a read is a round
  // trip to the X server and an allocation.
  if (event->atom == gdk_atom_intern_static_string("_NET_FRAME_EXTENTS")) {
    reported_extents_ = CurrentFrameExtents(event->window);
    RaiseSizeChangedIfResized();
  }
  return handled;
}

bool MainWindow::on_window_state_event(GdkEventWindowState* event) {
  const bool handled = Gtk::Window::on_window_state_event(event);
  // Some window managers (openbox) keep a maximise button on every resizable window.
  if (!template_.maximise_button && (event->new_window_state & GDK_WINDOW_STATE_MAXIMIZED)) {
    unmaximize();
  }
  return handled;
}

}  // namespace tavrino
