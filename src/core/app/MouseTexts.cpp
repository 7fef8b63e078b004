#include "core/app/MouseTexts.h"

#include "core/base/TextFormat.h"

namespace n63k {

std::string_view MouseFoundText(bool chineseUi) {
  return chineseUi ? "发现N63K游戏鼠标." : "The N63K gaming mouse is found.";
}

std::string_view MouseNotFoundText(bool chineseUi) {
  return chineseUi ? "没有找到N63K游戏鼠标." : "The N63K gaming mouse cannot be found.";
}

std::string MouseUnavailableText(OpenResult result, bool chineseUi) {
  if (result != OpenResult::kNoPermission) {
    return std::string(MouseNotFoundText(chineseUi));
  }
  return FormatText(chineseUi
                        ? "已连接N63K游戏鼠标, 但当前用户无权打开它. 请安装本程序的udev规则 %s, "
                          "然后重新插入鼠标."
                        : "The N63K gaming mouse is connected, but this user may not open "
                          "it. Install the program's udev rule %s, then plug the mouse in "
                          "again.",
                    kUdevRuleFile);
}

}  // namespace n63k
