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
      {[](ProfileRecord& r) { SetDpi(r, {}); }, ProfileDefect::kNoDpiStage, -1,
       "no DPI stage the mouse has a code for"},
      {[](ProfileRecord& r) {
         SetDpi(r, {800, 1600, 0, -500, 3750, 8000, 251, 500, 750});
       },
       ProfileDefect::kNoDpiStage, -1, "no DPI stage the mouse has a code for"},
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

// Values that no page stores but the mouse, the pages or the worker already
// have an answer for: kept, never a reason to throw the user's profile away.
TEST(ProfileValidation, AcceptsValuesThatArePassedOnAsTheyAre) {
  const std::vector<std::pair<const char*, Change>> cases = {
      {"stages the mouse has but no box offers",
       [](ProfileRecord& r) {
         SetDpi(r, {250, 1750, 2250, 2750});
       }},
      {"a value without a code beside one with a code",
       [](ProfileRecord& r) {
         SetDpi(r, {800, 1000});
       }},
      {"descending, repeated and after a gap",
       [](ProfileRecord& r) {
         SetDpi(r, {4000, 0, 4000, 500, 250});
       }},
      {"the only stage last of seven",
       [](ProfileRecord& r) {
         SetDpi(r, {1, 2, 3, 4, 5, 6, 7000});
       }},
      {"levels beyond the seventh",
       [](ProfileRecord& r) {
         for (std::int32_t& level : r.dpiLevels) {
           level = 99999;
         }
         r.dpiLevels[0] = 750;
       }},
      {"sliders and switches out of range",
       [](ProfileRecord& r) {
         r.sensorHeight = 0;
         r.pointerSpeed = 21;
         r.pointerPrecision = -1;
         r.proximitySensing = 2;
         r.ledMultiColour = 7;
       }},
      {"report interval 3", [](ProfileRecord& r) { r.pollingRate = 3; }},
      {"lighting out of range",
       [](ProfileRecord& r) {
         r.ledMode = 0;
         r.ledBrightness = 11;
         r.ledBreathingSpeed = -3;
         r.ledCycleSpeed = 5;
         r.ledColours[2] = 0xFF0000FF;
         r.ledColourCustom[1] = 2;
         r.ledPresetIndex[3] = 26;
         r.ledPresetIndex[0] = -1;
       }},
      {"lighting mode 7", [](ProfileRecord& r) { r.ledMode = 7; }},
      {"scroll lines out of range", [](ProfileRecord& r) { r.wheelScrollLines = -2; }},
      {"extreme numbers everywhere",
       [](ProfileRecord& r) {
         for (std::int32_t* field :
              {&r.sensorHeight, &r.pollingRate, &r.ledMode, &r.ledMultiColour, &r.proximitySensing,
               &r.pointerPrecision, &r.pointerSpeed, &r.ledBrightness, &r.ledBreathingSpeed,
               &r.ledCycleSpeed, &r.wheelScrollLines, &r.ledPresetIndex[0],
               &r.ledColourCustom[0]}) {
           *field = INT32_MIN;
         }
         r.ledColours[0] = 0xFFFFFFFF;
       }},
  };
  for (const auto& [name, change] : cases) {
    const ProfileCheck check = CheckChanged(change);
    EXPECT_TRUE(check.valid()) << name << ": " << check.description;
  }
}

// A file is a record only when it is exactly one record long: a short file
// is not padded with zeros, a longer one is not cut, and its size is told as
// the file has it, not as far as it was read.
TEST(ProfileValidation, RefusesAFileOfAnyOtherSize) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  const auto whole = RecordBytes(record);
  std::vector<std::uint8_t> longer(whole.begin(), whole.end());
  longer.push_back(0);
  struct Case {
    std::span<const std::uint8_t> bytes;
    std::uint64_t fileSize;
    std::string description;
  };
  const Case cases[] = {
      {whole.first(11126), 11126, "size 11126 bytes, expected 22252"},
      {whole.first(4), 4, "size 4 bytes, expected 22252"},
      {{}, 0, "size 0 bytes, expected 22252"},
      {longer, longer.size(), "size 22253 bytes, expected 22252"},
      {longer, 70u << 20, "size 73400320 bytes, expected 22252"},
      {whole, 5'000'000'000, "size 5000000000 bytes, expected 22252"},
  };
  for (const Case& c : cases) {
    const ProfileCheck check = ValidateProfile(c.bytes, c.fileSize);
    EXPECT_EQ(check.defect, ProfileDefect::kSize) << c.description;
    EXPECT_EQ(check.description, c.description);
  }
}

}  // namespace
}  // namespace n63k
