#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/buttons/InputHooks.h"
#include "core/buttons/KeyNames.h"
#include "core/pages/ChooserModel.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using Flags = std::uint32_t;
constexpr Flags kPress = 0;
constexpr Flags kRelease = key_flag::kRelease;

// Hands captured keys straight to the chooser, as the window's queue does
// a moment later.
class ForwardingReceiver final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t virtualKey, std::uint32_t flags) override {
    if (model != nullptr) {
      model->CaptureKey(virtualKey, flags);
    }
  }
  void PcAction(std::uint32_t) override {}
  ChooserModel* model = nullptr;
};

class MainWindowReceiver final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t virtualKey, std::uint32_t) override {
    keys.push_back(virtualKey);
  }
  void PcAction(std::uint32_t) override {}
  std::vector<std::uint32_t> keys;
};

class CountingObserver final : public ChooserObserver {
 public:
  void PagesChanged() override { ++pages; }
  void CombinationChanged() override { ++combination; }
  void MacroListChanged() override { ++macroList; }
  void ActionsChanged() override { ++actions; }
  void Ended() override { ++ended; }
  int pages = 0, combination = 0, macroList = 0, actions = 0, ended = 0;
};

class ChooserModelTest : public ::testing::Test {
 protected:
  ChooserModelTest() {
    localisation_.chineseUi = false;
    localisation_.texts.Set("str_cur_function", "Current: ");
    localisation_.texts.Set("str_back", "Back");
    localisation_.texts.Set("str_close", "Close window");
    EXPECT_TRUE(macros_.PutMacro(test::StoredMacro(0x03000010, "three-a")));
    EXPECT_TRUE(macros_.PutMacro(test::StoredMacro(0x15000020, "own")));
    EXPECT_TRUE(macros_.PutMacro(test::StoredMacro(0x03000030, "three-b")));
    hooks_.SetMainWindow(&mainWindow_);
  }

  // A chooser for `slot`, opened as its window opens it.
  ChooserModel& Open(int slot, std::string caption = "Menu") {
    model_.emplace(slot, std::move(caption), localisation_, macros_, keys_, hooks_, target_,
                   messages_);
    target_.model = &*model_;
    model_->SetObserver(&observer_);
    model_->Open();
    return *model_;
  }

  void Key(std::uint32_t virtualKey, Flags flags) { hooks_.OnKey(virtualKey, flags); }

  bool Capturing() const { return hooks_.keyCapture() && hooks_.captureTarget() == &target_; }

  Localisation localisation_;
  MacroTable macros_;
  UsKeyCharacters keys_;
  MouseWatchList watchList_;
  InputHooks hooks_{watchList_};
  MainWindowReceiver mainWindow_;
  ForwardingReceiver target_;
  test::RecordingMessages messages_;
  CountingObserver observer_;
  std::optional<ChooserModel> model_;
};

TEST_F(ChooserModelTest, OpensOnTheCombinationPageCapturingKeysWithNothingChosen) {
  ChooserModel& chooser = Open(2);
  EXPECT_EQ(chooser.ShownPage(), ChooserPage::kCombination);
  EXPECT_TRUE(Capturing());
  EXPECT_FALSE(hooks_.mouseCapture());
  EXPECT_EQ(chooser.KeyName(), "");
  EXPECT_EQ(chooser.SelectedGroup(), -1);
  EXPECT_TRUE(chooser.Macros().empty());
  EXPECT_EQ(chooser.SelectedBasic(), -1);
  EXPECT_EQ(chooser.SelectedActionRow(), -1);
  EXPECT_EQ(chooser.CurrentFunctionText(), "Current: Menu");
  chooser.PressOk();
  EXPECT_TRUE(chooser.HasEnded());
  EXPECT_FALSE(chooser.Result().has_value()) << "nothing chosen closes as a cancel";
  EXPECT_FALSE(hooks_.keyCapture());
  EXPECT_EQ(hooks_.captureTarget(), &mainWindow_);
}

TEST_F(ChooserModelTest, CtrlThenCThroughTheHooksGivesTheCombination) {
  ChooserModel& chooser = Open(2);
  Key(0xA2, kPress);  // left Ctrl
  Key('C', kPress);
  Key('C', kRelease);
  Key(0xA2, kRelease);
  EXPECT_TRUE(chooser.ModifierChecked(ModifierBox::kCtrl));
  EXPECT_EQ(chooser.KeyName(), "C");
  chooser.PressOk();
  ASSERT_TRUE(chooser.Result().has_value());
  EXPECT_EQ(std::get<KeyCombination>(chooser.Result()->choice).deviceWord, 0x00060100u);
  EXPECT_EQ(GetComboText(0x00060100, keys_), "Ctrl + C");
  EXPECT_TRUE(mainWindow_.keys.empty());
}

TEST_F(ChooserModelTest, ModifierKeysToggleTheirBoxOnEachPressOnly) {
  struct Event {
    std::uint32_t key;
    Flags flags;
  };
  struct Case {
    const char* what;
    std::vector<Event> events;
    std::vector<ModifierBox> checked;
  };
  const std::vector<Case> cases = {
      {"Shift twice", {{0xA0, kPress}, {0xA0, kRelease}, {0xA1, kPress}}, {}},
      {"release only", {{0x11, kRelease}, {0xA4, kRelease | key_flag::kAltDown}}, {}},
      {"held Alt repeats", {{0xA4, 0x20}, {0xA4, 0x20}, {0xA4, 0x20}}, {ModifierBox::kAlt}},
      {"right Ctrl, extended", {{0xA3, key_flag::kExtended}}, {ModifierBox::kCtrl}},
      {"injected Win", {{0x5B, key_flag::kInjected | key_flag::kExtended}}, {ModifierBox::kWin}},
      {"generic Shift and Ctrl",
       {{0x10, kPress}, {0x11, kPress}},
       {ModifierBox::kShift, ModifierBox::kCtrl}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChooserModel& chooser = Open(1);
    for (const Event& e : c.events) {
      Key(e.key, e.flags);
    }
    for (ModifierBox box :
         {ModifierBox::kCtrl, ModifierBox::kAlt, ModifierBox::kShift, ModifierBox::kWin}) {
      const bool expected = std::ranges::find(c.checked, box) != c.checked.end();
      EXPECT_EQ(chooser.ModifierChecked(box), expected) << static_cast<int>(box);
    }
    EXPECT_EQ(chooser.KeyName(), "") << "a modifier is never the captured key";
  }
}

TEST_F(ChooserModelTest, ModifierBoxesAloneAndKeysWithoutAUsage) {
  struct Case {
    std::vector<ModifierBox> boxes;
    std::uint32_t key;
    std::optional<std::uint32_t> word;
  };
  const std::vector<Case> cases = {
      {{ModifierBox::kShift}, 0, 0x00E10000},
      {{ModifierBox::kShift, ModifierBox::kAlt}, 0, std::nullopt},
      {{}, 0x0C, std::nullopt},  // Clear: no usage
      {{ModifierBox::kCtrl}, 0x0C, 0x00E00000},
      {{ModifierBox::kAlt}, 0x70, 0x003A0400},  // F1, captured on its release
  };
  for (const Case& c : cases) {
    ChooserModel& chooser = Open(3);
    for (ModifierBox box : c.boxes) {
      chooser.ClickModifierBox(box);
    }
    if (c.key != 0) {
      Key(c.key, kRelease);
    }
    chooser.PressOk();
    ASSERT_TRUE(chooser.HasEnded());
    if (c.word) {
      ASSERT_TRUE(chooser.Result().has_value()) << c.key;
      EXPECT_EQ(std::get<KeyCombination>(chooser.Result()->choice).deviceWord, *c.word);
    } else {
      EXPECT_FALSE(chooser.Result().has_value()) << c.key;
    }
  }
}

TEST_F(ChooserModelTest, OnlyTheCombinationPageCapturesKeys) {
  ChooserModel& chooser = Open(1);
  for (ChooserPage page : {ChooserPage::kMacro, ChooserPage::kBasic, ChooserPage::kAdvanced}) {
    chooser.ClickTab(page);
    EXPECT_EQ(chooser.ShownPage(), page);
    EXPECT_FALSE(hooks_.keyCapture());
    EXPECT_EQ(hooks_.captureTarget(), &mainWindow_);
    chooser.ClickTab(ChooserPage::kCombination);
    EXPECT_TRUE(Capturing());
  }
  Key('A', kPress);
  chooser.ClickTab(ChooserPage::kBasic);
  Key('B', kPress);
  EXPECT_EQ(chooser.KeyName(), "A");
  EXPECT_EQ(mainWindow_.keys, std::vector<std::uint32_t>{}) << "capture off reports nothing";
}

TEST_F(ChooserModelTest, DisableBoxHidesEveryPageAndLeavesCaptureAlone) {
  ChooserModel& chooser = Open(4);
  chooser.ClickTab(ChooserPage::kBasic);
  chooser.ClickDisableBox();
  EXPECT_TRUE(chooser.Disabled());
  EXPECT_EQ(chooser.ShownPage(), std::nullopt);
  EXPECT_FALSE(chooser.TabSelected(ChooserPage::kCombination));
  EXPECT_FALSE(hooks_.keyCapture()) << "capture was off on the basic page and stays off";
  chooser.ClickTab(ChooserPage::kMacro);
  EXPECT_EQ(chooser.ShownPage(), std::nullopt);
  chooser.ClickDisableBox();
  EXPECT_EQ(chooser.ShownPage(), ChooserPage::kCombination);
  EXPECT_TRUE(Capturing());
  chooser.ClickDisableBox();
  EXPECT_TRUE(Capturing()) << "checking the box leaves capture on";
  chooser.PressOk();
  ASSERT_TRUE(chooser.Result().has_value());
  EXPECT_TRUE(std::holds_alternative<DisabledFunction>(chooser.Result()->choice));
  EXPECT_EQ(chooser.Result()->buttonIndex, 4);
  EXPECT_FALSE(hooks_.keyCapture());
}

TEST_F(ChooserModelTest, DefaultButtonGivesEachSlotsDefaultCode) {
  const std::int32_t defaults[] = {1, 4, 2, 8, 16, 11, 22};
  for (int slot = 0; slot < 7; ++slot) {
    ChooserModel& chooser = Open(slot);
    chooser.ClickDisableBox();
    chooser.PressDefault();
    ASSERT_TRUE(chooser.Result().has_value());
    EXPECT_EQ(std::get<BasicFunction>(chooser.Result()->choice).code, defaults[slot]) << slot;
    EXPECT_FALSE(hooks_.keyCapture());
  }
}

TEST_F(ChooserModelTest, MacroPageListsTheSelectedGroupsMacros) {
  ChooserModel& chooser = Open(3);
  chooser.ClickTab(ChooserPage::kMacro);
  EXPECT_EQ(chooser.GroupTexts().size(), 21u);
  chooser.SelectGroup(2);
  ASSERT_EQ(chooser.Macros().size(), 2u);
  EXPECT_EQ(chooser.Macros()[1].name, "three-b");
  EXPECT_EQ(observer_.macroList, 1);
  chooser.SelectMacro(1);
  chooser.SelectGroup(2);
  EXPECT_EQ(observer_.macroList, 1) << "the same group is not listed again";
  EXPECT_EQ(chooser.SelectedMacro(), 1);
  chooser.SelectGroup(20);
  ASSERT_EQ(chooser.Macros().size(), 1u);
  EXPECT_EQ(chooser.SelectedMacro(), -1);
  chooser.PressOk();
  EXPECT_FALSE(chooser.Result().has_value()) << "no macro selected";

  ChooserModel& again = Open(3);
  again.ClickTab(ChooserPage::kMacro);
  again.SelectGroup(0);
  EXPECT_TRUE(again.Macros().empty()) << "the first group is listed on its first selection";
  again.SelectGroup(20);
  again.SelectMacro(0);
  again.PressOk();
  ASSERT_TRUE(again.Result().has_value());
  EXPECT_EQ(std::get<MacroFunction>(again.Result()->choice).identifier, 0x15000020u);
}

TEST_F(ChooserModelTest, BasicPageListsTheCatalogueByItsTexts) {
  ChooserModel& chooser = Open(2);
  chooser.ClickTab(ChooserPage::kBasic);
  const std::vector<std::string> texts = chooser.BasicTexts();
  ASSERT_EQ(texts.size(), 24u);
  EXPECT_EQ(texts.front(), "Close window");
  EXPECT_EQ(texts[13], "Back");
  chooser.SelectBasic(13);
  chooser.PressOk();
  ASSERT_TRUE(chooser.Result().has_value());
  EXPECT_EQ(std::get<BasicFunction>(chooser.Result()->choice).code, 16);
  EXPECT_EQ(chooser.Result()->buttonIndex, 2);
}

TEST_F(ChooserModelTest, AdvancedPageTakesTheSelectedRowsPath) {
  struct Case {
    const char* what;
    int pathRow;
    std::string path;
    int selectRow;
    bool ends;
    bool chosen;
  };
  const std::vector<Case> cases = {
      {"sound", 0, "/usr/share/sounds/bell.wav", 0, true, true},
      {"empty row selected", 1, "/usr/bin/true", 2, true, false},
      {"no row", -1, "", -1, true, false},
      {"too long", 3, std::string(260, 'd'), 3, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages_.shown.clear();
    ChooserModel& chooser = Open(5);
    chooser.ClickTab(ChooserPage::kAdvanced);
    if (c.pathRow >= 0) {
      chooser.SetActionPath(c.pathRow, c.path);
    }
    if (c.selectRow >= 0) {
      chooser.SelectActionRow(c.selectRow);
    }
    chooser.PressOk();
    EXPECT_EQ(chooser.HasEnded(), c.ends);
    EXPECT_EQ(chooser.Result().has_value(), c.chosen);
    EXPECT_EQ(messages_.shown.size(), c.ends ? 0u : 1u) << "a path too long is told, not cut";
    if (c.chosen) {
      const auto& action = std::get<PcAction>(chooser.Result()->choice);
      EXPECT_EQ(action.path, c.path);
      EXPECT_EQ(action.tag, 0x00C50006u);
    }
  }
}

TEST_F(ChooserModelTest, BrowseSelectsItsRowAndNamesTheDialog) {
  ChooserModel& chooser = Open(0);
  chooser.ClickTab(ChooserPage::kAdvanced);
  EXPECT_FALSE(chooser.Browse(0).folder);
  EXPECT_EQ(chooser.SelectedActionRow(), 0);
  const BrowseDialog folder = chooser.Browse(3);
  EXPECT_TRUE(folder.folder);
  EXPECT_EQ(chooser.SelectedActionRow(), 3);
  EXPECT_EQ(chooser.ActionPath(3), "") << "a cancelled dialog changes nothing";
}

TEST_F(ChooserModelTest, CloseAndDestructionEndCapture) {
  ChooserModel& chooser = Open(1);
  Key('X', kPress);
  chooser.PressClose();
  EXPECT_TRUE(chooser.HasEnded());
  EXPECT_FALSE(chooser.Result().has_value());
  EXPECT_FALSE(hooks_.keyCapture());
  EXPECT_EQ(observer_.ended, 1);

  Open(1);
  EXPECT_TRUE(Capturing());
  model_.reset();
  EXPECT_FALSE(hooks_.keyCapture());
  EXPECT_EQ(hooks_.captureTarget(), &mainWindow_);
}

}  // namespace
}  // namespace n63k
