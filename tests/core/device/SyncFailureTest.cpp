#include <gtest/gtest.h>

#include <string>

#include "core/device/SyncFailure.h"

namespace n63k {
namespace {

TEST(SyncFailureText, EveryFailureHasItsTextInBothWordings) {
  struct Case {
    SyncFailure failure;
    std::string english;
    std::string chinese;
  };
  const Case cases[] = {
      {SyncFailure::kKeyMatrix, "write mousekey metix fail.\n", "write mousekey metix fail.\n"},
      {SyncFailure::kLedColour, "Write mouse LED color failed.\n",
       "Write mouse LED color failed.\n"},
      {SyncFailure::kLedEffect, "Write mouse effect failed.\n", "Write mouse effect failed.\n"},
      {SyncFailure::kLedColours, "Write LED color123 failed.\n", "Write LED color123 failed.\n"},
      {SyncFailure::kProximity, "Write mouse touch failed.\n", "Write mouse touch failed.\n"},
      {SyncFailure::kDpi, "Write mouse DPI failed.\n", "Write mouse DPI failed.\n"},
      {SyncFailure::kStopped, "Writing the mouse was stopped before it finished.\n",
       "写入鼠标未完成即被停止。\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SyncFailureText(c.failure, false), c.english) << static_cast<int>(c.failure);
    EXPECT_EQ(SyncFailureText(c.failure, true), c.chinese) << static_cast<int>(c.failure);
  }
}

}  // namespace
}  // namespace n63k
