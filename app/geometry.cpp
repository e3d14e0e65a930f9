#include "app/geometry.h"

#include <algorithm>

namespace tavrino {

int ClampGeometryValue(GeometryProperty property, long long value) {
  const bool is_extent =
      property == GeometryProperty::kWidth || property == GeometryProperty::kHeight;
  const long long low = is_extent ? 0 : -kGeometryLimit;
  return static_cast<int>(std::clamp<long long>(value, low, kGeometryLimit));
}

Geometry WithProperty(Geometry geometry, GeometryProperty property, long long value) {
  const int clamped = ClampGeometryValue(property, value);
  switch (property) {
    case GeometryProperty::kLeft:
      geometry.left = clamped;
      break;
    case GeometryProperty::kTop:
      geometry.top = clamped;
      break;
    case GeometryProperty::kWidth:
      geometry.width = clamped;
      break;
    case GeometryProperty::kHeight:
      geometry.height = clamped;
      break;
  }
  return geometry;
}

}  // namespace tavrino
