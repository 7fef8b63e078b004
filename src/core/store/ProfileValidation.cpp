#include "core/store/ProfileValidation.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "core/base/Hex.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/store/DpiValues.h"
#include "core/store/ProfileRecord.h"

namespace n63k {
namespace {

constexpr std::array<std::int32_t, 4> kPcActionKinds = {0xC0, 0xD0, 0xE0, 0xF0};
constexpr std::int32_t kLastPresetIndex = 25;

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

// One to seven stages of offered values in ascending order, then zeros: the
// only shape the button page produces and the mouse is sent.
ProfileCheck CheckDpiStages(const ProfileRecord& record) {
  const auto bad = [](int index, std::string what) {
    return Defect(ProfileDefect::kDpiStages, index,
                  "DPI entry " + std::to_string(index) + ": " + std::move(what));
  };
  std::size_t stages = 0;
  for (std::size_t i = 0; i < std::size(record.dpiLevels); ++i) {
    const std::int32_t value = record.dpiLevels[i];
    const int index = static_cast<int>(i);
    if (value == 0) {
      continue;
    }
    if (i >= kDpiStageCount) {
      return bad(index, std::to_string(value) + " beyond the seven stages");
    }
    if (stages != i) {
      return bad(index, std::to_string(value) + " after an empty stage");
    }
    if (std::find(kDpiValues.begin(), kDpiValues.end(), value) == kDpiValues.end()) {
      return bad(index, std::to_string(value) + " is not an offered value");
    }
    if (i > 0 && value <= record.dpiLevels[i - 1]) {
      return bad(index,
                 std::to_string(value) + " not above " + std::to_string(record.dpiLevels[i - 1]));
    }
    ++stages;
  }
  if (stages == 0) {
    return Defect(ProfileDefect::kDpiStages, -1, "no DPI stage");
  }
  return {};
}

// A single number of the record with the values it may take.
struct FieldRule {
  ProfileDefect defect;
  std::int32_t ProfileRecord::*field;
  std::string_view name;
  bool (*allowed)(std::int32_t);
  std::string_view expected;
};

constexpr bool OffOrOn(std::int32_t v) {
  return v == 0 || v == 1;
}

constexpr FieldRule kFieldsBeforeColours[] = {
    {ProfileDefect::kSensorHeight, &ProfileRecord::sensorHeight, "sensor height",
     [](std::int32_t v) { return v >= 1 && v <= 30; }, "1-30"},
    {ProfileDefect::kPollingRate, &ProfileRecord::pollingRate, "report interval",
     [](std::int32_t v) { return v == 1 || v == 2 || v == 4 || v == 8; }, "1, 2, 4 or 8"},
    {ProfileDefect::kLedMode, &ProfileRecord::ledMode, "lighting mode",
     [](std::int32_t v) { return v >= 1 && v <= 6; }, "1-6"},
    {ProfileDefect::kLedMultiColour, &ProfileRecord::ledMultiColour, "multi-colour switch", OffOrOn,
     "0 or 1"},
};

constexpr FieldRule kFieldsAfterColours[] = {
    {ProfileDefect::kProximitySensing, &ProfileRecord::proximitySensing, "proximity sensing",
     OffOrOn, "0 or 1"},
    {ProfileDefect::kPointerPrecision, &ProfileRecord::pointerPrecision, "pointer precision",
     OffOrOn, "0 or 1"},
    {ProfileDefect::kPointerSpeed, &ProfileRecord::pointerSpeed, "pointer speed",
     [](std::int32_t v) { return v >= 1 && v <= 20; }, "1-20"},
    {ProfileDefect::kLedBrightness, &ProfileRecord::ledBrightness, "brightness of lighting mode 1",
     [](std::int32_t v) { return v >= 1 && v <= 10; }, "1-10"},
    {ProfileDefect::kLedBreathingSpeed, &ProfileRecord::ledBreathingSpeed,
     "speed of lighting mode 2", [](std::int32_t v) { return v >= 1 && v <= 5; }, "1-5"},
    {ProfileDefect::kLedCycleSpeed, &ProfileRecord::ledCycleSpeed, "speed of lighting mode 5",
     [](std::int32_t v) { return v == 2 || v == 4 || v == 6; }, "2, 4 or 6"},
    {ProfileDefect::kWheelScrollLines, &ProfileRecord::wheelScrollLines, "wheel scroll lines",
     [](std::int32_t v) { return (v >= 1 && v <= 30) || v == -1; }, "1-30 or -1"},
};

ProfileCheck CheckFields(const ProfileRecord& record, std::span<const FieldRule> rules) {
  for (const FieldRule& rule : rules) {
    const std::int32_t value = record.*rule.field;
    if (!rule.allowed(value)) {
      return Defect(rule.defect, -1,
                    std::string(rule.name) + " " + std::to_string(value) + ", expected " +
                        std::string(rule.expected));
    }
  }
  return {};
}

ProfileCheck CheckColours(const ProfileRecord& record) {
  for (int i = 0; i < 4; ++i) {
    const std::string colour = "colour " + std::to_string(i) + ": ";
    if ((record.ledColours[i] & 0xFF000000u) != 0) {
      return Defect(ProfileDefect::kLedColour, i,
                    colour + Hex32(record.ledColours[i]) + " has bits set above blue");
    }
    if (!OffOrOn(record.ledColourCustom[i])) {
      return Defect(ProfileDefect::kLedColourCustom, i,
                    colour + "custom flag " + std::to_string(record.ledColourCustom[i]) +
                        ", expected 0 or 1");
    }
    if (record.ledPresetIndex[i] < 0 || record.ledPresetIndex[i] > kLastPresetIndex) {
      return Defect(
          ProfileDefect::kLedPresetIndex, i,
          colour + "palette index " + std::to_string(record.ledPresetIndex[i]) + ", expected 0-25");
    }
  }
  return {};
}

}  // namespace

ProfileCheck ValidateProfile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != sizeof(ProfileRecord)) {
    return Defect(ProfileDefect::kSize, -1,
                  "size " + std::to_string(bytes.size()) + " bytes, expected " +
                      std::to_string(sizeof(ProfileRecord)));
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
  if (check.valid()) {
    check = CheckFields(record, kFieldsBeforeColours);
  }
  if (check.valid()) {
    check = CheckColours(record);
  }
  if (check.valid()) {
    check = CheckFields(record, kFieldsAfterColours);
  }
  return check;
}

}  // namespace n63k
