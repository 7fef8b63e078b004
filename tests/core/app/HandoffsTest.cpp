#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/Handoffs.h"
#include "core/app/UpdaterLaunch.h"
#include "core/base/ManualTimers.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

class RecordingStarter final : public ProgramStarter {
 public:
  struct Call {
    fs::path program;
    std::vector<std::string> arguments;
  };

  bool Start(const fs::path& program, const std::vector<std::string>& arguments) override {
    calls.push_back({program, arguments});
    return starts;
  }

  std::vector<Call> calls;
  bool starts = true;
};

// A program folder, with or without the two programs.
class ProgramFolder {
 public:
  void Install(const std::string& program) {
    fs::create_directories((dir_ / program).parent_path());
    test::WriteText(dir_ / program, "#!/bin/sh\n");
  }
  const fs::path& path() const { return dir_.path(); }

 private:
  test::TempDir dir_;
};

struct FlasherCase {
  std::string name;
  bool installed;
  bool starts;
  bool chineseUi;
  bool started;
  std::vector<std::string> arguments;  // empty: not asked to start
  std::string message;                 // empty: none
};

class Flasher : public ::testing::TestWithParam<FlasherCase> {};

TEST_P(Flasher, StartsWithTheLanguageOrSaysItIsNotInstalled) {
  const FlasherCase& c = GetParam();
  ProgramFolder folder;
  if (c.installed) {
    folder.Install(kFlasherProgram);
  }
  RecordingStarter starter;
  starter.starts = c.starts;
  test::RecordingMessages messages;

  EXPECT_EQ(StartFlasher(folder.path(), c.chineseUi, starter, messages), c.started);

  if (c.arguments.empty()) {
    EXPECT_TRUE(starter.calls.empty());
  } else {
    ASSERT_EQ(starter.calls.size(), 1u);
    EXPECT_EQ(starter.calls[0].program, folder.path() / "FWUpdate/BuringFW");
    EXPECT_EQ(starter.calls[0].arguments, c.arguments);
  }
  if (c.message.empty()) {
    EXPECT_TRUE(messages.shown.empty());
  } else {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, test::RecordingMessages::Shown::Kind::kInfoBox);
    EXPECT_FALSE(messages.shown[0].hasCancel);
    EXPECT_EQ(messages.shown[0].text, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Flasher,
    ::testing::Values(FlasherCase{"Chinese", true, true, true, true, {"1"}, ""},
                      FlasherCase{"English", true, true, false, true, {"0"}, ""},
                      FlasherCase{
                          "MissingChinese", false, true, true, false, {}, "没有安装固件升级程序."},
                      FlasherCase{"MissingEnglish",
                                  false,
                                  true,
                                  false,
                                  false,
                                  {},
                                  "The firmware flasher is not installed."},
                      FlasherCase{"DoesNotStart",
                                  true,
                                  false,
                                  false,
                                  false,
                                  {"0"},
                                  "The firmware flasher is not installed."}),
    test::CaseName<FlasherCase>);

TEST(Flasher, AFolderInTheFlashersPlaceIsNoFlasher) {
  ProgramFolder folder;
  fs::create_directories(folder.path() / kFlasherProgram);
  RecordingStarter starter;
  test::RecordingMessages messages;
  EXPECT_FALSE(StartFlasher(folder.path(), false, starter, messages));
  EXPECT_TRUE(starter.calls.empty());
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(Flasher, IsGivenTheDownloadedImageAfterTheLanguage) {
  ProgramFolder folder;
  folder.Install(kFlasherProgram);
  RecordingStarter starter;
  test::RecordingMessages messages;
  EXPECT_TRUE(StartFlasher(folder.path(), true, starter, messages, "/c/new_version/fw.bin"));
  ASSERT_EQ(starter.calls.size(), 1u);
  EXPECT_EQ(starter.calls[0].arguments, (std::vector<std::string>{"1", "/c/new_version/fw.bin"}));
}

TEST(Updater, StartsWithoutArgumentsAndAMissingOneIsNotAsked) {
  ProgramFolder folder;
  RecordingStarter starter;
  StartUpdater(folder.path(), starter);
  EXPECT_TRUE(starter.calls.empty());

  folder.Install(kUpdaterProgram);
  starter.starts = false;
  StartUpdater(folder.path(), starter);
  ASSERT_EQ(starter.calls.size(), 1u);
  EXPECT_EQ(starter.calls[0].program, folder.path() / "korvu_update/KorvuUpdate");
  EXPECT_TRUE(starter.calls[0].arguments.empty());
}

class UpdaterLaunchTest : public ::testing::Test {
 protected:
  UpdaterLaunchTest() { folder_.Install(kUpdaterProgram); }

  ProgramFolder folder_;
  VirtualClock clock_;
  ManualTimers timers_{clock_};
  RecordingStarter starter_;
};

TEST_F(UpdaterLaunchTest, StartsOnceThreeSecondsAfterTheWindowShows) {
  UpdaterLaunch launch(timers_, starter_, folder_.path());
  launch.Arm(true);
  timers_.Advance(2999);
  EXPECT_TRUE(starter_.calls.empty());
  timers_.Advance(1);
  EXPECT_EQ(starter_.calls.size(), 1u);
  launch.Arm(true);
  timers_.Advance(60000);
  EXPECT_EQ(starter_.calls.size(), 1u);
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

TEST_F(UpdaterLaunchTest, NeverStartsWithoutTheMouse) {
  UpdaterLaunch launch(timers_, starter_, folder_.path());
  launch.Arm(false);
  timers_.Advance(60000);
  EXPECT_TRUE(starter_.calls.empty());
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

TEST_F(UpdaterLaunchTest, AWindowClosedBeforeTheDelayStartsNothing) {
  {
    UpdaterLaunch launch(timers_, starter_, folder_.path());
    launch.Arm(true);
    timers_.Advance(1000);
  }
  timers_.Advance(60000);
  EXPECT_TRUE(starter_.calls.empty());
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

}  // namespace
}  // namespace n63k
