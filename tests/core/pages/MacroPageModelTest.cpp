#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/KeyNames.h"
#include "core/macro/GameGroups.h"
#include "core/pages/MacroEditorRules.h"
#include "core/pages/MacroPageModel.h"
#include "support/MacroPageWorld.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::DelayEvent;
using test::DelayItem;
using test::DownEvent;
using test::DownItem;
using test::UpEvent;
using test::UpItem;

using macro_page::Control;

constexpr std::uint32_t kA = 0x41;
constexpr std::uint32_t kB = 0x42;
constexpr std::uint32_t kRelease = key_flag::kRelease;

std::vector<MacroEvent> ToEvents(const std::vector<std::uint32_t>& items) {
  std::vector<MacroEvent> events;
  for (const std::uint32_t item : items) {
    const auto type = static_cast<EditorItemType>(item >> 24);
    const MacroEventKind kind = type == EditorItemType::kDelay   ? MacroEventKind::kDelay
                                : type == EditorItemType::kKeyUp ? MacroEventKind::kKeyUp
                                                                 : MacroEventKind::kKeyDown;
    events.push_back(MakeEvent(kind, EventValue(item)));
  }
  return events;
}

// Hands captured keys straight to the page, as the view's queue does a
// moment later.
class ForwardingReceiver final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t key, std::uint32_t flags) override {
    page->CapturedInput(key, flags);
  }
  void PcAction(std::uint32_t) override {}
  MacroPageModel* page = nullptr;
};

// Stands for the view's in-place editor: opened on a row and typed into, it
// ends only when the page asks it to.
class OpenEditor final : public MacroPageObserver {
 public:
  void MacroPageChanged(MacroPagePart) override {}
  void StartRename(int index) override { row = index; }
  void FinishRename() override {
    if (row >= 0) {
      page->RenameMacro(std::exchange(row, -1), typed);
    }
  }
  void FocusControl(Control) override {}

  MacroPageModel* page = nullptr;
  int row = -1;
  std::string typed;
};

class MacroPageModelTest : public ::testing::Test, protected test::MacroPageWorld {
 protected:
  MacroPageModelTest() : MacroPageWorld(0x01000000) {}

  MacroPageModel& Page() {
    if (!page) {
      page.emplace(Settings());
      receiver.page = &*page;
      page->SetKeyTarget(&receiver);
      page->ListGroup(kCustomGroup);
    }
    return *page;
  }

  void Put(std::uint32_t identifier, const std::vector<MacroEvent>& events, std::uint32_t loop = 1,
           std::string_view name = "m") {
    ASSERT_TRUE(table.PutMacro(test::StoredMacro(identifier, name, events, loop)));
  }

  const MacroRecord& Stored(std::uint32_t identifier) const {
    const MacroRecord* record = table.FindMacro(identifier);
    EXPECT_NE(record, nullptr);
    static const MacroRecord kNone{};
    return record != nullptr ? *record : kNone;
  }

  static std::vector<MacroEvent> StoredEvents(const MacroRecord& record) {
    const auto events = EventsOf(record);
    return {events.begin(), events.end()};
  }

  // A key as our window hands it to the hooks.
  void Key(std::uint32_t key, std::uint32_t flags) { hooks.OnKey(key, flags); }

  void Record(const std::function<void()>& input) {
    Page().ToggleRecording();
    input();
    Page().ToggleRecording();
  }

  void InsertDelay(int at, const std::string& text) {
    Page().SelectEvent(at);
    Page().ClickInsert();
    Page().ClickDelayOption();
    Page().EditDelayText(text);
    Page().ClickDelayOk();
  }

  ForwardingReceiver receiver;
  std::optional<MacroPageModel> page;
};

TEST_F(MacroPageModelTest, RecordsAKeyWithTheTimeBetweenPressAndRelease) {
  Put(0x15000001, {DownEvent(kB)});
  MacroPageModel& macros = Page();
  macros.EditLoopText("3");
  Record([&] {
    EXPECT_TRUE(hooks.keyCapture());
    EXPECT_FALSE(hooks.mouseCapture());
    EXPECT_EQ(hooks.captureTarget(), &receiver);
    EXPECT_FALSE(macros.ButtonsEnabled());
    EXPECT_EQ(macros.RecordCaption(), "Stop Record");
    Key(kA, 0);
    clock.Advance(120);
    Key(kA, kRelease);
  });
  EXPECT_EQ(macros.Events(),
            (std::vector<std::uint32_t>{DownItem(kA), DelayItem(120), UpItem(kA)}));
  EXPECT_EQ(macros.EventText(0), "A");
  EXPECT_EQ(macros.EventText(1), "120  ms");
  EXPECT_EQ(macros.EventText(2), "A");
  const MacroRecord& stored = Stored(0x15000001);
  EXPECT_EQ(StoredEvents(stored),
            (std::vector<MacroEvent>{DownEvent(kA), DelayEvent(120), UpEvent(kA)}));
  EXPECT_EQ(stored.loopCount, 3u);
  EXPECT_FALSE(hooks.keyCapture());
  EXPECT_EQ(hooks.captureTarget(), &mainWindow);
  EXPECT_TRUE(macros.ButtonsEnabled());
  EXPECT_EQ(macros.RecordCaption(), "Start Record");
}

TEST_F(MacroPageModelTest, RecordingRules) {
  struct Case {
    const char* name;
    bool delayToggle;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;  // key, flags; 10 ms apart
    std::vector<std::uint32_t> items;
    std::uint32_t storedLoop;
    const char* shownLoop;
  };
  const std::vector<Case> cases = {
      {"a press stopped before its release", false, {{kA, 0}}, {DownItem(kA)}, kSingleKeyLoop, "1"},
      {"auto-repeat recorded once",
       false,
       {{kA, 0}, {kA, 0}, {kA, 0}, {kA, kRelease}},
       {DownItem(kA), DelayItem(30), UpItem(kA)},
       7,
       "7"},
      {"delays left out",
       true,
       {{kA, 0}, {kB, 0}, {kB, kRelease}},
       {DownItem(kA), DownItem(kB), UpItem(kB)},
       7,
       "7"},
      {"mouse pictures' keys as any other",
       false,
       {{1, 0}, {1, kRelease}},
       {DownItem(1), DelayItem(10), UpItem(1)},
       7,
       "7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page.reset();
    table = MacroTable();
    Put(0x15000001, {DownEvent(kB), UpEvent(kB)});
    MacroPageModel& macros = Page();
    if (macros.DelayToggleOn() != c.delayToggle) {
      macros.ClickDelayToggle();
    }
    macros.EditLoopText("7");
    Record([&] {
      for (const auto& [key, flags] : c.keys) {
        Key(key, flags);
        clock.Advance(10);
      }
    });
    EXPECT_EQ(macros.Events(), c.items);
    EXPECT_EQ(Stored(0x15000001).loopCount, c.storedLoop);
    macros.SelectMacro(-1);
    macros.SelectMacro(0);
    EXPECT_EQ(macros.LoopText(), c.shownLoop);
    // The memory of the last key stays for the next recording.
    Key(0x43, 0);
  }
}

TEST_F(MacroPageModelTest, MousePicturesReportOnlyWhileRecordingOrTakingAKey) {
  Put(0x15000001, {DownEvent(kB), UpEvent(kB)});
  MacroPageModel& macros = Page();
  macros.PressPicture(macro_page::kMiddleButtonKey, true);
  EXPECT_EQ(macros.Events().size(), 2u);
  macros.ClickDelayToggle();
  Record([&] {
    macros.PressPicture(macro_page::kRightButtonKey, true);
    macros.PressPicture(macro_page::kRightButtonKey, false);
  });
  EXPECT_EQ(StoredEvents(Stored(0x15000001)), (std::vector<MacroEvent>{DownEvent(2), UpEvent(2)}));
  macros.SelectEvent(0);
  macros.ClickModify();
  macros.PressPicture(macro_page::kMiddleButtonKey, true);
  EXPECT_EQ(macros.KeyFieldText(), std::string(GetMacroKeyName(4)));
}

TEST_F(MacroPageModelTest, TakesAtMost999KeysInOneRecording) {
  Put(0x15000001, {DownEvent(kB)});
  MacroPageModel& macros = Page();
  macros.ClickDelayToggle();
  Record([&] {
    for (int i = 0; i < 1000; ++i) {
      Key(kA, i % 2 == 0 ? 0 : kRelease);
    }
  });
  EXPECT_EQ(macros.RecordedKeys(), 999);
  EXPECT_EQ(macros.Events().size(), 999u);
  EXPECT_EQ(Stored(0x15000001).eventCount, 999u);
  EXPECT_EQ(Stored(0x15000001).events[998], DownEvent(kA));
}

TEST_F(MacroPageModelTest, SelectingAnotherMacroOrGroupStopsTheRecordingIntoTheRecordedMacro) {
  struct Case {
    const char* name;
    std::function<void(MacroPageModel&)> leave;
  };
  const std::vector<Case> cases = {
      {"another macro", [](MacroPageModel& m) { m.SelectMacro(0); }},
      {"another group", [](MacroPageModel& m) { m.PickGroupMenu(3); }},
      {"the window hides", [](MacroPageModel& m) { m.StopInputCapture(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page.reset();
    table = MacroTable();
    Put(0x15000001, {DownEvent(kB), UpEvent(kB)}, 1, "first");
    Put(0x15000002, {DownEvent(kB), UpEvent(kB)}, 1, "second");
    Put(0x03000003, {DownEvent(kB), UpEvent(kB)}, 1, "three");
    MacroPageModel& macros = Page();
    ASSERT_EQ(macros.SelectedMacro(), 1);
    macros.ToggleRecording();
    Key(kA, 0);
    clock.Advance(50);
    Key(kA, kRelease);
    c.leave(macros);
    EXPECT_FALSE(macros.Recording());
    EXPECT_FALSE(hooks.keyCapture());
    EXPECT_EQ(StoredEvents(Stored(0x15000002)),
              (std::vector<MacroEvent>{DownEvent(kA), DelayEvent(50), UpEvent(kA)}));
    EXPECT_EQ(FixedText(Stored(0x15000002).name), "second");
    EXPECT_EQ(StoredEvents(Stored(0x15000001)),
              (std::vector<MacroEvent>{DownEvent(kB), UpEvent(kB)}));
    Key(kB, 0);
    EXPECT_NE(macros.Events(),
              (std::vector<std::uint32_t>{DownItem(kA), DelayItem(50), UpItem(kA), DownItem(kB)}));
  }
}

TEST_F(MacroPageModelTest, InsertingADelaySelectsTheDelayThatTookIt) {
  struct Case {
    const char* name;
    std::vector<MacroEvent> events;
    int at;
    const char* text;
    std::vector<std::uint32_t> items;
    int selected;
  };
  const std::vector<Case> cases = {
      {"between two keys",
       {DownEvent(kA), UpEvent(kA)},
       1,
       "40",
       {DownItem(kA), DelayItem(40), UpItem(kA)},
       1},
      {"at the first event: dropped",
       {DownEvent(kA), UpEvent(kA)},
       0,
       "40",
       {DownItem(kA), UpItem(kA)},
       0},
      {"after a delay: added to it",
       {DownEvent(kA), DelayEvent(10), UpEvent(kA)},
       2,
       "40",
       {DownItem(kA), DelayItem(50), UpItem(kA)},
       1},
      {"on a delay: added to it",
       {DownEvent(kA), DelayEvent(10), UpEvent(kA)},
       1,
       "40",
       {DownItem(kA), DelayItem(50), UpItem(kA)},
       1},
      {"capped at 327,670 ms",
       {DownEvent(kA), DelayEvent(325000), UpEvent(kA)},
       2,
       "5000",
       {DownItem(kA), DelayItem(327670), UpItem(kA)},
       1},
      // A stored macro may hold delays side by side; storing merges them.
      {"after a delay that follows a delay: all three merged",
       {DownEvent(kA), DelayEvent(10), DelayEvent(20), UpEvent(kA)},
       3,
       "5",
       {DownItem(kA), DelayItem(35), UpItem(kA)},
       1},
      {"below delays side by side: the new delay stays selected as they merge",
       {DownEvent(kA), DelayEvent(10), DelayEvent(20), UpEvent(kA), DownEvent(kB)},
       4,
       "5",
       {DownItem(kA), DelayItem(30), UpItem(kA), DelayItem(5), DownItem(kB)},
       3},
      {"not a number: nothing", {DownEvent(kA), UpEvent(kA)}, 1, "", {DownItem(kA), UpItem(kA)}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page.reset();
    table = MacroTable();
    Put(0x15000001, c.events, 2);
    MacroPageModel& macros = Page();
    InsertDelay(c.at, c.text);
    EXPECT_EQ(macros.Events(), c.items);
    EXPECT_EQ(macros.SelectedEvent(), c.selected);
    EXPECT_EQ(macros.Mode(), EditMode::kIdle);
    EXPECT_FALSE(macros.Shown(Control::kDelayField));
    EXPECT_EQ(StoredEvents(Stored(0x15000001)), ToEvents(c.items));
  }
}

TEST_F(MacroPageModelTest, InsertsAndChangesKeysFromTheCapturedKey) {
  Put(0x15000001, {DownEvent(kA), DelayEvent(10), UpEvent(kA)}, 2);
  MacroPageModel& macros = Page();
  macros.SelectEvent(2);
  macros.ClickInsert();
  EXPECT_TRUE(macros.Shown(Control::kKeyOption));
  EXPECT_TRUE(macros.Shown(Control::kDelayOption));
  EXPECT_FALSE(macros.Shown(Control::kKeyField));
  macros.ClickKeyOption();
  EXPECT_TRUE(hooks.keyCapture());
  Key(kB, 0);
  EXPECT_EQ(macros.KeyFieldText(), "B");
  macros.ClickKeyOk();
  EXPECT_EQ(macros.Events(), (std::vector<std::uint32_t>{DownItem(kA), DelayItem(10), DownItem(kB),
                                                         UpItem(kB), UpItem(kA)}));
  // The pair's key-up went in last and is selected.
  EXPECT_EQ(macros.SelectedEvent(), 3);
  EXPECT_FALSE(hooks.keyCapture());

  macros.SelectEvent(0);
  macros.ClickModify();
  EXPECT_EQ(macros.Mode(), EditMode::kChangeKey);
  Key(0x43, 0);
  macros.ClickKeyOk();
  macros.SelectEvent(1);
  macros.ClickModify();
  EXPECT_EQ(macros.Mode(), EditMode::kChangeDelay);
  macros.EditDelayText("9999");
  macros.ClickDelayOk();
  EXPECT_EQ(StoredEvents(Stored(0x15000001)),
            (std::vector<MacroEvent>{DownEvent(0x43), DelayEvent(9999), DownEvent(kB), UpEvent(kB),
                                     UpEvent(kA)}));
}

TEST_F(MacroPageModelTest, DeletingAnEventLeavesNoneSelectedSoASecondClickDeletesNothing) {
  Put(0x15000001, {DownEvent(kA), DelayEvent(10), UpEvent(kA), DelayEvent(20)}, 2);
  MacroPageModel& macros = Page();
  macros.SelectEvent(2);
  macros.ClickDeleteEvent();
  // The delays that now meet are merged as the macro is stored.
  const std::vector<MacroEvent> left = {DownEvent(kA), DelayEvent(30)};
  EXPECT_EQ(macros.Events(), (std::vector<std::uint32_t>{DownItem(kA), DelayItem(30)}));
  EXPECT_EQ(macros.SelectedEvent(), -1);
  EXPECT_EQ(StoredEvents(Stored(0x15000001)), left);
  macros.ClickDeleteEvent();
  EXPECT_EQ(macros.Events().size(), 2u);
  EXPECT_EQ(StoredEvents(Stored(0x15000001)), left);
  // Nothing selected, nothing to change.
  macros.ClickModify();
  EXPECT_EQ(macros.Mode(), EditMode::kIdle);
}

TEST_F(MacroPageModelTest, DeletingTheLastEventLeavesTheStoredMacro) {
  Put(0x15000001, {DownEvent(kA), UpEvent(kA)}, 2);
  Put(0x15000002, {DownEvent(kB)});
  MacroPageModel& macros = Page();
  macros.SelectMacro(0);
  macros.SelectEvent(1);
  macros.ClickDeleteEvent();
  EXPECT_EQ(StoredEvents(Stored(0x15000001)), (std::vector<MacroEvent>{DownEvent(kA)}));
  macros.SelectEvent(0);
  macros.ClickDeleteEvent();
  EXPECT_TRUE(macros.Events().empty());
  EXPECT_EQ(StoredEvents(Stored(0x15000001)), (std::vector<MacroEvent>{DownEvent(kA)}));
  macros.SelectMacro(1);
  macros.SelectMacro(0);
  EXPECT_EQ(macros.Events(), (std::vector<std::uint32_t>{DownItem(kA)}));
}

TEST_F(MacroPageModelTest, RecordIsRefusedWhileInsertingOrChanging) {
  struct Case {
    bool chinese;
    std::function<void(MacroPageModel&)> edit;
    const char* text;
  };
  const auto insertKey = [](MacroPageModel& m) {
    m.ClickInsert();
    m.ClickKeyOption();
  };
  const auto changeDelay = [](MacroPageModel& m) {
    m.SelectEvent(1);
    m.ClickModify();
  };
  const std::vector<Case> cases = {
      {false, insertKey, "It is Modifying or inserting a button,you can not record"},
      {true, insertKey, "正在修改/插入一个键，无法录制"},
      {false, changeDelay, "It is Modifying or inserting a delay,you can not record"},
      {true, changeDelay, "正在修改/插入一个延时，无法录制"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    page.reset();
    messages.shown.clear();
    localisation.chineseUi = c.chinese;
    table = MacroTable();
    Put(0x15000001, {DownEvent(kA), DelayEvent(5), UpEvent(kA)}, 2);
    MacroPageModel& macros = Page();
    c.edit(macros);
    const EditMode mode = macros.Mode();
    macros.ToggleRecording();
    EXPECT_FALSE(macros.Recording());
    EXPECT_EQ(macros.Mode(), mode);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.text});
  }
}

TEST_F(MacroPageModelTest, TheLoopTimerBringsTheFieldIntoRangeAndStoresIt) {
  struct Case {
    const char* typed;
    const char* shown;
    std::uint32_t stored;
  };
  const std::vector<Case> cases = {
      {"00012", "12", 12}, {"0", "1", 1}, {"", "1", 1}, {"70000", "65533", 65533}, {"5", "5", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    page.reset();
    table = MacroTable();
    Put(0x15000001, {DownEvent(kA), UpEvent(kA)}, 9);
    MacroPageModel& macros = Page();
    macros.EditLoopText(c.typed);
    timers.Advance(macro_page::kLoopTimerMs);
    EXPECT_EQ(macros.LoopText(), c.shown);
    EXPECT_EQ(Stored(0x15000001).loopCount, c.stored);
  }
}

TEST_F(MacroPageModelTest, NewMacroTakesTheGroupAndTickAndIsStoredWithItsFirstEvents) {
  clock.Advance(0x12345678 - clock.NowMs());
  MacroPageModel& macros = Page();
  macros.SelectGroup(3);
  macros.NewMacro();
  ASSERT_EQ(macros.Macros().size(), 1u);
  const std::uint32_t identifier = macros.Macros()[0].identifier;
  EXPECT_EQ(identifier, 0x03345678u);
  EXPECT_EQ(macros.Macros()[0].name, "New Macro");
  EXPECT_EQ(macros.LoopText(), "1");
  EXPECT_EQ(table.FindMacro(identifier), nullptr);
  // A second one in the same millisecond gets an identifier of its own.
  macros.NewMacro();
  EXPECT_EQ(macros.Macros()[1].identifier, 0x03345679u);
  macros.RenameMacro(1, "Rapid");
  Record([&] { Key(kA, 0); });
  EXPECT_EQ(FixedText(Stored(0x03345679).name), "Rapid");
  EXPECT_EQ(table.ListMacrosOfGroup(3).size(), 1u);
  EXPECT_TRUE(table.ListMacrosOfGroup(kCustomGroup).empty());
}

TEST_F(MacroPageModelTest, DeleteIsRefusedForAMacroInUse) {
  Put(0x15000001, {DownEvent(kA)});
  Put(0x15000002, {DownEvent(kB)});
  current.buttons[3].functionCode = kFunctionMacro;
  current.buttons[3].macroId = 0x15000002;
  MacroPageModel& macros = Page();
  macros.DeleteMacro();
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"The macro is being applied and cannot be deleted!"});
  EXPECT_EQ(macros.Macros().size(), 2u);
  EXPECT_NE(table.FindMacro(0x15000002), nullptr);
  macros.SelectMacro(0);
  macros.DeleteMacro();
  EXPECT_EQ(macros.Macros().size(), 1u);
  EXPECT_EQ(table.FindMacro(0x15000001), nullptr);
  EXPECT_EQ(macros.SelectedMacro(), -1);
  EXPECT_TRUE(macros.Events().empty());
  EXPECT_EQ(test::ReadBytes(store.Path()), test::TableBytes(table));
}

TEST_F(MacroPageModelTest, RenameStoresOnlyANameThatDiffers) {
  Put(0x15000001, {DownEvent(kA)}, 1, "same");
  MacroPageModel& macros = Page();
  const std::uint64_t before = clock.NowMs();
  macros.RenameMacro(0, "same");
  // Every save pauses around its write: no pause, no save.
  EXPECT_EQ(clock.NowMs(), before);
  macros.RenameMacro(0, "other");
  EXPECT_GT(clock.NowMs(), before);
  EXPECT_EQ(FixedText(Stored(0x15000001).name), "other");
  EXPECT_EQ(test::ReadBytes(store.Path()), test::TableBytes(table));
}

TEST_F(MacroPageModelTest, OutsideChangesRelistTheGroupOnceNoRecordingRuns) {
  Put(0x15000001, {DownEvent(kA)}, 1, "one");
  Put(0x15000002, {DownEvent(kB)}, 1, "two");
  MacroPageModel& macros = Page();
  macros.SelectMacro(0);
  macros.ToggleRecording();
  Key(kA, 0);
  Put(0x15000003, {DownEvent(kB)}, 1, "three");
  macros.RefreshMacros();
  EXPECT_EQ(macros.Macros().size(), 2u);
  EXPECT_TRUE(macros.Recording());
  macros.ToggleRecording();
  ASSERT_EQ(macros.Macros().size(), 3u);
  EXPECT_EQ(macros.Macros()[2].name, "three");
  EXPECT_EQ(macros.SelectedMacro(), 0);
}

TEST_F(MacroPageModelTest, ARenameUnderWayIsFinishedBeforeTheListIsFilledAgain) {
  Put(0x15000001, {DownEvent(kA)}, 1, "gone");
  Put(0x15000002, {DownEvent(kA)}, 1, "one");
  Put(0x15000003, {DownEvent(kB)}, 1, "two");
  table.ClearMacro(0x15000001);
  MacroPageModel& macros = Page();
  OpenEditor editor;
  editor.page = &macros;
  macros.SetObserver(&editor);

  // Another program stores a macro into the free first slot while the second
  // row is renamed: the rows move under the editor.
  editor.row = 1;
  editor.typed = "Spray";
  Put(0x15000004, {DownEvent(kB)}, 1, "new");
  macros.RefreshMacros();
  EXPECT_EQ(editor.row, -1);
  ASSERT_EQ(macros.Macros().size(), 3u);
  EXPECT_EQ(macros.Macros()[1].name, "one");
  EXPECT_EQ(macros.Macros()[2].name, "Spray");
  EXPECT_EQ(FixedText(Stored(0x15000002).name), "one");
  EXPECT_EQ(FixedText(Stored(0x15000003).name), "Spray");
  EXPECT_EQ(test::ReadBytes(store.Path()), test::TableBytes(table));

  // A new macro, not stored yet, keeps its name and is stored with it.
  macros.NewMacro();
  editor.typed = "Burst";
  Put(0x15000005, {DownEvent(kA)}, 1, "later");
  macros.RefreshMacros();
  ASSERT_EQ(macros.Macros().size(), 5u);
  EXPECT_EQ(macros.Macros()[4].name, "Burst");
  EXPECT_EQ(macros.SelectedMacro(), 4);
  Record([&] { Key(kA, 0); });
  EXPECT_EQ(FixedText(Stored(macros.Macros()[4].identifier).name), "Burst");

  // Picking a group fills the list again too.
  macros.SelectMacro(0);
  editor.row = 0;
  editor.typed = "Fresh";
  macros.SelectGroup(3);
  EXPECT_EQ(FixedText(Stored(0x15000004).name), "Fresh");
}

TEST_F(MacroPageModelTest, GroupMenuListsTheGroupsAndPickingOneRelists) {
  Put(0x03000001, {DownEvent(kA)}, 1, "cs");
  MacroPageModel& macros = Page();
  EXPECT_EQ(macros.GroupCaption(), "Customisze");
  const std::vector<PopupMenuItem> items = macros.GroupMenuItems();
  ASSERT_EQ(items.size(), 21u);
  EXPECT_EQ(items[0].command, 1);
  EXPECT_EQ(items[0].text, "Battlefield 3 ");
  EXPECT_EQ(items[20].text, "Customize");
  EXPECT_EQ(macros.GroupMenuPoint(), (Point{26, 72}));
  macros.OpenGroupMenu();
  EXPECT_TRUE(macros.GroupMenuOpen());
  macros.PickGroupMenu(0x10003);
  EXPECT_FALSE(macros.GroupMenuOpen());
  EXPECT_EQ(macros.Group(), 3);
  EXPECT_EQ(macros.GroupCaption(), "Counter-Strike: Global Offensive");
  ASSERT_EQ(macros.Macros().size(), 1u);
  EXPECT_EQ(macros.Macros()[0].name, "cs");
}

TEST_F(MacroPageModelTest, HintsByPosition) {
  struct Case {
    bool chinese;
    bool recording;
    Point point;
    std::vector<int> hints;
  };
  const std::vector<Case> cases = {
      {false, false, {30, 420}, {40}},
      {false, false, {25, 411}, {40}},   // one pixel outside the button still counts
      {false, false, {100, 200}, {87}},  // the list itself has none, its zone has
      {false, false, {800, 30}, {45}},
      {false, true, {800, 30}, {46}},
      {false, false, {365, 420}, {42}},
      {true, false, {365, 420}, {42}},
      {false, false, {720, 190}, {49}},
      {true, false, {720, 190}, {}},
      {false, false, {700, 320}, {}},  // the hidden key option
      {false, false, {400, 100}, {88}},
  };
  Put(0x15000001, {DownEvent(kA)});
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.point.x) + "," + std::to_string(c.point.y));
    page.reset();
    localisation.chineseUi = c.chinese;
    MacroPageModel& macros = Page();
    if (c.recording) {
      macros.ToggleRecording();
    }
    hints.clear();
    macros.MouseMove(c.point);
    EXPECT_EQ(hints, c.hints);
  }
}

}  // namespace
}  // namespace n63k
