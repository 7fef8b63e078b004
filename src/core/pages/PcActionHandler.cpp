#include "core/pages/PcActionHandler.h"

#include <optional>
#include <string>

#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/MouseInput.h"

namespace n63k {

namespace {
constexpr std::int32_t kSound = 0xC0;
constexpr std::int32_t kProgram = 0xD0;
constexpr std::int32_t kFile = 0xE0;
constexpr std::int32_t kFolder = 0xF0;
}  // namespace

void PcActionHandler::Reported(std::uint32_t identity) {
  pages_.CountClick(identity);
  // The left button runs its action too: the hooks swallow its presses once
  // it is watched, and a left button that did nothing at all would look
  // broken.
  const std::optional<int> slot = SlotOfIdentity(identity);
  if (!slot) {
    return;
  }
  const ButtonEntry& entry = current_.buttons[*slot];
  if (entry.functionCode != kFunctionPcAction) {
    return;
  }
  const std::string path = FixedText(entry.pcActionPath);
  if (path.empty()) {
    return;
  }
  switch (entry.pcActionKind) {
    case kSound:
      actions_.PlaySound(path);
      break;
    case kProgram:
      actions_.StartProgram(path);
      break;
    case kFile:
    case kFolder:
      actions_.OpenWithDefaultHandler(path);
      break;
    default:
      break;
  }
}

}  // namespace n63k
