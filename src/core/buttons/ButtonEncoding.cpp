#include "core/buttons/ButtonEncoding.h"

#include "core/buttons/ButtonSlots.h"
#include "core/buttons/DeviceWord.h"
#include "core/buttons/FunctionCatalogue.h"

namespace n63k {
namespace {

const ButtonSlot* SlotAt(int slot) {
  if (slot < 0 || slot >= kButtonCount) {
    return nullptr;
  }
  return &kButtonSlots[static_cast<std::size_t>(slot)];
}

}  // namespace

std::optional<std::uint32_t> EncodeButtonWord(int slot, const ButtonEntry& entry,
                                              std::optional<DeviceMacro> macro) {
  const ButtonSlot* button = SlotAt(slot);
  if (button == nullptr) {
    return std::nullopt;
  }
  if (const ButtonFunction* function = FindFunction(entry.functionCode)) {
    return function->deviceWord;
  }
  switch (entry.functionCode) {
    case kFunctionCombination:
      return entry.comboWord;
    case kFunctionMacro:
      if (!macro) {
        return button->defaultWord;
      }
      return MacroDeviceWord(macro->slot, macro->wordCount);
    case kFunctionPcAction:
      return button->defaultWord;
    default:
      return std::nullopt;
  }
}

void WatchButton(MouseWatchList& watchList, int slot, const ButtonEntry& entry) {
  const ButtonSlot* button = SlotAt(slot);
  if (button == nullptr) {
    return;
  }
  watchList.Unwatch(button->hookIdentity);
  if (entry.functionCode == kFunctionPcAction) {
    watchList.Watch(button->hookIdentity);
  }
}

}  // namespace n63k
