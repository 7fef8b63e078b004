// Fuzz target: the bytes of Macro.cfg, loaded at start-up; then each stored
// macro encoded and written into a device macro slot of a simulated mouse,
// the macro page's lists and events with an edit of each macro, and a new
// macro stored and deleted again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "core/base/Clock.h"
#include "core/base/ManualTimers.h"
#include "core/buttons/InputHooks.h"
#include "core/device/DeviceCommands.h"
#include "core/device/DeviceLink.h"
#include "core/device/SimulatedMouse.h"
#include "core/macro/GameGroups.h"
#include "core/macro/MacroEncoder.h"
#include "core/macro/MacroStore.h"
#include "core/pages/MacroEditorRules.h"
#include "core/pages/MacroPageModel.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileTable.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace n63k;
using fuzz::Check;

void CheckImage(const MacroImage& image) {
  Check(image.wordCount >= 1 && image.wordCount <= kMacroImageWordLimit);
  Check(std::all_of(image.bytes.begin() + static_cast<std::ptrdiff_t>(2 * image.wordCount),
                    image.bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

// What the worker does for a button that plays the macro.
void SendToMouse(const MacroRecord& record) {
  VirtualClock clock;
  SimulatedMouse mouse(clock);
  mouse.Open();
  DeviceLink link(mouse, clock);
  const MacroImage image = EncodeMacro(record);
  CheckImage(image);
  const MacroWrite written = WriteMacro(link, 1, record);
  Check(written.sent && written.wordCount == image.wordCount);
  Check(mouse.memory().macros[0] == image.bytes);
}

// The file equals the table after every change.
bool FileIsTable(const fuzz::MemoryFiles& files, const MacroStore& store, const MacroTable& table) {
  const auto file = files.files.find(store.Path());
  return file != files.files.end() && std::ranges::equal(file->second, table.Bytes());
}

// The macro page lists every group, shows each macro's events, and stores a
// macro again when one of its events is deleted.
void BrowsePage(const std::filesystem::path& folder, MacroTable& table, MacroStore& store,
                const fuzz::MemoryFiles& files, VirtualClock& clock) {
  ManualTimers timers(clock);
  Localisation localisation;
  localisation.chineseUi = false;
  ProfileFiles profileFiles(folder, localisation, SystemFiles());
  ButtonMacroIds macroIds{};
  const ProfileTable profiles(folder, profileFiles, macroIds, SystemFiles());
  ProfileRecord current;
  BuildDefaultProfile(current, false);
  fuzz::SilentMessages messages;
  MouseWatchList watchList;
  InputHooks hooks(watchList);
  MacroPageModel page({.table = table,
                       .store = store,
                       .profiles = profiles,
                       .current = current,
                       .localisation = localisation,
                       .messages = messages,
                       .tell = [](const Outcome&) {},
                       .timers = timers,
                       .clock = clock,
                       .hooks = hooks,
                       .showHint = [](int) {}});
  for (int group = kFirstGroup; group <= kLastGroup; ++group) {
    page.ListGroup(group);
    for (int index = 0; index < static_cast<int>(page.Macros().size()); ++index) {
      page.SelectMacro(index);
      for (std::size_t event = 0; event < page.Events().size(); ++event) {
        static_cast<void>(page.EventText(event));
      }
      if (!page.Events().empty()) {
        const fuzz::Bytes before(table.Bytes().begin(), table.Bytes().end());
        page.SelectEvent(0);
        page.ClickDeleteEvent();
        // What the page stored is in the file; a macro left without a key
        // is not stored at all.
        Check(std::ranges::equal(before, table.Bytes()) || FileIsTable(files, store, table));
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MacroTable table;
  // The file lives in memory; the store only looks whether it exists on disk.
  static fuzz::ScratchFolder scratch("macro-file");
  static const std::filesystem::path folder = scratch.Empty();
  fuzz::MemoryFiles files;
  VirtualClock clock;
  MacroStore store(folder, table, files, clock);
  const fuzz::Bytes bytes = fuzz::ToBytes(data, size);
  files.files[store.Path()] = bytes;
  Check(store.LoadMacroTable().ok());

  // The table holds what the file held, zeros after a short file.
  static const fuzz::Bytes kZeros(sizeof(MacroSlots));
  const std::span<const std::uint8_t> held = table.Bytes();
  const std::size_t read = std::min(bytes.size(), held.size());
  Check(std::memcmp(held.data(), data, read) == 0);
  Check(std::memcmp(held.data() + read, kZeros.data(), held.size() - read) == 0);

  for (const MacroRecord& record : table.Slots()) {
    if (!HoldsMacro(record)) {
      continue;
    }
    if (const MacroRecord* sent = table.FindMacroToSend(record.identifier)) {
      SendToMouse(*sent);
    }
  }

  BrowsePage(folder, table, store, files, clock);

  // The macro page's New macro, then its Delete.
  const std::uint32_t items[] = {
      MakeEditorItem(EditorItemType::kKeyDown, 0x41),
      MakeEditorItem(EditorItemType::kKeyUp, 0x41),
  };
  const std::uint32_t identifier = table.NewUnusedMacroId(kLastGroup, clock);
  const auto made = ComposeEditedMacro({std::begin(items), std::end(items)}, "1", identifier,
                                       NewMacroName(false));
  Check(made.has_value());
  const bool room =
      std::ranges::any_of(table.Slots(), [](const MacroRecord& slot) { return slot.magic == 0; });
  const Outcome stored = store.StoreMacro(*made);
  Check(stored.ok() == room);
  if (room) {
    Check(FileIsTable(files, store, table));
    const MacroRecord* found = table.FindMacro(identifier);
    Check(found != nullptr && HoldsMacro(*found));
    ProfileRecord current;
    BuildDefaultProfile(current, false);
    Check(store.DeleteMacro(identifier, DefaultProfileTable(), current).ok());
    Check(FileIsTable(files, store, table));
    Check(table.FindMacro(identifier) == nullptr);
  }
  return 0;
}
