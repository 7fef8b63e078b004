#pragma once

#include <string_view>

namespace n63k {

// Macros are filed in 21 game groups, the last for the user's own macros; a
// macro's group is the top byte of its identifier.
inline constexpr int kFirstGroup = 1;
inline constexpr int kLastGroup = 21;
// The group the macro page shows at start-up.
inline constexpr int kCustomGroup = 21;

// The three places a group's name is shown; a few names read differently in
// some of them.
enum class GroupTextPlace {
  kCaption,  // the macro page's group button
  kMenu,     // the macro page's group menu
  kChooser,  // the group list of the function chooser's macro page
};

// The group's name in the interface language; empty outside 1..21.
std::string_view GetGroupText(int group, GroupTextPlace place, bool chineseUi);

}  // namespace n63k
