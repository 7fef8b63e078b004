#include "core/macro/GameGroups.h"

#include <array>

namespace n63k {
namespace {

struct GroupName {
  std::string_view chinese;
  std::string_view english;
};

// By group number, from 1; trailing spaces belong to the names.
constexpr std::array<GroupName, kLastGroup> kGroupNames = {{
    {"战地 3", "Battlefield 3"},
    {"星球大战:旧共和国", "Star Wars: The Old Republic"},
    {"反恐精英:全球攻势", "Counter-Strike: Global Offensive"},
    {"上古卷轴5：天际", "Elder Scrolls V: Skyrim"},
    {"军团要塞 2", "Team Fortress 2"},
    {"蝙蝠侠：阿甘之城", "Batman Arkham City"},
    {"文明 5 ", "Civilization 5 "},
    {"坦克世界", "World of Tanks"},
    {"无主之地 2", "Borderlands 2"},
    {"纪元 2070：雷诺起源", "Anno 2070"},
    {"英雄联盟(LOL)", "League of Legends"},
    {"足球经理 2013 (EA)", "Football Manager 2013 (EA)"},
    {"远古遗迹守卫2（Dota 2）", "Dota 2 "},
    {"战地 4", "Battlefield 4"},
    {"战机世界", "World of Warplanes"},
    {"足球经理 2013 (SEGA)", "Football Manager 2013 (SEGA)"},
    {"我的世界", "Minecraft"},
    {"无冬之夜", "Neverwinter"},
    {"流亡黯道", "Path of Exile"},
    {"战争雷霆", "War Thunder"},
    {"玩家自定义", "Customisze"},
}};

struct GroupVariant {
  int group;
  GroupTextPlace place;
  bool chinese;
  std::string_view text;
};

constexpr GroupVariant kVariants[] = {
    {1, GroupTextPlace::kMenu, true, "战地 3 "},
    {1, GroupTextPlace::kMenu, false, "Battlefield 3 "},
    {5, GroupTextPlace::kMenu, true, "军团要塞2"},
    {13, GroupTextPlace::kMenu, true, "远古遗迹守卫2（Dota 2） "},
    {21, GroupTextPlace::kMenu, false, "Customize"},
    {13, GroupTextPlace::kChooser, true, "远古遗迹守卫2（Dota 2） "},
};

}  // namespace

std::string_view GetGroupText(int group, GroupTextPlace place, bool chineseUi) {
  if (group < kFirstGroup || group > kLastGroup) {
    return {};
  }
  for (const GroupVariant& variant : kVariants) {
    if (variant.group == group && variant.place == place && variant.chinese == chineseUi) {
      return variant.text;
    }
  }
  const GroupName& name = kGroupNames[static_cast<std::size_t>(group - kFirstGroup)];
  return chineseUi ? name.chinese : name.english;
}

}  // namespace n63k
