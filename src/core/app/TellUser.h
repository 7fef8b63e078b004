#pragma once

#include "core/base/Outcome.h"
#include "core/base/UserMessages.h"
#include "core/device/ProfileSnapshot.h"
#include "core/i18n/TextTable.h"

namespace n63k {

// The one place where what an operation told becomes the user's message: the
// box it is shown in and its text in the current language, one message per
// notice, in order.
void TellUser(const Outcome& outcome, UserMessages& messages, const Localisation& localisation);

// Before a write: each button whose macro no longer exists, named, since it
// goes out as its default function.
void TellMissingMacros(const ProfileSnapshot& snapshot, UserMessages& messages,
                       const Localisation& localisation);

}  // namespace n63k
