#include "core/buttons/FunctionCatalogue.h"

#include <algorithm>
#include <array>

namespace n63k {
namespace {

constexpr std::array<ButtonFunction, 27> kCatalogue = {{
    {81, "Close window", "关闭窗口", "str_close", 0x003D0400},
    {82, "Lock PC", "锁定电脑", "str_lock", 0x000F0800},
    {84, "Run", "运行", "str_run", 0x00150800},
    {85, "Show desktop", "显示桌面", "str_show", 0x00070800},
    {123, "Enter classic desktop", "进入传统界面", "str_win8_classic", 0x00100800},
    {124, "Switch applications", "切换应用程序", "str_win8_switch", 0x002B0400},
    {126, "sreen zoom in", "放大", "str_win8_winp", 0x00570800},
    {127, "sreen zoom out", "缩小", "str_win8_winm", 0x00560800},
    {125, "Search", "搜索", "str_find", 0x00140800},
    {1, "Click", "单击", "str_mouseleft", 0x00F00001},
    {2, "Menu", "菜单", "str_mouseright", 0x00F10001},
    {4, "Middle", "中键", "str_mousemiddle", 0x00F20001},
    {8, "Forward", "前进", "str_pre", 0x00F40001},
    {16, "Back", "后退", "str_back", 0x00F30001},
    {40, "Music", "音乐", "str_player", 0x01830003},
    {32, "Play/Pause", "播放/暂停", "str_PL", 0x00CD0003},
    {33, "Stop", "停止", "str_stop", 0x00B70003},
    {34, "Previous", "上一曲", "str_pre_media", 0x00B60003},
    {35, "Next", "下一曲", "str_next_media", 0x00B50003},
    {38, "Volume down", "音量-", "str_vol_dw", 0x00EA0003},
    {37, "Volume up", "音量+", "str_vol_up", 0x00E90003},
    {39, "Mute", "静音", "str_mute", 0x00E20003},
    {142, "SNIPE", "狙击键", "str_snipe", 0x08040007},
    {143, "FIRE", "火力", "str_fire", 0x0218F00A},
    {11, "Scroll up", "滚轮前滚", "", 0x00010004},
    {22, "Scroll down", "滚轮后滚", "", 0x00020004},
    {121, "Disable key", "禁用按键", "", 0x00000007},
}};

}  // namespace

std::span<const ButtonFunction> FunctionCatalogue() {
  return kCatalogue;
}

const ButtonFunction* FindFunction(std::int32_t code) {
  const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                               [code](const ButtonFunction& f) { return f.code == code; });
  return it == kCatalogue.end() ? nullptr : &*it;
}

std::string_view GetFunctionName(std::int32_t code, bool chineseUi) {
  const ButtonFunction* function = FindFunction(code);
  if (function == nullptr) {
    return {};
  }
  return chineseUi ? function->chinese : function->english;
}

}  // namespace n63k
