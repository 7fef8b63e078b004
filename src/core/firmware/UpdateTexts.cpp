#include "core/firmware/UpdateTexts.h"

namespace n63k {

std::string_view NewerFirmwareQuestion(bool chineseUi) {
  return chineseUi ? "游戏鼠标固件有更新,是否更新到最新版本?"
                   : "A new version of firmware is available for the gaming mouse, whether to "
                     "update or not?";
}

std::string_view LatestFirmwareText(bool chineseUi) {
  return chineseUi ? "固件已经是最新版本." : "Firmware is the latest version.";
}

std::string_view ServerUnreachableText(bool chineseUi) {
  return chineseUi ? "无法连接升级服务器,请稍后再试."
                   : "The update server could not be reached. Please try again later.";
}

std::string_view ServerTimedOutText(bool chineseUi) {
  return chineseUi ? "升级服务器没有及时响应,请稍后再试."
                   : "The update server did not answer in time. Please try again later.";
}

}  // namespace n63k
