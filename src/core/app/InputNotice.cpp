#include "core/app/InputNotice.h"

namespace n63k {

std::string InputNotice::Check(const MouseWatchList& watchList, bool chineseUi) {
  if (told_ || reach_ == InputReach::kSwallows || !watchList.AnyWatched()) {
    return {};
  }
  told_ = true;
  if (reach_ == InputReach::kObservesOnly) {
    return chineseUi ? "PC动作会执行，但其他程序也会收到该按键：请安装本程序的udev规则。"
                     : "PC actions run, but other programs get the click too: install the "
                       "program's udev rule.";
  }
  return chineseUi ? "此会话中本程序无法读取鼠标输入，PC动作不会执行。"
                   : "PC actions cannot run: this session does not let the program read the "
                     "mouse's input.";
}

}  // namespace n63k
