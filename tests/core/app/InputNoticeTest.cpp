#include <gtest/gtest.h>

#include "core/app/InputNotice.h"
#include "core/buttons/MouseInput.h"

namespace n63k {
namespace {

TEST(InputNoticeTest, SaysOnceWhyAPcActionCannotWorkFully) {
  const struct {
    InputReach reach;
    bool told;
  } cases[] = {
      {InputReach::kSwallows, false},
      {InputReach::kObservesOnly, true},
      {InputReach::kNone, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.reach));
    MouseWatchList watchList;
    InputNotice notice(c.reach);
    EXPECT_EQ(notice.Check(watchList, false), "");
    watchList.Watch(mouse_identity::kBack);
    EXPECT_EQ(notice.Check(watchList, false).empty(), !c.told);
    EXPECT_EQ(notice.Check(watchList, true), "");
  }
}

TEST(InputNoticeTest, SpeaksTheInterfaceLanguage) {
  MouseWatchList watchList;
  watchList.Watch(mouse_identity::kRight);
  InputNotice english(InputReach::kObservesOnly);
  InputNotice chinese(InputReach::kObservesOnly);
  EXPECT_NE(english.Check(watchList, false).find("udev"), std::string::npos);
  EXPECT_NE(chinese.Check(watchList, true).find("udev规则"), std::string::npos);
}

}  // namespace
}  // namespace n63k
