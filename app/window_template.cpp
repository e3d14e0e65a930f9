#include "app/window_template.h"

#include <algorithm>

namespace tavrino {

namespace {

constexpr WindowTemplate kMainWindow{
    .kind_name = "window",
    .caption = "Tavrino — 无广告看视频（播放由视频解析服务提供，作者：Tavrino 开发组）",
    .width = 810,
    .height = 694,
    .stored_left = 50,
    .stored_top = 50,
    .centred = true,
    .sizing_frame = true,
    .minimise_button = true,
    .maximise_button = false,
    .movable = true,
    .taskbar_button = true,
    .always_on_top = false,
    .background_rgb = 0xFFFFFF,
    .esc_closes = true,
    .enter_moves_focus = false,
    .f1_opens_help = false,
    .drag_anywhere_moves = false,
    .controls = {{
        {ControlKind::kCheckBox,
         "CheckBox",
         "选择框1",
         ControlRole::kPinBox,
         {730, 16, 56, 24},
         true,
         true,
         true,
         0,
         "置顶"},
        {ControlKind::kTransLabel,
         "TransLabel",
         "透明标签1",
         ControlRole::kAddressLabel,
         {16, 8, 72, 32},
         true,
         true,
         false,
         0,
         "视频地址"},
        {ControlKind::kEditBox,
         "EditBox",
         "编辑框1",
         ControlRole::kAddressBox,
         {100, 12, 610, 32},
         true,
         true,
         true,
         0,
         ""},
        {ControlKind::kHtmlViewer,
         "HtmlViewer",
         "超文本浏览框1",
         ControlRole::kPlayerView,
         {-1, 50, 800, 600},
         true,
         true,
         true,
         0,
         ""},
    }},
    .bindings = {{
        {"window", Event::kCreated, Handler::kArrangeControls},
        {"window", Event::kSizeChanged, Handler::kArrangeControls},
        {"选择框1", Event::kClicked, Handler::kUpdatePin},
        {"编辑框1", Event::kTextChanged, Handler::kNavigatePlayer},
        {"编辑框1", Event::kGotFocus, Handler::kPickUpClipboard},
    }},
};

}  // namespace

const WindowTemplate& MainWindowTemplate() { return kMainWindow; }

bool IsUsable(const WindowTemplate& window) {
  const auto& controls = window.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[i].name == controls[j].name || controls[i].role == controls[j].role) {
        return false;
      }
    }
  }
  return std::ranges::all_of(window.bindings, [&](const EventBinding& binding) {
    return binding.object == window.kind_name ||
           std::ranges::any_of(controls, [&](const ControlTemplate& control) {
             return control.name == binding.object;
           });
  });
}

std::optional<WindowTemplate> ReadWindowTemplate() {
  if (!IsUsable(kMainWindow)) return std::nullopt;
  return kMainWindow;
}

std::optional<std::size_t> FindControl(const WindowTemplate& window, ControlRole role) {
  const auto& controls = window.controls;
  const auto found = std::ranges::find(controls, role, &ControlTemplate::role);
  if (found == controls.end()) return std::nullopt;
  return static_cast<std::size_t>(found - controls.begin());
}

Point CentredPosition(int screen_width, int screen_height, int width, int height) {
  return {(screen_width - width) / 2, (screen_height - height) / 2};
}

}  // namespace tavrino
