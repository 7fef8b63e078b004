#include "core/buttons/KeyNames.h"

#include <algorithm>
#include <array>

#include "core/base/Utf.h"
#include "core/buttons/DeviceWord.h"
#include "core/buttons/KeyUsage.h"

namespace n63k {
namespace {

constexpr auto kKeyNames = std::to_array<KeyName>({
    {0x00, ""},
    {0xFF, ""},
    {0x08, "Backspace"},
    {0x09, "Tab"},
    {0x0C, "Clr"},
    {0x0D, "Enter"},
    {0x2B, "Enter"},
    {0x10, "Shift"},
    {0x11, "Ctrl"},
    {0x12, "Alt"},
    {0x13, "Pause"},
    {0x14, "CapsLock"},
    {0x1B, "Esc"},
    {0x20, "Space"},
    {0x21, "PageUp"},
    {0x22, "PageDown"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "Left"},
    {0x26, "Up"},
    {0x27, "Right"},
    {0x28, "Down"},
    {0x29, "Select"},
    {0x2A, "Print"},
    {0x2C, "PrtSc SysRq"},
    {0x2D, "Insert"},
    {0x2E, "Delete"},
    {0x2F, "Help"},
    {0x5B, "LWin"},
    {0x5C, "RWin"},
    {0x5D, "App"},
    {0x60, "(0)"},
    {0x61, "(1)"},
    {0x62, "(2)"},
    {0x63, "(3)"},
    {0x64, "(4)"},
    {0x65, "(5)"},
    {0x66, "(6)"},
    {0x67, "(7)"},
    {0x68, "(8)"},
    {0x69, "(9)"},
    {0x6A, "(*)"},
    {0x6B, "(+)"},
    {0x6D, "(-)"},
    {0x6E, "(.)"},
    {0x6F, "(/)"},
    {0x6C, "\\"},
    {0x70, "F1"},
    {0x71, "F2"},
    {0x72, "F3"},
    {0x73, "F4"},
    {0x74, "F5"},
    {0x75, "F6"},
    {0x76, "F7"},
    {0x77, "F8"},
    {0x78, "F9"},
    {0x79, "F10"},
    {0x7A, "F11"},
    {0x7B, "F12"},
    {0x90, "Numlock"},
    {0x91, "Scroll Lock"},
    {0xA0, "LShift"},
    {0xA1, "RShift"},
    {0xA2, "LCtrl"},
    {0xA3, "RCtrl"},
    {0xA4, "LAlt"},
    {0xA5, "RAlt"},
});

constexpr auto kMacroKeyNames = std::to_array<KeyName>({
    {0x51, "Q"},
    {0x57, "W"},
    {0x45, "E"},
    {0x52, "R"},
    {0x54, "T"},
    {0x59, "Y"},
    {0x55, "U"},
    {0x49, "I"},
    {0x4F, "O"},
    {0x50, "P"},
    {0x41, "A"},
    {0x53, "S"},
    {0x44, "D"},
    {0x46, "F"},
    {0x47, "G"},
    {0x48, "H"},
    {0x4A, "J"},
    {0x4B, "K"},
    {0x4C, "L"},
    {0x5A, "Z"},
    {0x58, "X"},
    {0x43, "C"},
    {0x56, "V"},
    {0x42, "B"},
    {0x4E, "N"},
    {0x4D, "M"},
    {0xC0, "~"},
    {0x31, "1"},
    {0x32, "2"},
    {0x33, "3"},
    {0x34, "4"},
    {0x35, "5"},
    {0x36, "6"},
    {0x37, "7"},
    {0x38, "8"},
    {0x39, "9"},
    {0x30, "0"},
    {0xBD, "-"},
    {0xBB, "="},
    {0x08, "Backspace"},
    {0xDC, "|"},
    {0xDB, "["},
    {0xDD, "]"},
    {0xBA, ";"},
    {0xDE, "'"},
    {0x0D, "Enter"},
    {0xBC, "<"},
    {0xBE, ">"},
    {0xBF, "?"},
    {0x09, "Tab"},
    {0x14, "Cap"},
    {0xA0, "L_Shift"},
    {0xA2, "L_Ctrl"},
    {0xA4, "L_Alt"},
    {0x5B, "L_Win"},
    {0xA1, "R_Shift"},
    {0xA3, "R_Ctrl"},
    {0xA5, "R_Alt"},
    {0x5C, "R_Win"},
    {0x20, "Space"},
    {0x1B, "ESC"},
    {0x70, "F1"},
    {0x71, "F2"},
    {0x72, "F3"},
    {0x73, "F4"},
    {0x74, "F5"},
    {0x75, "F6"},
    {0x76, "F7"},
    {0x77, "F8"},
    {0x78, "F9"},
    {0x79, "F10"},
    {0x7A, "F11"},
    {0x7B, "F12"},
    {0x61, "NUM 1"},
    {0x62, "NUM 2"},
    {0x63, "NUM 3"},
    {0x64, "NUM 4"},
    {0x65, "NUM 5"},
    {0x66, "NUM 6"},
    {0x67, "NUM 7"},
    {0x68, "NUM 8"},
    {0x69, "NUM 9"},
    {0x60, "NUM 0"},
    {0x6D, "NUM -"},
    {0x6B, "NUM +"},
    {0x6A, "NUM *"},
    {0x6F, "NUM /"},
    {0x6C, "NUM Enter"},
    {0x6E, "NUM Del"},
    {0x90, "NUM Lock"},
    {0x2A, "Print"},
    {0x91, "Scroll"},
    {0x13, "Pause"},
    {0x2D, "Insert"},
    {0x24, "Home"},
    {0x2E, "Delete"},
    {0x23, "End"},
    {0x21, "Page Up"},
    {0x22, "Page Down"},
    {0x26, "UP"},
    {0x28, "DOWN"},
    {0x25, "LEFT"},
    {0x27, "RIGHT"},
    {0x01, "Left Button"},
    {0x02, "Right Button"},
    {0x04, "Middle Button"},
});
static_assert(kMacroKeyNames.size() == 106);

const KeyName* FindName(std::span<const KeyName> names, std::uint32_t code) {
  const auto it = std::find_if(names.begin(), names.end(),
                               [code](const KeyName& key) { return key.code == code; });
  return it == names.end() ? nullptr : &*it;
}

}  // namespace

std::string GetKeyName(std::uint32_t virtualKey, const KeyCharacters& characters) {
  if (const KeyName* key = FindName(kKeyNames, virtualKey)) {
    return std::string(key->name);
  }
  char16_t character = characters.CharacterOf(virtualKey);
  if (character == u'\0') {
    return {};
  }
  if (character >= u'a' && character <= u'z') {
    character = static_cast<char16_t>(character - u'a' + u'A');
  }
  return Utf16ToUtf8(std::u16string_view(&character, 1));
}

std::string GetComboText(std::uint32_t deviceWord, const KeyCharacters& characters) {
  const std::string key = GetKeyName(KeyFromUsage(WordKeyUsage(deviceWord)), characters);
  // Only the four left-hand modifiers are ever produced; other bits have no name.
  const std::uint8_t modifiers = WordModifiers(deviceWord) & 0x0F;
  if (modifiers == 0) {
    return key;
  }
  struct Modifier {
    std::uint8_t bit;
    std::string_view name;
  };
  constexpr Modifier kOrder[] = {{kModifierShift, "Shift"},
                                 {kModifierCtrl, "Ctrl"},
                                 {kModifierAlt, "Alt"},
                                 {kModifierWin, "Win"}};
  std::string text;
  for (const Modifier& modifier : kOrder) {
    if ((modifiers & modifier.bit) != 0) {
      if (!text.empty()) {
        text += " + ";
      }
      text += modifier.name;
    }
  }
  return text + " + " + key;
}

std::span<const KeyName> MacroKeyNames() {
  return kMacroKeyNames;
}

std::string_view GetMacroKeyName(std::uint32_t code) {
  const KeyName* key = FindName(kMacroKeyNames, code & 0xFFu);
  return key == nullptr ? std::string_view() : key->name;
}

}  // namespace n63k
