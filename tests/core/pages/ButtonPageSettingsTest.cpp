#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/pages/ButtonPageSettings.h"

namespace n63k {
namespace {

std::vector<std::int32_t> Stages(const ProfileRecord& record) {
  return {std::begin(record.dpiLevels), std::end(record.dpiLevels)};
}

TEST(ButtonPageSettings, DpiBoxesGiveAscendingStagesOrChangeNothing) {
  struct Case {
    std::vector<std::int32_t> checked;
    DpiChoiceProblem problem;
    std::vector<std::int32_t> stages;  // then zeros; empty: unchanged
  };
  const std::vector<Case> cases = {
      {{7000, 500, 3250}, DpiChoiceProblem::kNone, {500, 3250, 7000}},
      {{500}, DpiChoiceProblem::kNone, {500}},
      {{1250, 1500, 2000, 2500, 3500, 4000, 7000},
       DpiChoiceProblem::kNone,
       {1250, 1500, 2000, 2500, 3500, 4000, 7000}},
      {{}, DpiChoiceProblem::kNoValue, {}},
      {{500, 750, 1000, 1250, 1500, 2000, 2500, 3000}, DpiChoiceProblem::kTooMany, {}},
      {{500, 800}, DpiChoiceProblem::kNotOffered, {}},
      {{750, 750}, DpiChoiceProblem::kRepeated, {}},
  };
  for (const Case& c : cases) {
    ProfileRecord record{};
    BuildDefaultProfile(record, false);
    const std::vector<std::int32_t> before = Stages(record);
    const DpiChoice choice = ButtonPageSettings(record).CheckDpiBoxes(c.checked);
    EXPECT_EQ(choice.problem, c.problem) << ::testing::PrintToString(c.checked);
    std::vector<std::int32_t> expected = c.stages.empty() ? before : c.stages;
    expected.resize(14, 0);
    EXPECT_EQ(Stages(record), expected) << ::testing::PrintToString(c.checked);
  }
}

TEST(ButtonPageSettings, ControlsTakeOnlyTheirRange) {
  ProfileRecord record{};
  BuildDefaultProfile(record, false);
  ButtonPageSettings page(record);
  const ProfileRecord before = record;
  EXPECT_FALSE(page.MovePointerSpeedSlider(0));
  EXPECT_FALSE(page.MovePointerSpeedSlider(21));
  EXPECT_FALSE(page.MoveSensorHeightSlider(31));
  EXPECT_FALSE(page.SelectReportRate(300));
  EXPECT_FALSE(page.SetScrollLines(0));
  EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);

  EXPECT_TRUE(page.MovePointerSpeedSlider(20));
  EXPECT_TRUE(page.MoveSensorHeightSlider(1));
  EXPECT_TRUE(page.SetScrollLines(30));
  EXPECT_EQ(record.pointerSpeed, 20);
  EXPECT_EQ(record.sensorHeight, 1);
  EXPECT_EQ(record.wheelScrollLines, 30);
  page.SelectScrollScreen();
  EXPECT_EQ(record.wheelScrollLines, kScrollScreen);
  for (const auto& [rate, interval] :
       std::vector<std::pair<int, std::int32_t>>{{125, 8}, {250, 4}, {500, 2}, {1000, 1}}) {
    EXPECT_TRUE(page.SelectReportRate(rate));
    EXPECT_EQ(record.pollingRate, interval);
    EXPECT_EQ(ReportRateOf(interval), rate);
  }
  EXPECT_EQ(ReportRateOf(3), 0);
}

}  // namespace
}  // namespace n63k
