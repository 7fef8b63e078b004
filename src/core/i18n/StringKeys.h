#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace n63k {

inline constexpr std::size_t kStringKeyCount = 114;

// The string keys of the language files, in the order of the text table.
inline constexpr std::array<std::string_view, kStringKeyCount> kStringKeys = {
    "str_main",
    "str_led_title",
    "str_macro_manager",
    "str_sts",
    "str_about",
    "str_profile1",
    "str_profile2",
    "str_profile3",
    "str_profile4",
    "str_profile5",
    "str_ok",
    "str_dpiwant",
    "str_mouseSpeed",
    "str_improveAccuracy",
    "str_sheight",
    "str_rollingrate",
    "str_rollerColumn",
    "str_rollerScreen",
    "str_close",
    "str_lock",
    "str_run",
    "str_show",
    "str_win8_classic",
    "str_win8_switch",
    "str_win8_winp",
    "str_win8_winm",
    "str_find",
    "str_mouseleft",
    "str_mousemiddle",
    "str_mouseright",
    "str_pre",
    "str_back",
    "str_player",
    "str_PL",
    "str_stop",
    "str_pre_media",
    "str_next_media",
    "str_vol_dw",
    "str_vol_up",
    "str_mute",
    "str_snipe",
    "str_fire",
    "str_advanced_sound",
    "str_advanced_exe",
    "str_advanced_file",
    "str_advanced_dir",
    "str_ledspe",
    "str_led_apmbre",
    "str_led_off",
    "str_led_norbre",
    "str_led_frequency",
    "str_led_brealways",
    "str_led_brightness",
    "str_led_symphony",
    "str_led_changeClolor",
    "str_led_setColor",
    "str_led_symphonySpeed",
    "str_led_body_on",
    "str_led_body_off",
    "str_led_custom",
    "str_new_macro",
    "str_del_macro",
    "str_macro_new",
    "str_macro_del",
    "str_macro_modify",
    "str_macro_start",
    "str_macro_end",
    "str_macro_delay",
    "str_macro_loop",
    "str_click",
    "str_middle",
    "str_menu",
    "str_macro_msg6",
    "str_macro_msg7",
    "str_cups",
    "str_resetSts",
    "str_update",
    "str_korvuWeb",
    "str_defaultname",
    "str_importFile",
    "str_exportFile",
    "str_msg2",
    "str_msg4",
    "str_msg5",
    "str_dpi_setting",
    "str_sensor",
    "str_usbrate",
    "str_windows_scroll",
    "str_mouse_key",
    "str_panel",
    "str_cur_function",
    "str_key_com",
    "str_macro_set",
    "str_basic",
    "str_advance",
    "str_disable",
    "str_default_setting",
    "str_browse",
    "str_backlight",
    "str_breath_speed",
    "str_multicolor1",
    "str_multicolor2",
    "str_multicolor3",
    "str_proximity_sensing",
    "str_color_setting",
    "str_cur_color",
    "str_choose_color",
    "str_preset_color",
    "str_custom_color",
    "str_macro_choose",
    "str_marco_list",
    "str_key_list",
    "str_driver_version",
    "str_firmware_version",
};

consteval bool AllDistinct(const std::array<std::string_view, kStringKeyCount>& keys) {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    for (std::size_t j = i + 1; j < keys.size(); ++j) {
      if (keys[i] == keys[j]) {
        return false;
      }
    }
  }
  return true;
}
static_assert(AllDistinct(kStringKeys), "a string key is listed twice");

// A string key, checked when the program is compiled: a name that is not in
// kStringKeys does not compile, so a misspelt key cannot read an empty text.
class StringKey {
 public:
  // Implicit, so that a key is written as its name: texts.Get("str_ok").
  consteval StringKey(const char* name) : index_(IndexOf(name)) {}

  constexpr std::size_t Index() const { return index_; }

 private:
  static consteval std::size_t IndexOf(std::string_view name) {
    for (std::size_t i = 0; i < kStringKeys.size(); ++i) {
      if (kStringKeys[i] == name) {
        return i;
      }
    }
    throw "unknown string key";
  }

  std::size_t index_;
};

}  // namespace n63k
