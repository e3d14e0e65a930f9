#include "app/focus_rules.h"

#include <algorithm>

namespace tavrino {

namespace {

bool IsFocusable(const ControlTemplate& control) {
  return control.visible && control.enabled && control.tab_stop &&
         control.kind != ControlKind::kTransLabel;
}

}  // namespace

std::optional<std::size_t> InitialFocus(const WindowTemplate& window) {
  std::optional<std::size_t> candidate;
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    const ControlTemplate& control = window.controls[i];
    if (!IsFocusable(control)) continue;
    if (!candidate || control.tab_order < window.controls[*candidate].tab_order) candidate = i;
  }
  return candidate;
}

std::vector<std::size_t> TabSequence(const WindowTemplate& window) {
  std::vector<std::size_t> sequence;
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (IsFocusable(window.controls[i])) sequence.push_back(i);
  }
  std::ranges::stable_sort(sequence, {},
                           [&](std::size_t i) { return window.controls[i].tab_order; });
  return sequence;
}

std::optional<std::size_t> NextInTabSequence(const std::vector<std::size_t>& sequence,
                                             std::optional<std::size_t> current,
                                             FocusDirection direction) {
  if (sequence.empty()) return std::nullopt;
  const bool forward = direction == FocusDirection::kForward;
  const auto at = current ? std::ranges::find(sequence, *current) : sequence.end();
  if (at == sequence.end()) return forward ? sequence.front() : sequence.back();
  const auto index = static_cast<std::size_t>(at - sequence.begin());
  const std::size_t count = sequence.size();
  return sequence[forward ? (index + 1) % count : (index + count - 1) % count];
}

}  // namespace tavrino
