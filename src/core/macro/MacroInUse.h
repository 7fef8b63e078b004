#pragma once

#include <cstdint>

#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"

namespace n63k {

// Whether a macro may not be deleted: a button of any of the five profiles
// plays it (by the profile table), or a button of the current profile record
// has it as its macro function.
bool IsMacroInUse(std::uint32_t identifier, const ProfileTableEntries& profiles,
                  const ProfileRecord& current);

}  // namespace n63k
