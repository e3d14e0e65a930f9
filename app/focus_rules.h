// Which control receives the keyboard focus, and the Tab sequence, as the window template
// decides them.
#pragma once

#include <optional>
#include <vector>

#include "app/window_template.h"

namespace tavrino {

enum class FocusDirection { kForward, kBackward };

// The control that gets the focus when the window receives it and remembers none: among the
// focusable controls the lowest tab order number, the last in template order on a tie.
std::optional<std::size_t> InitialFocus(const WindowTemplate& window);

// Focusable controls by tab order number; on equal numbers in reverse template order.
std::vector<std::size_t> TabSequence(const WindowTemplate& window);

// The control after (or before) `current` in the sequence, wrapping at both ends; from no
// control (or one outside the sequence) the first (or last) one.
std::optional<std::size_t> NextInTabSequence(const std::vector<std::size_t>& sequence,
                                             std::optional<std::size_t> current,
                                             FocusDirection direction);

}  // namespace tavrino
