#pragma once

#include <cstdint>
#include <string>

namespace n63k {

// `kind` of a chooser result: a basic function, or the function code of the
// page that produced it (combination 5, macro 6, PC action 19, disable 121).
inline constexpr std::int32_t kChooserBasic = 0;

// What the function chooser hands back to the button page.
struct ChooserResult {
  std::int32_t buttonIndex = 0;  // slot 0-6, set before the chooser opens
  // Basic: the function code; combination: its device word; macro: the macro
  // identifier; PC action: the tag; disable: 7.
  std::uint32_t value = 0;
  std::int32_t kind = kChooserBasic;
  std::int32_t subKind = 0;  // PC action: 0 sound, 1 program, 2 file, 3 folder
  std::string path;          // PC action: the chosen path
};

}  // namespace n63k
