#include "app/layout.h"

#include <gtest/gtest.h>

#include <map>

#include "app/window_template.h"

namespace tavrino {
namespace {

using Layout = std::map<ControlRole, Geometry>;

Layout TemplateGeometry() {
  Layout layout;
  for (const ControlTemplate& control : MainWindowTemplate().controls) {
    layout[control.role] = control.geometry;
  }
  return layout;
}

Layout Arrange(Layout layout, int width, int height) {
  for (const GeometryWrite& write : LayoutWrites(width, height)) {
    layout[write.control] = WithProperty(layout[write.control], write.property, write.value);
  }
  return layout;
}

struct LayoutCase {
  const char* name;
  int width;
  int height;
  Geometry address_box;
  Geometry player_view;
  Geometry pin_box;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class LayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTable, FitsControlsToOuterSize) {
  const LayoutCase& c = GetParam();
  const Layout layout = Arrange(TemplateGeometry(), c.width, c.height);
  EXPECT_EQ(layout.at(ControlRole::kAddressBox), c.address_box);
  EXPECT_EQ(layout.at(ControlRole::kPlayerView), c.player_view);
  EXPECT_EQ(layout.at(ControlRole::kPinBox), c.pin_box);
  EXPECT_EQ(layout.at(ControlRole::kAddressLabel), (Geometry{16, 8, 72, 32}));
}

INSTANTIATE_TEST_SUITE_P(
    OuterSizes, LayoutTable,
    testing::Values(
        LayoutCase{"Template", 810, 694, {100, 12, 610, 32}, {0, 50, 815, 620}, {730, 16, 56, 24}},
        LayoutCase{"ExactlyTwoHundredWide",
                   200,
                   300,
                   {100, 12, 0, 32},
                   {0, 50, 205, 226},
                   {120, 16, 56, 24}},
        LayoutCase{"NarrowerThanTwoHundred",
                   150,
                   300,
                   {100, 12, 0, 32},
                   {0, 50, 155, 226},
                   {70, 16, 56, 24}},
        LayoutCase{
            "ExactlyEightyWide", 80, 300, {100, 12, 0, 32}, {0, 50, 85, 226}, {0, 16, 56, 24}},
        LayoutCase{"Tiny", 10, 20, {100, 12, 0, 32}, {0, 50, 15, 0}, {-70, 16, 56, 24}},
        LayoutCase{"ExactlySeventyFourHigh",
                   400,
                   74,
                   {100, 12, 200, 32},
                   {0, 50, 405, 0},
                   {320, 16, 56, 24}},
        LayoutCase{"BeyondTheClamp",
                   40000,
                   40000,
                   {100, 12, 32627, 32},
                   {0, 50, 32627, 32627},
                   {32627, 16, 56, 24}},
        LayoutCase{"AtTheClamp",
                   32622,
                   32701,
                   {100, 12, 32422, 32},
                   {0, 50, 32627, 32627},
                   {32542, 16, 56, 24}}),
    [](const testing::TestParamInfo<LayoutCase>& param) { return param.param.name; });

TEST(Layout, SecondRunWithoutResizeChangesNothing) {
  const Layout once = Arrange(TemplateGeometry(), 1024, 768);
  EXPECT_EQ(Arrange(once, 1024, 768), once);
}

TEST(Layout, WritesInOrderAndLeavesTheRestToTheTemplate) {
  using enum ControlRole;
  using enum GeometryProperty;
  const auto writes = LayoutWrites(810, 694);
  const std::array<GeometryWrite, 7> expected{{{kAddressBox, kWidth, 610},
                                               {kAddressBox, kLeft, 100},
                                               {kPlayerView, kLeft, 0},
                                               {kPlayerView, kTop, 50},
                                               {kPlayerView, kWidth, 815},
                                               {kPlayerView, kHeight, 620},
                                               {kPinBox, kLeft, 730}}};
  EXPECT_EQ(writes, expected);
}

TEST(GeometryWrite, ClampsEachPropertyToItsRange) {
  using enum GeometryProperty;
  const Geometry g{1, 2, 3, 4};
  EXPECT_EQ(WithProperty(g, kLeft, -40000), (Geometry{-32627, 2, 3, 4}));
  EXPECT_EQ(WithProperty(g, kTop, 40000), (Geometry{1, 32627, 3, 4}));
  EXPECT_EQ(WithProperty(g, kWidth, -5), (Geometry{1, 2, 0, 4}));
  EXPECT_EQ(WithProperty(g, kHeight, 1LL << 40), (Geometry{1, 2, 3, 32627}));
  EXPECT_EQ(WithProperty(g, kLeft, -32627), (Geometry{-32627, 2, 3, 4}));
}

}  // namespace
}  // namespace tavrino
