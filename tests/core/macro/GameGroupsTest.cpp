#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "core/macro/GameGroups.h"

namespace n63k {
namespace {

struct Names {
  std::string chinese;
  std::string english;
};

// The group button's captions, by group from 1.
const std::array<Names, 21> kCaptions = {{
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

struct Variant {
  int group;
  GroupTextPlace place;
  bool chinese;
  std::string text;
};

const Variant kVariants[] = {
    {1, GroupTextPlace::kMenu, true, "战地 3 "},
    {1, GroupTextPlace::kMenu, false, "Battlefield 3 "},
    {5, GroupTextPlace::kMenu, true, "军团要塞2"},
    {13, GroupTextPlace::kMenu, true, "远古遗迹守卫2（Dota 2） "},
    {21, GroupTextPlace::kMenu, false, "Customize"},
    {13, GroupTextPlace::kChooser, true, "远古遗迹守卫2（Dota 2） "},
};

TEST(GameGroups, EveryPlaceAndLanguage) {
  for (int group = 1; group <= 21; ++group) {
    const Names& caption = kCaptions[static_cast<std::size_t>(group - 1)];
    for (const GroupTextPlace place :
         {GroupTextPlace::kCaption, GroupTextPlace::kMenu, GroupTextPlace::kChooser}) {
      for (const bool chinese : {true, false}) {
        std::string expected = chinese ? caption.chinese : caption.english;
        for (const Variant& variant : kVariants) {
          if (variant.group == group && variant.place == place && variant.chinese == chinese) {
            expected = variant.text;
          }
        }
        EXPECT_EQ(GetGroupText(group, place, chinese), expected)
            << "group " << group << " place " << static_cast<int>(place) << " chinese " << chinese;
      }
    }
  }
}

TEST(GameGroups, StartsWithTheUsersOwnGroup) {
  EXPECT_EQ(GetGroupText(kCustomGroup, GroupTextPlace::kCaption, false), "Customisze");
  EXPECT_EQ(GetGroupText(kCustomGroup, GroupTextPlace::kMenu, false), "Customize");
  EXPECT_EQ(GetGroupText(kCustomGroup, GroupTextPlace::kCaption, true), "玩家自定义");
}

TEST(GameGroups, NumbersOutsideTheCatalogueHaveNoName) {
  for (const int group : {0, 22, 255, -1}) {
    EXPECT_EQ(GetGroupText(group, GroupTextPlace::kCaption, true), "") << group;
    EXPECT_EQ(GetGroupText(group, GroupTextPlace::kMenu, false), "") << group;
  }
}

}  // namespace
}  // namespace n63k
