// The main window as data: its own settings, its four controls in template order, and the
// events that the program handles with the handler bound to each.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/geometry.h"

namespace tavrino {

enum class ControlKind { kCheckBox, kTransLabel, kEditBox, kHtmlViewer };

// What a control is for; handlers address controls by role, the template by name.
enum class ControlRole { kPinBox, kAddressLabel, kAddressBox, kPlayerView };

struct ControlTemplate {
  ControlKind kind;
  std::string_view kind_name;
  std::string_view name;
  ControlRole role;
  Geometry geometry;
  bool visible;
  bool enabled;
  bool tab_stop;
  int tab_order;
  std::string_view text;
};

enum class Event { kCreated, kSizeChanged, kClicked, kTextChanged, kGotFocus };
enum class Handler { kArrangeControls, kUpdatePin, kPickUpClipboard, kNavigatePlayer };

struct EventBinding {
  std::string_view object;  // "window" or a control's name
  Event event;
  Handler handler;
};

struct WindowTemplate {
  std::string_view kind_name;
  std::string_view caption;
  int width;  // outer size, frame and title bar included
  int height;
  int stored_left;  // unused while the start position is centred
  int stored_top;
  bool centred;
  bool sizing_frame;
  bool minimise_button;
  bool maximise_button;
  bool movable;
  bool taskbar_button;
  bool always_on_top;
  std::uint32_t background_rgb;
  bool esc_closes;
  bool enter_moves_focus;
  bool f1_opens_help;
  bool drag_anywhere_moves;
  std::array<ControlTemplate, 4> controls;
  std::array<EventBinding, 5> bindings;
};

// The main window's template, checked: every binding names the window or one of its controls,
// and no two controls share a name or a role. Empty when the compiled-in table is unusable.
std::optional<WindowTemplate> ReadWindowTemplate();

// The compiled-in table as it stands, unchecked.
const WindowTemplate& MainWindowTemplate();

bool IsUsable(const WindowTemplate& window);

std::optional<std::size_t> FindControl(const WindowTemplate& window, ControlRole role);

// Top-left corner of a window of the given outer size centred on a screen; the division
// truncates toward zero, so a screen smaller than the window gives a negative edge.
Point CentredPosition(int screen_width, int screen_height, int width, int height);

}  // namespace tavrino
