// Fuzz target: a profile file's bytes, checked as a load or an import checks
// them; a profile that passes is shown on the button and lighting pages and
// written to a simulated mouse, each button's macro included, as Apply
// writes it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/base/Clock.h"
#include "core/base/ManualTimers.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/KeyCharacters.h"
#include "core/device/DeviceLink.h"
#include "core/device/SimulatedMouse.h"
#include "core/device/SyncOutcomeWaiter.h"
#include "core/macro/MacroEncoder.h"
#include "core/pages/ButtonPageModel.h"
#include "core/pages/FunctionAssignment.h"
#include "core/pages/LightingPage.h"
#include "core/pages/MacroEditorRules.h"
#include "core/store/DpiValues.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileValidation.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace n63k;
using fuzz::Check;

class StillPointer final : public PagePointer {
 public:
  Point Position() const override { return {0, 0}; }
  bool WindowInFront() const override { return true; }
};

// The pages show the record as loaded: showing it changes nothing.
void ShowPages(ProfileRecord& record) {
  static MacroTable macros;
  Localisation localisation;
  localisation.chineseUi = false;
  ButtonMacroIds macroIds{};
  fuzz::SilentMessages messages;
  UsKeyCharacters keys;
  FunctionAssignment assignment(record, macroIds, macros, messages, localisation, keys);
  VirtualClock clock;
  ManualTimers timers(clock);
  StillPointer pointer;
  ProfileRecord before;
  std::memcpy(&before, &record, sizeof record);

  ButtonPageModel buttons(record, assignment, localisation, timers, pointer, [](int) {});
  buttons.RefreshButtonPage();
  for (int slot = 0; slot < kButtonCount; ++slot) {
    static_cast<void>(buttons.TabCaption(slot));
  }
  LightingPage lighting(record, localisation, [](int) {});
  lighting.Refresh();
  Check(std::memcmp(&before, &record, sizeof record) == 0);
}

// A macro for every button that plays one, under the identifier it names.
MacroTable& MacrosOf(const ProfileRecord& record, ButtonMacroIds& macroIds) {
  static MacroTable table;
  const std::uint32_t items[] = {
      MakeEditorItem(EditorItemType::kKeyDown, 0x41),
      MakeEditorItem(EditorItemType::kDelay, 30),
      MakeEditorItem(EditorItemType::kKeyUp, 0x41),
  };
  table.Fill({});
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const ButtonEntry& entry = record.buttons[slot];
    macroIds[static_cast<std::size_t>(slot)] = entry.macroId;
    if (entry.functionCode == kFunctionMacro && table.FindMacroToSend(entry.macroId) == nullptr) {
      Check(table.PutMacro(
          *ComposeEditedMacro({std::begin(items), std::end(items)}, "2", entry.macroId, "fuzz")));
    }
  }
  return table;
}

void WriteToMouse(const ProfileRecord& record) {
  ButtonMacroIds macroIds{};
  const MacroTable& macros = MacrosOf(record, macroIds);
  VirtualClock clock;
  SimulatedMouse mouse(clock);
  mouse.Open();
  DeviceLink link(mouse, clock);
  fuzz::IgnoredPointer pointer;
  MouseWatchList watchList;
  SyncOutcomeWaiter outcome;
  const ProfileSnapshot snapshot = TakeSnapshot(record, macroIds, macros);
  Check(snapshot.missingMacros.empty());
  {
    SyncWorker worker(link, pointer, watchList, outcome);
    worker.Start();
    Check(worker.RequestSync(snapshot));
    // A valid profile always goes to a mouse that takes every report.
    Check(!outcome.Wait().has_value());
  }

  const SimulatedMouse::Memory& memory = mouse.memory();
  Check(memory.dpiStages >= 1 && memory.dpiStages <= kDpiStageCount);
  Check(memory.reportRate == 1 || memory.reportRate == 2 || memory.reportRate == 4 ||
        memory.reportRate == 8);
  std::size_t slot = 0;
  for (const auto& macro : snapshot.macros) {
    if (macro) {
      Check(slot < memory.macros.size() && memory.macros[slot] == EncodeMacro(*macro).bytes);
      ++slot;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Bytes bytes = fuzz::ToBytes(data, size);
  const ProfileCheck check = ValidateProfile(bytes);
  Check(check.valid() == check.description.empty());
  Check(size == sizeof(ProfileRecord) || check.defect == ProfileDefect::kSize);
  if (!check.valid()) {
    return 0;
  }
  ProfileRecord record;
  std::memcpy(&record, bytes.data(), sizeof record);
  ShowPages(record);
  WriteToMouse(record);
  return 0;
}
