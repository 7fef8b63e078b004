#pragma once

#include <array>

#include "core/base/Geometry.h"
#include "core/i18n/StringKeys.h"

namespace n63k {

// The support page, in page pixels.
namespace support_page {

inline constexpr int kWidth = 925;
inline constexpr int kHeight = 452;

enum class Control { kUpdate, kWebSite, kImport, kExport, kRestoreDefaults, kProgram, kFirmware };

struct ControlPlace {
  Control control;
  Rect rect;
  // A button's caption; a version area's label, above its version.
  StringKey caption;
  // What the status line shows while the pointer is over it.
  int hint;
};

inline constexpr std::array<ControlPlace, 7> kControls{{
    {Control::kUpdate, {405, 264, 520, 293}, "str_update", 56},
    {Control::kWebSite, {711, 264, 826, 293}, "str_korvuWeb", 57},
    {Control::kImport, {134, 389, 224, 420}, "str_importFile", 58},
    {Control::kExport, {234, 389, 324, 420}, "str_exportFile", 59},
    {Control::kRestoreDefaults, {785, 388, 873, 417}, "str_defaultname", 60},
    {Control::kProgram, {77, 110, 274, 141}, "str_driver_version", 89},
    {Control::kFirmware, {380, 113, 559, 140}, "str_firmware_version", 90},
}};

inline constexpr std::size_t kButtonCount = 5;

// The versions' texts: 16 pixels high (12 points), colour 193, 210, 238,
// from the top left of these boxes.
inline constexpr Rect kProgramVersionText{127, 169, 127 + 247, 169 + 192};
inline constexpr Rect kFirmwareVersionText{440, 169, 440 + 515, 169 + 192};
inline constexpr int kVersionPixelSize = 16;
inline constexpr std::array<int, 3> kVersionColour{193, 210, 238};

constexpr const ControlPlace& Place(Control control) {
  return kControls[static_cast<std::size_t>(control)];
}

}  // namespace support_page

}  // namespace n63k
