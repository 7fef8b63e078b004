#include "platform/XkbKeyCharacters.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>

#include "core/buttons/KeyTranslation.h"

namespace n63k {
namespace {

constexpr xkb_keycode_t kXkbKeycodeOffset = 8;

struct DeadKey {
  xkb_keysym_t keysym;
  char16_t character;
};

// Dead keys type nothing by themselves; they are shown by their accent.
constexpr DeadKey kDeadKeys[] = {
    {0xfe50, u'`'}, {0xfe51, u'\u00b4'}, {0xfe52, u'^'},
    {0xfe53, u'~'}, {0xfe57, u'\u00a8'}, {0xfe5a, u'\u02c7'},
};

char16_t CharacterOfKeysym(xkb_keysym_t keysym) {
  for (const DeadKey& dead : kDeadKeys) {
    if (dead.keysym == keysym) {
      return dead.character;
    }
  }
  const std::uint32_t character = xkb_keysym_to_utf32(xkb_keysym_to_upper(keysym));
  // Control characters name no key; characters beyond one UTF-16 unit are
  // not kept.
  return character >= 0x20 && character != 0x7F && character <= 0xFFFF
             ? static_cast<char16_t>(character)
             : u'\0';
}

struct KeymapDeleter {
  void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ContextDeleter {
  void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
using Keymap = std::unique_ptr<xkb_keymap, KeymapDeleter>;
using Context = std::unique_ptr<xkb_context, ContextDeleter>;

}  // namespace

std::unique_ptr<XkbKeyCharacters> XkbKeyCharacters::FromSession() {
  const Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  if (context == nullptr) {
    return nullptr;
  }
  if (std::getenv("DISPLAY") != nullptr) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) == 0 &&
        xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) == 1) {
      const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
      const Keymap keymap(xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                                         XKB_KEYMAP_COMPILE_NO_FLAGS));
      xkb_state* state = keymap == nullptr
                             ? nullptr
                             : xkb_x11_state_new_from_device(keymap.get(), connection, device);
      if (state != nullptr) {
        const xkb_layout_index_t layout =
            xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
        xkb_state_unref(state);
        xcb_disconnect(connection);
        return std::unique_ptr<XkbKeyCharacters>(new XkbKeyCharacters(keymap.get(), layout));
      }
    }
    xcb_disconnect(connection);
  }
  const Keymap keymap(
      xkb_keymap_new_from_names(context.get(), nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (keymap == nullptr) {
    return nullptr;
  }
  return std::unique_ptr<XkbKeyCharacters>(new XkbKeyCharacters(keymap.get(), 0));
}

std::unique_ptr<XkbKeyCharacters> XkbKeyCharacters::FromLayout(const std::string& layout) {
  const Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  if (context == nullptr) {
    return nullptr;
  }
  xkb_rule_names names{};
  names.layout = layout.c_str();
  const Keymap keymap(
      xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (keymap == nullptr) {
    return nullptr;
  }
  return std::unique_ptr<XkbKeyCharacters>(new XkbKeyCharacters(keymap.get(), 0));
}

XkbKeyCharacters::XkbKeyCharacters(xkb_keymap* keymap, std::uint32_t layout) {
  const xkb_keycode_t first = std::max(xkb_keymap_min_keycode(keymap), kXkbKeycodeOffset);
  const xkb_keycode_t last = xkb_keymap_max_keycode(keymap);
  const auto keysymOf = [&](xkb_keycode_t keycode) -> xkb_keysym_t {
    const xkb_keysym_t* syms = nullptr;
    return xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, 0, &syms) > 0 ? syms[0] : 0;
  };
  // First what each key types, then the US positions of codes still unnamed.
  for (const bool byPosition : {false, true}) {
    for (xkb_keycode_t keycode = first; keycode <= last; ++keycode) {
      const xkb_keysym_t keysym = keysymOf(keycode);
      const std::uint32_t virtualKey =
          TranslateKey(byPosition ? 0 : keysym, keycode - kXkbKeycodeOffset).virtualKey;
      if (virtualKey != 0 && virtualKey < characters_.size() && characters_[virtualKey] == u'\0') {
        characters_[virtualKey] = CharacterOfKeysym(keysym);
      }
    }
  }
}

char16_t XkbKeyCharacters::CharacterOf(std::uint32_t virtualKey) const {
  return virtualKey < characters_.size() ? characters_[virtualKey] : u'\0';
}

}  // namespace n63k
