#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/base/Geometry.h"
#include "core/i18n/StringKeys.h"
#include "core/pages/MainWindowLayout.h"

namespace n63k {

// Where everything of the macro page sits, in page pixels. The skin generator
// paints from these tables and the page's widgets take their places from
// them. A few controls sit elsewhere in the Chinese layout.
namespace macro_page {

inline constexpr int kWidth = main_window::kPages.Width();
inline constexpr int kHeight = main_window::kPages.Height();

enum class Control {
  kGroupButton,
  kMacroList,
  kNewMacro,
  kDeleteMacro,
  kEventList,
  kInsert,
  kDeleteEvent,
  kModify,
  kRecord,
  kDelayToggle,
  kLoopField,
  kLeftPicture,
  kMiddlePicture,
  kRightPicture,
  kKeyOption,
  kKeyField,
  kKeyOk,
  kDelayOption,
  kDelayField,
  kDelayOk,
  kGroupZone,
  kMacroZone,
  kEventZone,
  kEventListZone,
};

struct Place {
  Control control;
  Rect other;
  Rect chinese;
  std::optional<StringKey> tooltip;
  int hint;  // 0 for none
};

constexpr std::optional<StringKey> Tip(StringKey key) {
  return key;
}

// In the order the hints are looked up.
inline constexpr std::array<Place, 24> kPlaces = {{
    {Control::kGroupButton, {25, 48, 327, 71}, {25, 48, 327, 71}, std::nullopt, 0},
    {Control::kMacroList, {27, 89, 325, 406}, {27, 89, 325, 406}, std::nullopt, 0},
    {Control::kNewMacro, {26, 412, 67, 441}, {26, 412, 67, 441}, Tip("str_new_macro"), 40},
    {Control::kDeleteMacro, {77, 412, 139, 441}, {77, 412, 139, 441}, Tip("str_del_macro"), 41},
    {Control::kEventList, {345, 51, 626, 406}, {345, 51, 626, 406}, std::nullopt, 0},
    {Control::kInsert, {343, 412, 373, 440}, {361, 412, 391, 441}, Tip("str_macro_new"), 42},
    {Control::kDeleteEvent, {376, 412, 406, 440}, {394, 412, 424, 441}, Tip("str_macro_del"), 43},
    {Control::kModify, {409, 412, 439, 440}, {427, 412, 457, 441}, Tip("str_macro_modify"), 44},
    {Control::kRecord, {783, 22, 899, 53}, {783, 22, 899, 53}, std::nullopt, 45},
    {Control::kDelayToggle, {646, 58, 834, 76}, {646, 58, 834, 76}, Tip("str_macro_delay"), 47},
    {Control::kLoopField, {852, 87, 892, 102}, {852, 87, 892, 102}, std::nullopt, 48},
    {Control::kLeftPicture, {715, 185, 740, 207}, {718, 213, 745, 257}, Tip("str_click"), 49},
    {Control::kMiddlePicture, {756, 166, 780, 189}, {754, 205, 782, 256}, Tip("str_middle"), 50},
    {Control::kRightPicture, {802, 186, 825, 209}, {791, 213, 823, 257}, Tip("str_menu"), 51},
    {Control::kKeyOption, {644, 316, 779, 335}, {644, 340, 757, 357}, Tip("str_macro_msg6"), 52},
    {Control::kKeyField, {664, 340, 823, 358}, {666, 365, 821, 379}, std::nullopt, 52},
    {Control::kKeyOk, {852, 340, 892, 358}, {852, 362, 892, 383}, Tip("str_macro_msg6"), 0},
    {Control::kDelayOption, {644, 364, 790, 382}, {644, 389, 768, 405}, Tip("str_macro_msg7"), 53},
    {Control::kDelayField, {664, 389, 823, 407}, {666, 415, 821, 428}, std::nullopt, 53},
    {Control::kDelayOk, {852, 389, 892, 407}, {852, 412, 892, 434}, Tip("str_macro_msg7"), 0},
    {Control::kGroupZone, {24, 19, 120, 40}, {24, 19, 120, 40}, std::nullopt, 86},
    {Control::kMacroZone, {26, 87, 324, 406}, {26, 87, 324, 406}, std::nullopt, 87},
    {Control::kEventZone, {340, 19, 427, 39}, {340, 19, 427, 39}, std::nullopt, 88},
    {Control::kEventListZone, {342, 49, 625, 407}, {342, 49, 625, 407}, std::nullopt, 88},
}};

constexpr const Place& PlaceOf(Control control) {
  return kPlaces[static_cast<std::size_t>(control)];
}
constexpr Rect RectOf(Control control, bool chineseUi) {
  return chineseUi ? PlaceOf(control).chinese : PlaceOf(control).other;
}

// The record button's hint while a recording runs.
inline constexpr int kRecordingHint = 46;

// The mouse pictures stand for these keys in a macro.
inline constexpr std::uint32_t kLeftButtonKey = 1;
inline constexpr std::uint32_t kRightButtonKey = 2;
inline constexpr std::uint32_t kMiddleButtonKey = 4;

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kListBackground = 0x141414;
inline constexpr std::uint32_t kListText = 0x536167;
inline constexpr std::uint32_t kListSelectedText = 0x158CB9;
inline constexpr std::uint32_t kFieldText = 0x158CB9;
inline constexpr std::uint32_t kFieldBackground = 0x0F0F0F;
inline constexpr std::uint32_t kGroupText = 0x536167;
inline constexpr std::uint32_t kRecordText = 0x3DBBD3;
inline constexpr int kListItemHeight = 18;

// The fields' lengths.
inline constexpr int kLoopFieldDigits = 5;
inline constexpr int kKeyFieldCharacters = 1;
inline constexpr int kDelayFieldDigits = 4;

// The loop field is brought into range this often.
inline constexpr std::uint32_t kLoopTimerMs = 4000;

static_assert(kPlaces.size() == static_cast<std::size_t>(Control::kEventListZone) + 1);
static_assert(PlaceOf(Control::kEventListZone).control == Control::kEventListZone);
static_assert(RectOf(Control::kRecord, false).right < kWidth &&
              RectOf(Control::kNewMacro, false).bottom < kHeight);

}  // namespace macro_page

}  // namespace n63k
