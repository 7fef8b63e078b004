#include <gtest/gtest.h>

#include "core/pages/ButtonLooks.h"

namespace n63k {
namespace {

TEST(ButtonLooks, PictureButtonLooks) {
  struct Case {
    BitmapButtonStatus status;
    ButtonLook look;
  };
  const Case cases[] = {
      {{}, ButtonLook::kNormal},
      {{.hovering = true}, ButtonLook::kHover},
      {{.hovering = true, .hoverLook = false}, ButtonLook::kNormal},
      {{.hovering = true, .held = true}, ButtonLook::kPressed},
      // A check box follows its state whatever the pointer does.
      {{.hovering = true, .held = true, .stateLook = true}, ButtonLook::kHover},
      {{.stateLook = true, .state = 1}, ButtonLook::kPressed},
      {{.enabled = false, .stateLook = true, .state = 1}, ButtonLook::kPressed},
      {{.enabled = false}, ButtonLook::kDisabled},
      {{.enabled = false, .hovering = true}, ButtonLook::kDisabled},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ChooseBitmapButtonLook(cases[i].status), cases[i].look) << "case " << i;
  }
}

TEST(ButtonLooks, ShapedButtonLooks) {
  struct Case {
    RegionButtonStatus status;
    ButtonLook look;
  };
  const Case cases[] = {
      {{}, ButtonLook::kNormal},
      {{.hovering = true}, ButtonLook::kHover},
      {{.hovering = true, .held = true}, ButtonLook::kPressed},
      {{.enabled = false, .held = true}, ButtonLook::kDisabled},
      // Tabs and profile buttons: selection sticks; being held shows nothing.
      {{.hovering = true, .stickyLook = true, .selected = true}, ButtonLook::kPressed},
      {{.held = true, .stickyLook = true}, ButtonLook::kNormal},
      {{.hovering = true, .stickyLook = true}, ButtonLook::kHover},
      {{.enabled = false, .stickyLook = true}, ButtonLook::kNormal},
      {{.enabled = false, .stickyLook = true, .selected = true}, ButtonLook::kPressed},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ChooseRegionButtonLook(cases[i].status), cases[i].look) << "case " << i;
  }
}

TEST(ButtonLooks, SwatchFrameStrongestReasonWins) {
  EXPECT_EQ(ChooseSwatchFrame({}), SwatchFrame::kNone);
  EXPECT_EQ(ChooseSwatchFrame({.frame = true}), SwatchFrame::kPlain);
  EXPECT_EQ(ChooseSwatchFrame({.hovering = true, .frame = true}), SwatchFrame::kHover);
  EXPECT_EQ(ChooseSwatchFrame({.held = true, .hovering = true}), SwatchFrame::kPressed);
  EXPECT_EQ(ChooseSwatchFrame({.selected = true, .held = true, .hovering = true}),
            SwatchFrame::kSelected);
}

}  // namespace
}  // namespace n63k
