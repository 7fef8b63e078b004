#include "core/buttons/KeyTranslation.h"

#include <array>

#include "core/buttons/InputHooks.h"

namespace n63k {
namespace {

struct KeysymKey {
  std::uint32_t keysym;
  std::uint8_t virtualKey;
  bool extended;
};

// Keys whose code follows what they produce, whatever their position.
constexpr auto kKeysymKeys = std::to_array<KeysymKey>({
    {0x0020, 0x20, false},  // space
    {0xff08, 0x08, false},  // BackSpace
    {0xff09, 0x09, false},  // Tab
    {0xfe20, 0x09, false},  // ISO_Left_Tab (Shift+Tab)
    {0xff0d, 0x0D, false},  // Return
    {0xff13, 0x13, false},  // Pause
    {0xff6b, 0x03, true},   // Break (Ctrl+Pause)
    {0xff14, 0x91, false},  // Scroll_Lock
    {0xff1b, 0x1B, false},  // Escape
    {0xff61, 0x2C, true},   // Print
    {0xff15, 0x2C, true},   // Sys_Req (Alt+Print)
    {0xff63, 0x2D, true},   // Insert
    {0xffff, 0x2E, true},   // Delete
    {0xff50, 0x24, true},   // Home
    {0xff57, 0x23, true},   // End
    {0xff55, 0x21, true},   // Prior
    {0xff56, 0x22, true},   // Next
    {0xff51, 0x25, true},   // Left
    {0xff52, 0x26, true},   // Up
    {0xff53, 0x27, true},   // Right
    {0xff54, 0x28, true},   // Down
    {0xff67, 0x5D, true},   // Menu
    {0xffe5, 0x14, false},  // Caps_Lock
    {0xff7f, 0x90, true},   // Num_Lock
    {0xffe1, 0xA0, false},  // Shift_L
    {0xffe2, 0xA1, false},  // Shift_R
    {0xffe3, 0xA2, false},  // Control_L
    {0xffe4, 0xA3, true},   // Control_R
    {0xffe9, 0xA4, false},  // Alt_L
    {0xffe7, 0xA4, false},  // Meta_L (Alt on some layouts' Shift level)
    {0xffea, 0xA5, true},   // Alt_R
    {0xfe03, 0xA5, true},   // ISO_Level3_Shift (AltGr)
    {0xffeb, 0x5B, true},   // Super_L
    {0xffec, 0x5C, true},   // Super_R
    {0xffb0, 0x60, false},  // KP_0 ... KP_9
    {0xffb1, 0x61, false},    {0xffb2, 0x62, false}, {0xffb3, 0x63, false},
    {0xffb4, 0x64, false},    {0xffb5, 0x65, false}, {0xffb6, 0x66, false},
    {0xffb7, 0x67, false},    {0xffb8, 0x68, false}, {0xffb9, 0x69, false},
    {0xffaa, 0x6A, false},  // KP_Multiply
    {0xffab, 0x6B, false},  // KP_Add
    {0xffad, 0x6D, false},  // KP_Subtract
    {0xffae, 0x6E, false},  // KP_Decimal
    {0xffac, 0x6E, false},  // KP_Separator (the decimal key of some layouts)
    {0xffaf, 0x6F, true},   // KP_Divide
    {0xff8d, 0x0D, true},   // KP_Enter
    {0xff9e, 0x2D, false},  // KP_Insert (keypad without Num Lock)
    {0xff9f, 0x2E, false},  // KP_Delete
    {0xff95, 0x24, false},  // KP_Home
    {0xff9c, 0x23, false},  // KP_End
    {0xff9a, 0x21, false},  // KP_Prior
    {0xff9b, 0x22, false},  // KP_Next
    {0xff96, 0x25, false},  // KP_Left
    {0xff97, 0x26, false},  // KP_Up
    {0xff98, 0x27, false},  // KP_Right
    {0xff99, 0x28, false},  // KP_Down
    {0xff9d, 0x0C, false},  // KP_Begin
    {0xffbe, 0x70, false},  // F1 ... F12
    {0xffbf, 0x71, false},    {0xffc0, 0x72, false}, {0xffc1, 0x73, false},
    {0xffc2, 0x74, false},    {0xffc3, 0x75, false}, {0xffc4, 0x76, false},
    {0xffc5, 0x77, false},    {0xffc6, 0x78, false}, {0xffc7, 0x79, false},
    {0xffc8, 0x7A, false},    {0xffc9, 0x7B, false}, {0x1008ff26, 0xA6, true},  // XF86Back
    {0x1008ff27, 0xA7, true},                                                   // XF86Forward
    {0x1008ff29, 0xA8, true},                                                   // XF86Refresh
    {0x1008ff28, 0xA9, true},                                                   // XF86Stop
    {0x1008ff1b, 0xAA, true},                                                   // XF86Search
    {0x1008ff30, 0xAB, true},                                                   // XF86Favorites
    {0x1008ff18, 0xAC, true},                                                   // XF86HomePage
    {0x1008ff12, 0xAD, true},                                                   // XF86AudioMute
    {0x1008ff11, 0xAE, true},  // XF86AudioLowerVolume
    {0x1008ff13, 0xAF, true},  // XF86AudioRaiseVolume
    {0x1008ff17, 0xB0, true},  // XF86AudioNext
    {0x1008ff16, 0xB1, true},  // XF86AudioPrev
    {0x1008ff15, 0xB2, true},  // XF86AudioStop
    {0x1008ff14, 0xB3, true},  // XF86AudioPlay
    {0x1008ff31, 0xB3, true},  // XF86AudioPause
    {0x1008ff19, 0xB4, true},  // XF86Mail
    {0x1008ff32, 0xB5, true},  // XF86AudioMedia
    {0x1008ff33, 0xB6, true},  // XF86MyComputer
    {0x1008ff1d, 0xB7, true},  // XF86Calculator
    {0x1008ff2f, 0x5F, true},  // XF86Sleep
});

struct PositionKey {
  std::uint16_t evdevCode;
  std::uint8_t virtualKey;
};

// Keys named by where they sit on a US keyboard.
constexpr auto kPositionKeys = std::to_array<PositionKey>({
    {2, 0x31},  {3, 0x32},  {4, 0x33},  {5, 0x34},  {6, 0x35},  {7, 0x36},  {8, 0x37},  {9, 0x38},
    {10, 0x39}, {11, 0x30}, {12, 0xBD}, {13, 0xBB}, {16, 0x51}, {17, 0x57}, {18, 0x45}, {19, 0x52},
    {20, 0x54}, {21, 0x59}, {22, 0x55}, {23, 0x49}, {24, 0x4F}, {25, 0x50}, {26, 0xDB}, {27, 0xDD},
    {30, 0x41}, {31, 0x53}, {32, 0x44}, {33, 0x46}, {34, 0x47}, {35, 0x48}, {36, 0x4A}, {37, 0x4B},
    {38, 0x4C}, {39, 0xBA}, {40, 0xDE}, {41, 0xC0}, {43, 0xDC}, {44, 0x5A}, {45, 0x58}, {46, 0x43},
    {47, 0x56}, {48, 0x42}, {49, 0x4E}, {50, 0x4D}, {51, 0xBC}, {52, 0xBE}, {53, 0xBF}, {86, 0xE2},
});

}  // namespace

TranslatedKey TranslateKey(std::uint32_t keysym, std::uint32_t evdevCode) {
  for (const KeysymKey& key : kKeysymKeys) {
    if (key.keysym == keysym) {
      return {key.virtualKey, key.extended};
    }
  }
  if (keysym >= 'a' && keysym <= 'z') {
    return {keysym - 'a' + 'A', false};
  }
  if (keysym >= 'A' && keysym <= 'Z') {
    return {keysym, false};
  }
  // Digits, punctuation, and letters of layouts that type no Latin letter.
  for (const PositionKey& key : kPositionKeys) {
    if (key.evdevCode == evdevCode) {
      return {key.virtualKey, false};
    }
  }
  return {};
}

std::uint32_t CapturedKeyFlags(const TranslatedKey& key, bool altDown, bool release) {
  return (key.extended ? key_flag::kExtended : 0U) | (altDown ? key_flag::kAltDown : 0U) |
         (release ? key_flag::kRelease : 0U);
}

}  // namespace n63k
