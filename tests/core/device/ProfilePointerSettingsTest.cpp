#include <gtest/gtest.h>

#include <vector>

#include "core/device/ProfilePointerSettings.h"

namespace n63k {
namespace {

class RecordingPointerSettings final : public PointerSettings {
 public:
  void Apply(const PointerValues& values) override { applied.push_back(values); }
  std::vector<PointerValues> applied;
};

TEST(ProfilePointerSettings, StartUpAppliesTheCurrentProfileOnce) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  record.pointerPrecision = 1;
  record.pointerSpeed = 17;
  record.wheelScrollLines = -1;
  RecordingPointerSettings pointer;
  ApplyStartupPointerSettings(record, pointer);
  ASSERT_EQ(pointer.applied.size(), 1u);
  EXPECT_EQ(pointer.applied[0].precision, 1);
  EXPECT_EQ(pointer.applied[0].speed, 17);
  EXPECT_EQ(pointer.applied[0].scrollLines, -1);
}

}  // namespace
}  // namespace n63k
