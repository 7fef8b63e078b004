#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/app/DefaultDataFiles.h"
#include "core/app/ProgramState.h"
#include "core/base/ManualTimers.h"
#include "core/base/Utf.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/pages/ButtonPageModel.h"
#include "core/pages/MainWindowModel.h"
#include "core/pages/ProfileTransfer.h"
#include "support/LanguageFolder.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

// The pages, the writes and the view, all telling one log what was asked of
// them, in order. The button page's calls also reach `buttons` when it is set.
class Recorder final : public PageHooks, public ProfileWrites, public MainWindowObserver {
 public:
  void RefreshButtonPage() override {
    log.push_back("RefreshButtonPage");
    if (buttons != nullptr) {
      buttons->RefreshButtonPage();
    }
  }
  void RefreshLightingPage() override { log.push_back("RefreshLightingPage"); }
  void RefreshMacroPage() override { log.push_back("RefreshMacroPage"); }
  void CloseGameMenu() override { log.push_back("CloseGameMenu"); }
  void StopRecording() override { log.push_back("StopRecording"); }
  void NormaliseLoopField() override { log.push_back("NormaliseLoopField"); }
  void ApplyScrollLinesText() override {
    log.push_back("ApplyScrollLinesText");
    if (buttons != nullptr) {
      buttons->ApplyScrollLinesText();
    }
  }
  void StopInputCapture() override { log.push_back("StopInputCapture"); }
  void ReapplyPageCaptions() override { log.push_back("ReapplyPageCaptions"); }
  void ShowFirmwareVersion(std::uint32_t) override {}
  void CountClick(std::uint32_t) override {}

  bool StartWrite() override {
    log.push_back("StartWrite");
    if (duringStart) {
      duringStart();
    }
    return startWorks;
  }
  void FinishWrite() override { log.push_back("FinishWrite"); }

  void Changed(MainWindowPart part) override { changed.push_back(part); }
  void ShowWindow() override { log.push_back("ShowWindow"); }
  void HideWindow() override { log.push_back("HideWindow"); }
  void MinimiseWindow() override { log.push_back("MinimiseWindow"); }
  void CloseProgram() override { log.push_back("CloseProgram"); }
  void OpenLanguageMenu() override { log.push_back("OpenLanguageMenu"); }
  void CloseLanguageMenu() override { log.push_back("CloseLanguageMenu"); }

  // What the calls since the last Take asked, and a fresh log.
  Calls Take() { return std::exchange(log, {}); }

  Calls log;
  std::vector<MainWindowPart> changed;
  ButtonPageModel* buttons = nullptr;
  bool startWorks = true;
  std::function<void()> duringStart;
};

class FakeLoginStart final : public LoginStart {
 public:
  bool Enabled() const override { return enabled; }
  bool SetEnabled(bool on) override {
    if (works) {
      enabled = on;
    }
    return works;
  }
  bool enabled = false;
  bool works = true;
};

class MainWindowModelTest : public ::testing::Test {
 protected:
  MainWindowModelTest() {
    test::WriteTaggedLanguageFiles(program());
    test::WriteLanguageType(program(), 0);
    EXPECT_FALSE(WriteDefaultDataFiles(program(), false, SystemFiles()).has_value());
  }

  fs::path program() const { return dir_ / "program"; }
  fs::path data() const { return dir_ / "data"; }

  // Starts the program's settings and the window on them in English, with
  // every text its own key's name.
  MainWindowModel& Open() {
    state_ = std::make_unique<ProgramState>(Folders{program(), data()}, messages_, clock_);
    state_->LoadStoredSettings();
    Tell(state_->language().SwitchLanguage(2, LanguagePick::kStartUp));
    state_->localisation().texts.Replace(test::KeyNameTexts());
    captions_ = std::make_unique<FunctionAssignment>(state_->profileFiles().Current(),
                                                     state_->buttonMacroIds(), state_->macroTable(),
                                                     messages_, state_->localisation(), keys_);
    MainWindowSettings settings{state_->profileTable(),
                                state_->profileFiles(),
                                state_->language(),
                                state_->localisation(),
                                messages_,
                                [this](const Outcome& outcome) { Tell(outcome); },
                                [this](const std::function<void()>& change) {
                                  // What the change wrote to the profile table.
                                  const int before = SavedSelection();
                                  change();
                                  held_.emplace_back(before, SavedSelection());
                                }};
    settings.loginStart = &loginStart_;
    model_ = std::make_unique<MainWindowModel>(settings, *captions_, recorder_, recorder_);
    model_->SetObserver(&recorder_);
    model_->PagesCreated();
    messages_.shown.clear();
    recorder_.Take();
    recorder_.changed.clear();
    return *model_;
  }

  void Tell(const Outcome& outcome) { state_->Tell(outcome); }

  std::vector<bool> Pressed() const {
    std::vector<bool> pressed;
    for (int profile = 1; profile <= kProfileCount; ++profile) {
      pressed.push_back(model_->ProfilePressed(profile));
    }
    return pressed;
  }

  // The profile that ConfigInfo.cfg on disk marks selected, 1-5; 0 for none.
  int SavedSelection() const {
    const std::vector<std::uint8_t> table = test::ReadBytes(data() / "Profile/ConfigInfo.cfg");
    for (std::size_t entry = 0; entry < kProfileCount; ++entry) {
      if (table.size() >= sizeof(ProfileTableEntries) &&
          table[entry * sizeof(ProfileTableEntry) + offsetof(ProfileTableEntry, selected)] == 1) {
        return static_cast<int>(entry) + 1;
      }
    }
    return 0;
  }

  test::TempDir dir_;
  FakeLoginStart loginStart_;
  // Each change made while holding the data folder: the selected profile on
  // disk before and after it.
  std::vector<std::pair<int, int>> held_;
  test::RecordingMessages messages_;
  VirtualClock clock_;
  UsKeyCharacters keys_;
  Recorder recorder_;
  std::unique_ptr<ProgramState> state_;
  std::unique_ptr<FunctionAssignment> captions_;
  std::unique_ptr<MainWindowModel> model_;
};

TEST_F(MainWindowModelTest, TabsShowTheirPageAndEnableProfilesAndApplyOnlyOnPagesOneAndTwo) {
  struct Case {
    int tab;
    int selected;
    bool enabled;
    Calls calls;
  };
  const std::vector<Case> cases = {
      {3, 3, false, {}},
      {1, 1, true, {"CloseGameMenu", "StopRecording", "RefreshButtonPage"}},
      {2, 2, true, {"CloseGameMenu", "StopRecording", "RefreshLightingPage"}},
      {4, 4, false, {"CloseGameMenu", "StopRecording"}},
      {5, 5, false, {"CloseGameMenu", "StopRecording"}},
      {0, 5, false, {}},
      {6, 5, false, {}},
      {1, 1, true, {"CloseGameMenu", "StopRecording", "RefreshButtonPage"}},
  };
  MainWindowModel& model = Open();
  EXPECT_EQ(model.SelectedTab(), 1);
  for (const Case& c : cases) {
    model.ClickTab(c.tab);
    EXPECT_EQ(model.SelectedTab(), c.selected) << "tab " << c.tab;
    EXPECT_EQ(model.ProfileControlsEnabled(), c.enabled) << "tab " << c.tab;
    EXPECT_EQ(recorder_.Take(), c.calls) << "tab " << c.tab;
  }
}

TEST_F(MainWindowModelTest, ProfileButtonSwitchesAndPressedLookFollowsTheSwitch) {
  MainWindowModel& model = Open();
  EXPECT_EQ(Pressed(), (std::vector<bool>{true, false, false, false, false}));

  model.ClickProfile(3);
  EXPECT_EQ(state_->profileTable().CurrentIndex(), 2);
  EXPECT_EQ(Pressed(), (std::vector<bool>{false, false, true, false, false}));
  EXPECT_EQ(recorder_.Take(), (Calls{"RefreshButtonPage", "RefreshLightingPage"}));
  EXPECT_EQ(recorder_.changed, std::vector<MainWindowPart>{MainWindowPart::kProfiles});
  // A switch is not written, so nothing is saved yet.
  EXPECT_EQ(SavedSelection(), 1);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MainWindowModelTest, ProfileThatCannotBeLoadedChangesNothingAndIsTold) {
  MainWindowModel& model = Open();
  model.ClickProfile(2);
  recorder_.Take();
  fs::remove(data() / "Profile/Profile4.cfg");
  fs::create_directory(data() / "Profile/Profile4.cfg");

  model.ClickProfile(4);
  EXPECT_EQ(state_->profileTable().CurrentIndex(), 1);
  EXPECT_EQ(Pressed(), (std::vector<bool>{false, true, false, false, false}));
  EXPECT_TRUE(recorder_.Take().empty());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].text.find("Profile4.cfg"), std::string::npos);
}

TEST_F(MainWindowModelTest, ProfileButtonsDoNothingOffTheirPagesOrWhileWriting) {
  MainWindowModel& model = Open();
  model.ClickTab(3);
  model.ClickProfile(2);
  EXPECT_EQ(state_->profileTable().CurrentIndex(), 0);

  model.ClickTab(1);
  model.PressApply();
  model.ClickProfile(2);
  EXPECT_EQ(state_->profileTable().CurrentIndex(), 0);
  model.SyncDone();
  model.ClickProfile(2);
  EXPECT_EQ(state_->profileTable().CurrentIndex(), 1);
}

TEST_F(MainWindowModelTest, HintsShowTheirKeysTextOrNothing) {
  struct Case {
    int hint;
    std::string text;
  };
  const std::vector<Case> cases = {
      {1, "str_main"},
      {5, "str_about"},
      {6, "str_profile1"},
      {11, "str_ok"},
      {12, "str_dpiwant"},
      {18, "str_rollerScreen"},
      {26, "str_ledspe"},
      {39, "str_led_custom"},
      {53, "str_macro_msg7"},
      {58, "str_importFile"},
      {59, "str_exportFile"},
      {60, "str_defaultname"},
      {61, "str_dpi_setting"},
      {89, "str_driver_version"},
      {90, "str_firmware_version"},
      {0, ""},
      {-3, ""},
      {91, ""},
      {2053, ""},
  };
  MainWindowModel& model = Open();
  for (const Case& c : cases) {
    model.ShowHint(11);
    model.ShowHint(c.hint);
    EXPECT_EQ(model.StatusText(), c.text) << "hint " << c.hint;
  }
}

TEST_F(MainWindowModelTest, HintsOfTheButtonsShowTheirCaptionsInTheInterfaceLanguage) {
  MainWindowModel& model = Open();
  ProfileRecord& record = state_->profileFiles().Current();
  // Slot 0 keeps the Chinese default caption a Chinese installation stored.
  SetFixedText(record.buttons[0].caption, GetFunctionName(kButtonSlots[0].defaultCode, true));
  SetFixedText(record.buttons[3].caption, "Reload");
  for (std::size_t slot = 0; slot < kButtonCount; ++slot) {
    const std::string expected =
        slot == 3 ? "Reload" : std::string(GetFunctionName(kButtonSlots[slot].defaultCode, false));
    model.ShowHint(19 + static_cast<int>(slot));
    EXPECT_EQ(model.StatusText(), expected) << "slot " << slot;
  }
}

TEST_F(MainWindowModelTest, MovingThePointerEmptiesTheStatusThenShowsTheHintUnderIt) {
  struct Case {
    Point point;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{870, 610}, "str_ok"},
      {{500, 300}, ""},
      {{100, 100}, "str_main"},
      {{920, 100}, "str_about"},
      {{400, 620}, "str_profile1"},
      // Tabs 1 and 2 share x 193-210 of their boxes: the slanted shape decides.
      {{200, 90}, "str_led_title"},
      {{200, 118}, "str_main"},
      // The pixel margin around a box still counts; beyond it nothing does.
      {{939, 600}, "str_ok"},
      {{940, 600}, "str_ok"},
      {{941, 600}, ""},
      {{29, 84}, "str_main"},
      {{28, 84}, ""},
  };
  MainWindowModel& model = Open();
  for (const Case& c : cases) {
    model.ShowHint(60);
    recorder_.changed.clear();
    model.MouseMove(c.point);
    EXPECT_EQ(model.StatusText(), c.text) << c.point.x << "," << c.point.y;
    // Emptied first, so the old hint never stays.
    ASSERT_FALSE(recorder_.changed.empty());
    EXPECT_EQ(recorder_.changed.front(), MainWindowPart::kStatus);
  }
}

TEST_F(MainWindowModelTest, ApplyTakesThePagesFieldsThenStartsOneWrite) {
  struct Case {
    std::int32_t scrollLines;
    Calls calls;
  };
  const std::vector<Case> cases = {
      {3, {"NormaliseLoopField", "ApplyScrollLinesText", "StartWrite"}},
      {-1, {"NormaliseLoopField", "StartWrite"}},
  };
  MainWindowModel& model = Open();
  for (const Case& c : cases) {
    state_->profileFiles().Current().wheelScrollLines = c.scrollLines;
    model.PressApply();
    EXPECT_EQ(recorder_.Take(), c.calls);
    EXPECT_TRUE(model.ApplyPressed());
    // A second press while the write runs only takes the fields again.
    model.PressApply();
    EXPECT_EQ(recorder_.Take(), Calls(c.calls.begin(), c.calls.end() - 1));
    model.SyncDone();
    EXPECT_EQ(recorder_.Take(), Calls{"FinishWrite"});
    EXPECT_FALSE(model.ApplyPressed());
  }
}

TEST_F(MainWindowModelTest, SuccessSavesTheProfileAndTheTable) {
  MainWindowModel& model = Open();
  model.ClickProfile(2);
  state_->profileFiles().Current().pointerSpeed = 17;
  model.PressApply();
  EXPECT_EQ(SavedSelection(), 1);

  model.SyncDone();
  EXPECT_EQ(SavedSelection(), 2);
  ProfileRecord saved{};
  ASSERT_EQ(test::ReadBytes(data() / "Profile/Profile2.cfg").size(), sizeof saved);
  std::memcpy(&saved, test::ReadBytes(data() / "Profile/Profile2.cfg").data(), sizeof saved);
  EXPECT_EQ(saved.pointerSpeed, 17);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_FALSE(model.Writing());
}

TEST_F(MainWindowModelTest, FailureShowsTheStepSavesNothingAndReleasesApply) {
  MainWindowModel& model = Open();
  model.ClickProfile(2);
  model.PressApply();
  recorder_.Take();
  recorder_.changed.clear();

  model.SyncFailed(SyncFailure::kDpi);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"Write mouse DPI failed.\n"});
  EXPECT_EQ(SavedSelection(), 1);
  EXPECT_EQ(recorder_.Take(), Calls{"FinishWrite"});
  EXPECT_EQ(recorder_.changed, std::vector<MainWindowPart>{MainWindowPart::kApply});
  EXPECT_FALSE(model.ApplyPressed());

  model.PressApply();
  EXPECT_TRUE(model.Writing());
}

TEST_F(MainWindowModelTest, OutcomesWithoutAWriteChangeNothing) {
  MainWindowModel& model = Open();
  model.ClickProfile(2);
  model.SyncDone();
  model.SyncFailed(SyncFailure::kKeyMatrix);
  EXPECT_EQ(SavedSelection(), 1);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(recorder_.Take(), (Calls{"RefreshButtonPage", "RefreshLightingPage"}));
}

TEST_F(MainWindowModelTest, OutcomeArrivingWhileTheProgressWindowOpensIsHandled) {
  MainWindowModel& model = Open();
  recorder_.duringStart = [&model] { model.SyncDone(); };
  model.PressApply();
  EXPECT_FALSE(model.Writing());
  EXPECT_EQ(recorder_.Take(),
            (Calls{"NormaliseLoopField", "ApplyScrollLinesText", "StartWrite", "FinishWrite"}));
}

TEST_F(MainWindowModelTest, WriteThatCannotStartLeavesTheWindowIdle) {
  MainWindowModel& model = Open();
  recorder_.startWorks = false;
  model.PressApply();
  EXPECT_FALSE(model.Writing());
  EXPECT_FALSE(model.ApplyPressed());
}

TEST_F(MainWindowModelTest, ApplyDoesNothingOffPagesOneAndTwo) {
  MainWindowModel& model = Open();
  model.ClickTab(4);
  recorder_.Take();
  model.PressApply();
  EXPECT_TRUE(recorder_.Take().empty());
  EXPECT_FALSE(model.Writing());
}

TEST_F(MainWindowModelTest, ProfileKeptOnlyInMemoryIsNeverWritten) {
  fs::create_directories(data());
  test::WriteText(data() / "Profile", "not a folder");
  MainWindowModel& model = Open();
  ASSERT_FALSE(state_->profileTable().CurrentIsStored());

  model.PressApply();
  EXPECT_FALSE(model.Writing());
  EXPECT_EQ(recorder_.Take(), (Calls{"NormaliseLoopField", "ApplyScrollLinesText"}));
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"The current profile can be neither read nor created, so "
                                     "nothing was written to the mouse."});
}

TEST_F(MainWindowModelTest, TrayAndWindowButtons) {
  struct Case {
    const char* name;
    std::function<void(MainWindowModel&)> act;
    Calls calls;
  };
  const std::vector<Case> cases = {
      {"double click",
       [](MainWindowModel& m) { m.TrayActivated(515); },
       {"RefreshButtonPage", "RefreshLightingPage", "ShowWindow"}},
      {"right button up", [](MainWindowModel& m) { m.TrayActivated(517); }, {}},
      {"Config",
       [](MainWindowModel& m) { m.ShowFromTray(); },
       {"RefreshButtonPage", "RefreshLightingPage", "ShowWindow"}},
      {"Exit", [](MainWindowModel& m) { m.ChooseExit(); }, {"CloseProgram"}},
      {"close",
       [](MainWindowModel& m) { m.PressClose(); },
       {"CloseGameMenu", "HideWindow", "StopInputCapture"}},
      {"minimise",
       [](MainWindowModel& m) { m.PressMinimise(); },
       {"MinimiseWindow", "StopInputCapture"}},
      {"language", [](MainWindowModel& m) { m.PressLanguage(); }, {"OpenLanguageMenu"}},
  };
  MainWindowModel& model = Open();
  for (const Case& c : cases) {
    c.act(model);
    EXPECT_EQ(recorder_.Take(), c.calls) << c.name;
  }
}

TEST_F(MainWindowModelTest, LanguageSwitchReappliesCaptionsLooksAndFlag) {
  struct Case {
    int language;
    std::string ok;
    bool chineseLooks;
    int flag;
  };
  const std::vector<Case> cases = {
      {1, "sc", true, 1},
      {3, "fre", false, 3},
      {12, "tw", false, 12},
      {2, "en", false, 2},
  };
  MainWindowModel& model = Open();
  for (const Case& c : cases) {
    recorder_.changed.clear();
    Tell(state_->language().SwitchLanguage(c.language, LanguagePick::kStartUp));
    EXPECT_EQ(model.Caption(main_window::kApplyButton), c.ok);
    EXPECT_EQ(&model.RegionLooks(),
              c.chineseLooks ? &skin_files::kRegionChinese : &skin_files::kRegionOther);
    EXPECT_EQ(model.FlagLanguage(), c.flag);
    EXPECT_EQ(recorder_.changed, std::vector<MainWindowPart>{MainWindowPart::kLanguage});
    EXPECT_EQ(recorder_.Take(), Calls{"ReapplyPageCaptions"});
  }
}

TEST_F(MainWindowModelTest, LanguageMenuPickSwitchesOnlyWhileTheMenuIsOpen) {
  MainWindowModel& model = Open();
  model.PressLanguage();
  EXPECT_EQ(recorder_.Take(), Calls{"OpenLanguageMenu"});
  model.PickLanguage(5);
  EXPECT_EQ(model.Caption(main_window::kApplyButton), "ger");
  EXPECT_EQ(model.FlagLanguage(), 5);
  EXPECT_EQ(test::ReadBytes(data() / "Language.cfg"), (std::vector<std::uint8_t>{5, 0, 0, 0}));
  EXPECT_EQ(recorder_.Take(), (Calls{"ReapplyPageCaptions", "CloseLanguageMenu"}));

  // A pick that arrives after the menu closed changes nothing.
  model.LanguageMenuClosed();
  model.PickLanguage(3);
  EXPECT_EQ(model.FlagLanguage(), 5);
  EXPECT_TRUE(recorder_.Take().empty());
}

TEST_F(MainWindowModelTest, ChangesOfTheDataFolderAreMadeWhileHoldingIt) {
  MainWindowModel& model = Open();
  model.ClickProfile(3);
  model.PressApply();
  model.SyncDone();
  model.PressLanguage();
  model.PickLanguage(1);
  // The switch loads profile 3, the saved write stores its selection, the
  // language file leaves the table alone: each inside its own hold.
  EXPECT_EQ(held_, (std::vector<std::pair<int, int>>{{1, 1}, {1, 3}, {3, 3}}));
}

TEST_F(MainWindowModelTest, RestoredDefaultsAreShownAndWrittenWithoutTheFieldsOfApply) {
  MainWindowModel& model = Open();
  model.ClickTab(5);
  recorder_.Take();
  ProfileRecord& current = state_->profileFiles().Current();
  current.pointerSpeed = 19;
  current.wheelScrollLines = 7;
  state_->buttonMacroIds()[2] = 0x1500000A;
  model.RestoreDefaults(state_->buttonMacroIds());
  ProfileRecord defaults;
  BuildDefaultProfile(defaults, state_->localisation().chineseUi);
  EXPECT_EQ(std::memcmp(&current, &defaults, sizeof defaults), 0);
  EXPECT_EQ(state_->buttonMacroIds(), ButtonMacroIds{});
  EXPECT_EQ(recorder_.Take(), (Calls{"RefreshButtonPage", "RefreshLightingPage", "StartWrite"}));
  EXPECT_TRUE(model.Writing());
  // A second restore while the first is written starts no second write.
  model.RestoreDefaults(state_->buttonMacroIds());
  EXPECT_EQ(recorder_.Take(), (Calls{"RefreshButtonPage", "RefreshLightingPage"}));
}

TEST_F(MainWindowModelTest, AnImportIsShownByTheButtonAndLightingPagesAndApplyWritesIt) {
  struct StillPointer final : PagePointer {
    Point Position() const override { return {-1, -1}; }
    bool WindowInFront() const override { return false; }
  };
  MainWindowModel& model = Open();
  ProfileRecord& current = state_->profileFiles().Current();
  ManualTimers timers{clock_};
  StillPointer pointer;
  ButtonPageModel buttons(current, *captions_, state_->localisation(), timers, pointer, [](int) {});
  buttons.RefreshButtonPage();
  recorder_.buttons = &buttons;
  const fs::path file = dir_ / "imported.cfg";
  ProfileRecord exported = current;
  exported.wheelScrollLines = 12;
  ASSERT_TRUE(ExportProfile(file, exported, SystemFiles()).ok);

  ASSERT_TRUE(ImportProfile(file, current, SystemFiles()).ok);
  model.ProfileImported();
  EXPECT_EQ(recorder_.Take(), (Calls{"RefreshButtonPage", "RefreshLightingPage"}));
  EXPECT_FALSE(model.Writing());
  EXPECT_EQ(buttons.LinesText(), "12");
  model.PressApply();
  EXPECT_EQ(current.wheelScrollLines, 12);
  EXPECT_EQ(recorder_.Take(), (Calls{"NormaliseLoopField", "ApplyScrollLinesText", "StartWrite"}));
  recorder_.buttons = nullptr;
}

TEST_F(MainWindowModelTest, LanguageIsNoLongerFollowedOnceTheWindowIsGone) {
  Open();
  model_.reset();
  Tell(state_->language().SwitchLanguage(3, LanguagePick::kStartUp));
  EXPECT_TRUE(recorder_.Take().empty());
}

TEST_F(MainWindowModelTest, TheTrayTurnsTheStartAtLoginOverAndTellsAFailure) {
  MainWindowModel& model = Open();
  ASSERT_TRUE(model.LoginStartOffered());
  EXPECT_EQ(model.LoginStartText(), "Start at login");
  model.ToggleLoginStart();
  EXPECT_TRUE(model.LoginStartEnabled());
  model.ToggleLoginStart();
  EXPECT_FALSE(model.LoginStartEnabled());
  EXPECT_TRUE(messages_.shown.empty());

  loginStart_.works = false;
  model.ToggleLoginStart();
  EXPECT_FALSE(model.LoginStartEnabled());
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{std::string(LoginStartFailedText(false))});
}

}  // namespace
}  // namespace n63k
