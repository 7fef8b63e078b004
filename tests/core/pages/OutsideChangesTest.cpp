#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/DefaultDataFiles.h"
#include "core/app/ProgramState.h"
#include "core/pages/MainWindowModel.h"
#include "core/pages/OutsideChanges.h"
#include "support/LanguageFolder.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

class Pages final : public PageHooks, public ProfileWrites {
 public:
  void RefreshButtonPage() override { ++refreshed; }
  void RefreshLightingPage() override {}
  void RefreshMacroPage() override { ++macrosRelisted; }
  void CloseGameMenu() override {}
  void StopRecording() override {}
  void NormaliseLoopField() override {}
  void ApplyScrollLinesText() override {}
  void StopInputCapture() override {}
  void ReapplyPageCaptions() override {}
  void ShowFirmwareVersion(std::uint32_t) override {}
  void CountClick(std::uint32_t) override {}
  bool StartWrite() override { return true; }
  void FinishWrite() override {}

  int refreshed = 0;
  int macrosRelisted = 0;
};

// The window and the command-line tool on one data folder, each with its own
// settings in memory, as two processes have them.
class OutsideChangesTest : public ::testing::Test {
 protected:
  OutsideChangesTest() {
    test::WriteTaggedLanguageFiles(program());
    test::WriteLanguageType(program(), 0);
    EXPECT_FALSE(WriteDefaultDataFiles(program(), false, SystemFiles()).has_value());
    window_ = Start(windowMessages_);
    outside_ = std::make_unique<OutsideChanges>(window_->profileTable(), window_->profileFiles(),
                                                window_->macroTable(), window_->macroStore().Path(),
                                                SystemFiles());
    outside_->Remember();
    captions_ = std::make_unique<FunctionAssignment>(
        window_->profileFiles().Current(), window_->buttonMacroIds(), window_->macroTable(),
        windowMessages_, window_->localisation(), keys_);
    MainWindowSettings settings{
        window_->profileTable(), window_->profileFiles(),
        window_->language(),     window_->localisation(),
        windowMessages_,         [this](const Outcome& outcome) { window_->Tell(outcome); }};
    settings.outside = outside_.get();
    model_ = std::make_unique<MainWindowModel>(settings, *captions_, pages_, pages_);
    model_->PagesCreated();
    pages_.refreshed = 0;
  }

  fs::path program() const { return dir_.path() / "program"; }

  std::unique_ptr<ProgramState> Start(test::RecordingMessages& messages) {
    auto state =
        std::make_unique<ProgramState>(Folders{program(), dir_.path() / "data"}, messages, clock_);
    state->LoadStoredSettings();
    return state;
  }

  // What n63kctl set does: loads the folder, changes one profile, saves it.
  void ToolSetsSensor(int profile, std::int32_t sensor) {
    test::RecordingMessages messages;
    std::unique_ptr<ProgramState> tool = Start(messages);
    const int selected = tool->profileTable().CurrentIndex();
    ASSERT_TRUE(tool->profileTable().SwitchProfile(profile - 1).switched);
    tool->profileFiles().Current().sensorHeight = sensor;
    ASSERT_TRUE(tool->profileTable().SaveEditedProfile(selected).ok());
  }

  std::int32_t& WindowSensor() { return window_->profileFiles().Current().sensorHeight; }
  std::vector<std::string> Questions() const {
    std::vector<std::string> asked;
    for (const auto& shown : windowMessages_.shown) {
      if (shown.hasCancel) {
        asked.push_back(shown.text);
      }
    }
    return asked;
  }

  test::TempDir dir_;
  VirtualClock clock_;
  UsKeyCharacters keys_;
  test::RecordingMessages windowMessages_;
  Pages pages_;
  std::unique_ptr<ProgramState> window_;
  std::unique_ptr<OutsideChanges> outside_;
  std::unique_ptr<FunctionAssignment> captions_;
  std::unique_ptr<MainWindowModel> model_;
};

TEST_F(OutsideChangesTest, AChangeToTheShownProfileIsTakenWhenTheWindowHoldsNoEdit) {
  ToolSetsSensor(1, 17);
  model_->DataFolderChanged();
  EXPECT_EQ(WindowSensor(), 17);
  EXPECT_EQ(pages_.refreshed, 1);
  EXPECT_TRUE(windowMessages_.shown.empty());
  // Seen once: the same files again change nothing.
  model_->DataFolderChanged();
  EXPECT_EQ(pages_.refreshed, 1);
}

TEST_F(OutsideChangesTest, BothChangedTheShownProfileTheUserChooses) {
  struct Case {
    InfoAnswer answer;
    std::int32_t tool;
    std::int32_t kept;
  };
  for (const Case c : {Case{InfoAnswer::kOk, 17, 17}, Case{InfoAnswer::kCancel, 19, 23}}) {
    SCOPED_TRACE(c.kept);
    ToolSetsSensor(1, c.tool);
    WindowSensor() = 23;
    windowMessages_.shown.clear();
    windowMessages_.answer = c.answer;
    model_->DataFolderChanged();
    EXPECT_EQ(Questions(), std::vector<std::string>{OutsideChangeQuestion(1, false)});
    EXPECT_EQ(WindowSensor(), c.kept);
    // Not asked again about the same change.
    model_->DataFolderChanged();
    EXPECT_EQ(Questions().size(), 1U);
  }
}

TEST_F(OutsideChangesTest, TheWindowsOwnSaveIsNoOutsideChange) {
  WindowSensor() = 12;
  model_->PressApply();
  model_->SyncDone();
  model_->DataFolderChanged();
  EXPECT_EQ(pages_.refreshed, 0);
  EXPECT_TRUE(windowMessages_.shown.empty());
  EXPECT_EQ(WindowSensor(), 12);
}

TEST_F(OutsideChangesTest, AnotherProfileIsLeftForItsSwitch) {
  ToolSetsSensor(3, 21);
  WindowSensor() = 23;
  model_->DataFolderChanged();
  EXPECT_TRUE(windowMessages_.shown.empty());
  EXPECT_EQ(WindowSensor(), 23);
  model_->ClickProfile(3);
  EXPECT_EQ(WindowSensor(), 21);
}

// What n63kctl apply --profile N leaves in the folder.
void ToolSelects(std::unique_ptr<ProgramState> tool, int profile) {
  ASSERT_TRUE(tool->profileTable().SwitchProfile(profile - 1).switched);
  ASSERT_TRUE(tool->profileTable().SaveProfileTable().ok());
}

TEST_F(OutsideChangesTest, TheWindowFollowsAProfileSelectedOutside) {
  test::RecordingMessages messages;
  ToolSelects(Start(messages), 4);
  model_->DataFolderChanged();
  EXPECT_EQ(window_->profileTable().CurrentIndex(), 3);
  EXPECT_TRUE(model_->ProfilePressed(4));
}

TEST_F(OutsideChangesTest, AProfileSelectedHereButNotAppliedIsAnUnsavedChange) {
  model_->ClickProfile(2);
  test::RecordingMessages messages;
  ToolSelects(Start(messages), 4);
  windowMessages_.answer = InfoAnswer::kCancel;
  model_->DataFolderChanged();
  EXPECT_EQ(Questions().size(), 1U);
  EXPECT_EQ(window_->profileTable().CurrentIndex(), 1);
}

TEST_F(OutsideChangesTest, AChangeDuringAWriteIsToldWhenTheWriteSavesOverIt) {
  model_->PressApply();
  ToolSetsSensor(1, 17);
  model_->DataFolderChanged();
  EXPECT_NE(WindowSensor(), 17);
  model_->SyncDone();
  EXPECT_EQ(windowMessages_.Texts(),
            std::vector<std::string>{std::string(SavedOverOutsideChangeText(false))});
  test::RecordingMessages messages;
  EXPECT_EQ(Start(messages)->profileFiles().Current().sensorHeight, WindowSensor());
}

TEST_F(OutsideChangesTest, MacrosStoredOutsideAreTakenOnceNoWriteRuns) {
  test::RecordingMessages messages;
  std::unique_ptr<ProgramState> tool = Start(messages);
  ASSERT_TRUE(tool->macroStore().StoreMacro(test::StoredMacro(0x1234)).ok());
  model_->PressApply();
  model_->DataFolderChanged();
  EXPECT_EQ(window_->macroTable().FindMacro(0x1234), nullptr);
  EXPECT_EQ(pages_.macrosRelisted, 0);
  model_->SyncFailed(SyncFailure::kDpi);
  EXPECT_NE(window_->macroTable().FindMacro(0x1234), nullptr);
  // The macro page lists what was taken.
  EXPECT_EQ(pages_.macrosRelisted, 1);
}

TEST_F(OutsideChangesTest, DamagedFilesWrittenOutsideAreNotTaken) {
  const std::vector<std::uint8_t> before = test::TableBytes(window_->macroTable());
  test::WriteBytes(window_->macroStore().Path(), {1, 2, 3});
  test::WriteBytes(window_->profileTable().ProfilePath(0), std::vector<std::uint8_t>(10, 0));
  model_->DataFolderChanged();
  EXPECT_EQ(test::TableBytes(window_->macroTable()), before);
  EXPECT_TRUE(windowMessages_.shown.empty());
  EXPECT_EQ(pages_.refreshed, 0);
  EXPECT_EQ(pages_.macrosRelisted, 0);
}

}  // namespace
}  // namespace n63k
