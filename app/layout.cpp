#include "app/layout.h"

namespace tavrino {

namespace {

constexpr int kAddressBoxWidthMargin = 200;
constexpr int kAddressBoxLeft = 100;
constexpr int kPlayerViewLeft = 0;
constexpr int kPlayerViewTop = 50;
constexpr int kPlayerViewWidthOverhang = 5;
constexpr int kPlayerViewHeightMargin = 74;
constexpr int kPinBoxRightOffset = 80;

}  // namespace

std::array<GeometryWrite, 7> LayoutWrites(int width, int height) {
  const long long w = width;
  const long long h = height;
  using enum ControlRole;
  using enum GeometryProperty;
  return {{
      {kAddressBox, kWidth, w - kAddressBoxWidthMargin},
      {kAddressBox, kLeft, kAddressBoxLeft},
      {kPlayerView, kLeft, kPlayerViewLeft},
      {kPlayerView, kTop, kPlayerViewTop},
      {kPlayerView, kWidth, w + kPlayerViewWidthOverhang},
      {kPlayerView, kHeight, h - kPlayerViewHeightMargin},
      {kPinBox, kLeft, w - kPinBoxRightOffset},
  }};
}

}  // namespace tavrino
