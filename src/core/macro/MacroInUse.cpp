#include "core/macro/MacroInUse.h"

#include <algorithm>

#include "core/buttons/FunctionCatalogue.h"

namespace n63k {

bool IsMacroInUse(std::uint32_t identifier, const ProfileTableEntries& profiles,
                  const ProfileRecord& current) {
  const bool inTable = std::any_of(profiles.begin(), profiles.end(), [&](const auto& entry) {
    return std::find(std::begin(entry.macroIds), std::end(entry.macroIds), identifier) !=
           std::end(entry.macroIds);
  });
  const bool onButton =
      std::any_of(std::begin(current.buttons), std::end(current.buttons), [&](const auto& button) {
        return button.functionCode == kFunctionMacro && button.macroId == identifier;
      });
  return inTable || onButton;
}

}  // namespace n63k
