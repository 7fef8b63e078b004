#include "core/app/InputNotice.h"

namespace n63k {

std::string InputNotice::Check(const MouseWatchList& watchList, bool chineseUi) {
  if (told_ || reach_ == InputReach::kSwallows || !watchList.AnyWatched()) {
    return {};
  }
  told_ = true;
  // The status line holds about 30 characters.
  if (reach_ == InputReach::kObservesOnly) {
    return chineseUi ? "PC动作需要安装udev规则" : "PC actions need the udev rule";
  }
  return chineseUi ? "无法读取鼠标输入，PC动作无效" : "No mouse input for PC actions";
}

}  // namespace n63k
