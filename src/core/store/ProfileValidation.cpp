#include "core/store/ProfileValidation.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/base/Hex.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/store/DpiValues.h"
#include "core/store/ProfileRecord.h"

namespace n63k {
namespace {

constexpr std::array<std::int32_t, 4> kPcActionKinds = {0xC0, 0xD0, 0xE0, 0xF0};

ProfileCheck Defect(ProfileDefect defect, int index, std::string description) {
  return {defect, index, std::move(description)};
}

std::string ButtonName(int slot) {
  return "button " + std::to_string(slot) + " (" +
         std::string(kButtonSlots[static_cast<std::size_t>(slot)].name) + ")";
}

template <std::size_t N>
bool Terminated(const char16_t (&field)[N]) {
  return std::find(field, field + N, u'\0') != field + N;
}

bool IsKnownCode(std::int32_t code) {
  return FindFunction(code) != nullptr || code == kFunctionCombination || code == kFunctionMacro ||
         code == kFunctionPcAction;
}

ProfileCheck CheckButton(const ButtonEntry& entry, int slot) {
  const std::int32_t code = entry.functionCode;
  if (!IsKnownCode(code)) {
    return Defect(ProfileDefect::kFunctionCode, slot,
                  ButtonName(slot) + ": unknown function code " + std::to_string(code));
  }
  if (code == kFunctionPcAction && std::find(kPcActionKinds.begin(), kPcActionKinds.end(),
                                             entry.pcActionKind) == kPcActionKinds.end()) {
    return Defect(ProfileDefect::kPcActionKind, slot,
                  ButtonName(slot) + ": unknown PC action kind " +
                      Hex32(static_cast<std::uint32_t>(entry.pcActionKind)));
  }
  if (code == kFunctionSnipe && (slot == 5 || slot == 6)) {
    return Defect(ProfileDefect::kSniperOnWheel, slot,
                  ButtonName(slot) + ": the sniper on a wheel direction");
  }
  if (!Terminated(entry.pcActionPath)) {
    return Defect(ProfileDefect::kUnterminatedText, slot,
                  ButtonName(slot) + ": PC action path not terminated");
  }
  if (!Terminated(entry.caption)) {
    return Defect(ProfileDefect::kUnterminatedText, slot,
                  ButtonName(slot) + ": caption not terminated");
  }
  return {};
}

ProfileCheck CheckButtons(const ProfileRecord& record) {
  for (int slot = 0; slot < kButtonCount; ++slot) {
    if (ProfileCheck check = CheckButton(record.buttons[slot], slot); !check.valid()) {
      return check;
    }
  }
  const bool clicks =
      std::any_of(std::begin(record.buttons), std::end(record.buttons),
                  [](const ButtonEntry& entry) { return entry.functionCode == kFunctionClick; });
  if (!clicks) {
    return Defect(ProfileDefect::kNoLeftClick, -1, "no button is a left click");
  }
  return {};
}

// Only the first seven levels go to the mouse, each through its stage code;
// without one the mouse would be left with no stage at all.
ProfileCheck CheckDpiStages(const ProfileRecord& record) {
  const auto* stages = std::begin(record.dpiLevels);
  if (std::none_of(stages, stages + kDpiStageCount,
                   [](std::int32_t dpi) { return DpiStageCode(dpi) != kNoStageCode; })) {
    return Defect(ProfileDefect::kNoDpiStage, -1, "no DPI stage the mouse has a code for");
  }
  return {};
}

}  // namespace

ProfileCheck ValidateProfile(std::span<const std::uint8_t> bytes, std::uint64_t fileSize) {
  if (bytes.size() != sizeof(ProfileRecord) || fileSize != sizeof(ProfileRecord)) {
    return Defect(ProfileDefect::kSize, -1,
                  "size " + std::to_string(std::max<std::uint64_t>(fileSize, bytes.size())) +
                      " bytes, expected " + std::to_string(sizeof(ProfileRecord)));
  }
  ProfileRecord record;
  std::memcpy(&record, bytes.data(), sizeof record);
  if (record.magic != kProfileMagic) {
    return Defect(ProfileDefect::kMagic, -1,
                  "magic " + Hex32(record.magic) + ", expected " + Hex32(kProfileMagic));
  }
  ProfileCheck check = CheckButtons(record);
  if (check.valid()) {
    check = CheckDpiStages(record);
  }
  return check;
}

}  // namespace n63k
