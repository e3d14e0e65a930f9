#include "app/focus_rules.h"

#include <gtest/gtest.h>

namespace tavrino {
namespace {

std::size_t Index(ControlRole role) { return *FindControl(MainWindowTemplate(), role); }

TEST(FocusRules, PlayerViewGetsTheFocusWhenNoControlIsRemembered) {
  EXPECT_EQ(InitialFocus(MainWindowTemplate()), Index(ControlRole::kPlayerView));
}

TEST(FocusRules, LowerTabOrderNumberWinsOverTemplatePosition) {
  WindowTemplate window = MainWindowTemplate();
  window.controls[Index(ControlRole::kPinBox)].tab_order = -1;
  EXPECT_EQ(InitialFocus(window), Index(ControlRole::kPinBox));
}

TEST(FocusRules, TabSequenceSkipsTheLabelAndWrapsBothWays) {
  const auto sequence = TabSequence(MainWindowTemplate());
  const std::size_t player = Index(ControlRole::kPlayerView);
  const std::size_t box = Index(ControlRole::kAddressBox);
  const std::size_t pin = Index(ControlRole::kPinBox);
  ASSERT_EQ(sequence, (std::vector<std::size_t>{player, box, pin}));

  using enum FocusDirection;
  struct Step {
    std::optional<std::size_t> from;
    FocusDirection direction;
    std::size_t to;
  };
  for (const Step& step :
       {Step{player, kForward, box}, Step{box, kForward, pin}, Step{pin, kForward, player},
        Step{player, kBackward, pin}, Step{pin, kBackward, box}, Step{box, kBackward, player},
        Step{std::nullopt, kForward, player}, Step{std::nullopt, kBackward, pin}}) {
    EXPECT_EQ(NextInTabSequence(sequence, step.from, step.direction), step.to);
  }
}

TEST(FocusRules, HiddenOrDisabledControlsAreLeftOut) {
  WindowTemplate window = MainWindowTemplate();
  window.controls[Index(ControlRole::kPlayerView)].visible = false;
  window.controls[Index(ControlRole::kPinBox)].enabled = false;
  EXPECT_EQ(InitialFocus(window), Index(ControlRole::kAddressBox));
  EXPECT_EQ(TabSequence(window), (std::vector<std::size_t>{Index(ControlRole::kAddressBox)}));
}

}  // namespace
}  // namespace tavrino
