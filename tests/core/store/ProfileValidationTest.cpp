#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/store/ProfileRecord.h"
#include "core/store/ProfileValidation.h"

namespace n63k {
namespace {

using Change = std::function<void(ProfileRecord&)>;

ProfileCheck CheckChanged(const Change& change) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  change(record);
  return ValidateProfile(RecordBytes(record));
}

void SetDpi(ProfileRecord& record, std::vector<std::int32_t> levels) {
  std::fill(std::begin(record.dpiLevels), std::end(record.dpiLevels), 0);
  std::copy(levels.begin(), levels.end(), record.dpiLevels);
}

TEST(ProfileValidation, DefaultsOfBothLanguagesAreValid) {
  for (const bool chinese : {false, true}) {
    ProfileRecord record;
    BuildDefaultProfile(record, chinese);
    const ProfileCheck check = ValidateProfile(RecordBytes(record));
    EXPECT_TRUE(check.valid()) << chinese << ": " << check.description;
  }
}

// One row per rule: the defaults with one field broken.
TEST(ProfileValidation, NamesTheDefectOfADamagedRecord) {
  struct Case {
    Change change;
    ProfileDefect defect;
    int index;
    std::string description;
  };
  const Case cases[] = {
      {[](ProfileRecord& r) { r.magic = 0; }, ProfileDefect::kMagic, -1,
       "magic 0x00000000, expected 0x80800295"},
      {[](ProfileRecord& r) { r.buttons[3].functionCode = 250; }, ProfileDefect::kFunctionCode, 3,
       "button 3 (forward): unknown function code 250"},
      {[](ProfileRecord& r) { r.buttons[1].functionCode = 0; }, ProfileDefect::kFunctionCode, 1,
       "button 1 (middle): unknown function code 0"},
      {[](ProfileRecord& r) {
         r.buttons[2].functionCode = 19;
         r.buttons[2].pcActionKind = 0xB0;
       },
       ProfileDefect::kPcActionKind, 2, "button 2 (right): unknown PC action kind 0x000000b0"},
      {[](ProfileRecord& r) { r.buttons[5].functionCode = 142; }, ProfileDefect::kSniperOnWheel, 5,
       "button 5 (wheel-up): the sniper on a wheel direction"},
      {[](ProfileRecord& r) { std::fill_n(r.buttons[6].pcActionPath, 260, u'x'); },
       ProfileDefect::kUnterminatedText, 6, "button 6 (wheel-down): PC action path not terminated"},
      {[](ProfileRecord& r) { std::fill_n(r.buttons[4].caption, 260, u'x'); },
       ProfileDefect::kUnterminatedText, 4, "button 4 (back): caption not terminated"},
      {[](ProfileRecord& r) { r.buttons[0].functionCode = 2; }, ProfileDefect::kNoLeftClick, -1,
       "no button is a left click"},
      {[](ProfileRecord& r) { SetDpi(r, {}); }, ProfileDefect::kDpiStages, -1, "no DPI stage"},
      {[](ProfileRecord& r) { r.dpiLevels[2] = 800; }, ProfileDefect::kDpiStages, 2,
       "DPI entry 2: 800 is not an offered value"},
      {[](ProfileRecord& r) {
         SetDpi(r, {1500, 1750});
       },
       ProfileDefect::kDpiStages, 1, "DPI entry 1: 1750 is not an offered value"},
      {[](ProfileRecord& r) { SetDpi(r, {-500}); }, ProfileDefect::kDpiStages, 0,
       "DPI entry 0: -500 is not an offered value"},
      {[](ProfileRecord& r) {
         SetDpi(r, {1000, 750});
       },
       ProfileDefect::kDpiStages, 1, "DPI entry 1: 750 not above 1000"},
      {[](ProfileRecord& r) {
         SetDpi(r, {1000, 1000});
       },
       ProfileDefect::kDpiStages, 1, "DPI entry 1: 1000 not above 1000"},
      {[](ProfileRecord& r) { r.dpiLevels[3] = 0; }, ProfileDefect::kDpiStages, 4,
       "DPI entry 4: 2500 after an empty stage"},
      {[](ProfileRecord& r) { r.dpiLevels[9] = 500; }, ProfileDefect::kDpiStages, 9,
       "DPI entry 9: 500 beyond the seven stages"},
      {[](ProfileRecord& r) { r.sensorHeight = 0; }, ProfileDefect::kSensorHeight, -1,
       "sensor height 0, expected 1-30"},
      {[](ProfileRecord& r) { r.sensorHeight = 31; }, ProfileDefect::kSensorHeight, -1,
       "sensor height 31, expected 1-30"},
      {[](ProfileRecord& r) { r.pollingRate = 3; }, ProfileDefect::kPollingRate, -1,
       "report interval 3, expected 1, 2, 4 or 8"},
      {[](ProfileRecord& r) { r.pollingRate = 0; }, ProfileDefect::kPollingRate, -1,
       "report interval 0, expected 1, 2, 4 or 8"},
      {[](ProfileRecord& r) { r.ledMode = 0; }, ProfileDefect::kLedMode, -1,
       "lighting mode 0, expected 1-6"},
      {[](ProfileRecord& r) { r.ledMode = 7; }, ProfileDefect::kLedMode, -1,
       "lighting mode 7, expected 1-6"},
      {[](ProfileRecord& r) { r.ledMultiColour = 2; }, ProfileDefect::kLedMultiColour, -1,
       "multi-colour switch 2, expected 0 or 1"},
      {[](ProfileRecord& r) { r.ledColours[2] = 0x010000FF; }, ProfileDefect::kLedColour, 2,
       "colour 2: 0x010000ff has bits set above blue"},
      {[](ProfileRecord& r) { r.ledColourCustom[1] = 2; }, ProfileDefect::kLedColourCustom, 1,
       "colour 1: custom flag 2, expected 0 or 1"},
      {[](ProfileRecord& r) { r.ledPresetIndex[3] = 26; }, ProfileDefect::kLedPresetIndex, 3,
       "colour 3: palette index 26, expected 0-25"},
      {[](ProfileRecord& r) { r.ledPresetIndex[0] = -1; }, ProfileDefect::kLedPresetIndex, 0,
       "colour 0: palette index -1, expected 0-25"},
      {[](ProfileRecord& r) { r.proximitySensing = 2; }, ProfileDefect::kProximitySensing, -1,
       "proximity sensing 2, expected 0 or 1"},
      {[](ProfileRecord& r) { r.pointerPrecision = -1; }, ProfileDefect::kPointerPrecision, -1,
       "pointer precision -1, expected 0 or 1"},
      {[](ProfileRecord& r) { r.pointerSpeed = 0; }, ProfileDefect::kPointerSpeed, -1,
       "pointer speed 0, expected 1-20"},
      {[](ProfileRecord& r) { r.pointerSpeed = 21; }, ProfileDefect::kPointerSpeed, -1,
       "pointer speed 21, expected 1-20"},
      {[](ProfileRecord& r) { r.ledBrightness = 11; }, ProfileDefect::kLedBrightness, -1,
       "brightness of lighting mode 1 11, expected 1-10"},
      {[](ProfileRecord& r) { r.ledBrightness = 0; }, ProfileDefect::kLedBrightness, -1,
       "brightness of lighting mode 1 0, expected 1-10"},
      {[](ProfileRecord& r) { r.ledBreathingSpeed = 6; }, ProfileDefect::kLedBreathingSpeed, -1,
       "speed of lighting mode 2 6, expected 1-5"},
      {[](ProfileRecord& r) { r.ledCycleSpeed = 5; }, ProfileDefect::kLedCycleSpeed, -1,
       "speed of lighting mode 5 5, expected 2, 4 or 6"},
      {[](ProfileRecord& r) { r.ledCycleSpeed = 8; }, ProfileDefect::kLedCycleSpeed, -1,
       "speed of lighting mode 5 8, expected 2, 4 or 6"},
      {[](ProfileRecord& r) { r.wheelScrollLines = 0; }, ProfileDefect::kWheelScrollLines, -1,
       "wheel scroll lines 0, expected 1-30 or -1"},
      {[](ProfileRecord& r) { r.wheelScrollLines = 31; }, ProfileDefect::kWheelScrollLines, -1,
       "wheel scroll lines 31, expected 1-30 or -1"},
      {[](ProfileRecord& r) { r.wheelScrollLines = -2; }, ProfileDefect::kWheelScrollLines, -1,
       "wheel scroll lines -2, expected 1-30 or -1"},
  };
  for (const Case& c : cases) {
    const ProfileCheck check = CheckChanged(c.change);
    EXPECT_EQ(check.defect, c.defect) << c.description;
    EXPECT_EQ(check.index, c.index) << c.description;
    EXPECT_EQ(check.description, c.description);
  }
}

// The edges of every range, and records the pages can produce that differ
// from the defaults, stay valid.
TEST(ProfileValidation, AcceptsEveryValueThePagesCanStore) {
  const std::vector<std::pair<const char*, Change>> cases = {
      {"one stage", [](ProfileRecord& r) { SetDpi(r, {500}); }},
      {"seven stages up to 7000",
       [](ProfileRecord& r) {
         SetDpi(r, {3000, 3250, 3500, 4000, 5000, 6000, 7000});
       }},
      {"left click elsewhere only",
       [](ProfileRecord& r) {
         r.buttons[0].functionCode = 121;
         r.buttons[4].functionCode = 1;
       }},
      {"combination, macro and PC actions",
       [](ProfileRecord& r) {
         r.buttons[1].functionCode = 5;
         r.buttons[2].functionCode = 6;
         for (int slot : {3, 4, 5, 6}) {
           r.buttons[slot].functionCode = 19;
           r.buttons[slot].pcActionKind = 0xC0 + 0x10 * (slot - 3);
         }
       }},
      {"sniper on a side button", [](ProfileRecord& r) { r.buttons[3].functionCode = 142; }},
      {"texts of 259 characters",
       [](ProfileRecord& r) {
         std::fill_n(r.buttons[0].caption, 259, u'x');
         std::fill_n(r.buttons[0].pcActionPath, 259, u'x');
       }},
      {"low ends",
       [](ProfileRecord& r) {
         r.sensorHeight = 1;
         r.pollingRate = 8;
         r.ledMode = 1;
         r.ledColours[0] = 0;
         r.ledColourCustom[0] = 0;
         r.proximitySensing = 0;
         r.pointerSpeed = 1;
         r.ledBrightness = 1;
         r.ledBreathingSpeed = 1;
         r.ledCycleSpeed = 2;
         r.wheelScrollLines = -1;
       }},
      {"high ends",
       [](ProfileRecord& r) {
         r.sensorHeight = 30;
         r.pollingRate = 4;
         r.ledMode = 6;
         r.ledMultiColour = 1;
         r.ledColours[3] = 0x00FFFFFF;
         r.ledPresetIndex[3] = 25;
         r.pointerPrecision = 1;
         r.pointerSpeed = 20;
         r.ledBrightness = 10;
         r.ledBreathingSpeed = 5;
         r.ledCycleSpeed = 6;
         r.wheelScrollLines = 30;
       }},
      {"report interval 2", [](ProfileRecord& r) { r.pollingRate = 2; }},
      {"one scroll line", [](ProfileRecord& r) { r.wheelScrollLines = 1; }},
  };
  for (const auto& [name, change] : cases) {
    const ProfileCheck check = CheckChanged(change);
    EXPECT_TRUE(check.valid()) << name << ": " << check.description;
  }
}

// A file is a record only when it is exactly one record long: a short file
// is not padded with zeros, a longer one is not cut.
TEST(ProfileValidation, RefusesAFileOfAnyOtherSize) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  const auto whole = RecordBytes(record);
  std::vector<std::uint8_t> longer(whole.begin(), whole.end());
  longer.push_back(0);
  struct Case {
    std::span<const std::uint8_t> bytes;
    std::string description;
  };
  const Case cases[] = {
      {whole.first(11126), "size 11126 bytes, expected 22252"},
      {whole.first(4), "size 4 bytes, expected 22252"},
      {{}, "size 0 bytes, expected 22252"},
      {longer, "size 22253 bytes, expected 22252"},
  };
  for (const Case& c : cases) {
    const ProfileCheck check = ValidateProfile(c.bytes);
    EXPECT_EQ(check.defect, ProfileDefect::kSize) << c.description;
    EXPECT_EQ(check.description, c.description);
  }
}

}  // namespace
}  // namespace n63k
