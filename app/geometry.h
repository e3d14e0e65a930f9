// Control geometry in whole pixels of the window system, and the clamp that every write applies.
#pragma once

namespace tavrino {

// Bound of every geometry property: left and top in -kGeometryLimit..kGeometryLimit,
// width and height in 0..kGeometryLimit.
inline constexpr int kGeometryLimit = 32627;

struct Point {
  int x;
  int y;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width;
  int height;
  friend bool operator==(const Size&, const Size&) = default;
};

// Outer rectangle of a control, relative to the top-left corner of the main window's client area.
struct Geometry {
  int left;
  int top;
  int width;
  int height;
  friend bool operator==(const Geometry&, const Geometry&) = default;
};

enum class GeometryProperty { kLeft, kTop, kWidth, kHeight };

int ClampGeometryValue(GeometryProperty property, long long value);

// The geometry after writing one property: the value clamped, the other three kept.
Geometry WithProperty(Geometry geometry, GeometryProperty property, long long value);

}  // namespace tavrino
