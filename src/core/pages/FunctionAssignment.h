#pragma once

#include <string>
#include <string_view>

#include "core/base/UserMessages.h"
#include "core/buttons/ChooserResult.h"
#include "core/buttons/KeyCharacters.h"
#include "core/i18n/TextTable.h"
#include "core/macro/MacroTable.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// Gives the buttons of the current profile record their functions, as the
// button page asks after the chooser closed with OK.
class FunctionAssignment {
 public:
  FunctionAssignment(ProfileRecord& record, ButtonMacroIds& macroIds, const MacroTable& macros,
                     UserMessages& messages, const Localisation& localisation,
                     const KeyCharacters& keyCharacters);

  // Validates a chooser result and writes it into its slot's entry. Refused,
  // with nothing changed: a result that takes away the last left click or
  // puts the sniper on a wheel direction (each told to the user, the left
  // click first), and a result the chooser cannot produce (a slot outside
  // 0-6, an unknown kind, a basic code outside the catalogue, an unknown PC
  // action). The change stays in memory until the profile is applied.
  bool AssignFunction(const ChooserResult& result);

  // Rewrites a slot's caption into the interface language when it is the
  // name of one of the seven default functions in the other language.
  void NormaliseCaption(int slot);

 private:
  ProfileRecord& record_;
  ButtonMacroIds& macroIds_;
  const MacroTable& macros_;
  UserMessages& messages_;
  const Localisation& localisation_;
  const KeyCharacters& keyCharacters_;
};

// A caption as the interface language shows it: the name of one of the seven
// default functions in the other language becomes its name in this one.
std::string CaptionInLanguage(std::string_view caption, bool chineseUi);

}  // namespace n63k
