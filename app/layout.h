// The layout that fits the controls to the main window's outer size.
#pragma once

#include <array>

#include "app/geometry.h"
#include "app/window_template.h"

namespace tavrino {

struct GeometryWrite {
  ControlRole control;
  GeometryProperty property;
  long long value;  // unclamped: the write clamps
  friend bool operator==(const GeometryWrite&, const GeometryWrite&) = default;
};

// The seven writes of one layout run, in the order they are made, for a window whose outer
// size (frame and title bar included) is width by height.
std::array<GeometryWrite, 7> LayoutWrites(int width, int height);

}  // namespace tavrino
