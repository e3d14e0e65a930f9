#include "app/window_template.h"

#include <gtest/gtest.h>

namespace tavrino {
namespace {

TEST(WindowTemplate, CompiledTableIsUsable) {
  ASSERT_TRUE(ReadWindowTemplate().has_value());
  const WindowTemplate& window = MainWindowTemplate();
  EXPECT_TRUE(window.caption.starts_with("Tavrino"));
  EXPECT_EQ(window.controls[0].name, "选择框1");
  EXPECT_EQ(window.controls[3].name, "超文本浏览框1");
}

TEST(WindowTemplate, RejectsBindingsToUnknownObjectsAndClashingControls) {
  WindowTemplate unknown_object = MainWindowTemplate();
  unknown_object.bindings[3].object = "编辑框2";
  EXPECT_FALSE(IsUsable(unknown_object));

  WindowTemplate same_name = MainWindowTemplate();
  same_name.controls[1].name = same_name.controls[2].name;
  EXPECT_FALSE(IsUsable(same_name));
}

TEST(WindowTemplate, CentresOnTheScreenTruncatingTowardZero) {
  struct Case {
    int screen_width, screen_height;
    Point expected;
  };
  for (const Case& c :
       {Case{1920, 1080, {555, 193}}, Case{1024, 768, {107, 37}}, Case{811, 695, {0, 0}},
        Case{640, 480, {-85, -107}}, Case{809, 693, {0, 0}}, Case{806, 690, {-2, -2}}}) {
    EXPECT_EQ(CentredPosition(c.screen_width, c.screen_height, 810, 694), c.expected)
        << c.screen_width << "x" << c.screen_height;
  }
}

}  // namespace
}  // namespace tavrino
