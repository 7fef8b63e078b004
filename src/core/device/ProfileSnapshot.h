#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/buttons/ButtonSlots.h"
#include "core/macro/MacroRecord.h"
#include "core/macro/MacroTable.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// Everything one write sends, copied on the thread that asks for the write,
// so that the pages may go on editing while the worker sends it.
struct ProfileSnapshot {
  ProfileRecord record;
  ButtonMacroIds macroIds;
  // The macro each button plays when its function is a macro, as the table
  // held it; none where the table has no such macro.
  std::array<std::optional<MacroRecord>, kButtonCount> macros;
  // The slots set to a macro that the table no longer has; they are sent as
  // their default function, and the user is told.
  std::vector<int> missingMacros;
};

ProfileSnapshot TakeSnapshot(const ProfileRecord& record, const ButtonMacroIds& macroIds,
                             const MacroTable& table);

}  // namespace n63k
