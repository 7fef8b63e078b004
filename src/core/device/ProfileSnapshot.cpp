#include "core/device/ProfileSnapshot.h"

#include "core/buttons/FunctionCatalogue.h"

namespace n63k {

ProfileSnapshot TakeSnapshot(const ProfileRecord& record, const ButtonMacroIds& macroIds,
                             const MacroTable& table) {
  ProfileSnapshot snapshot{record, macroIds, {}, {}};
  for (std::size_t slot = 0; slot < snapshot.macros.size(); ++slot) {
    if (record.buttons[slot].functionCode != kFunctionMacro) {
      continue;
    }
    if (const MacroRecord* macro = table.FindMacroToSend(macroIds[slot])) {
      snapshot.macros[slot] = *macro;
    } else {
      snapshot.missingMacros.push_back(static_cast<int>(slot));
    }
  }
  return snapshot;
}

}  // namespace n63k
