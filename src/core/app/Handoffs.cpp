#include "core/app/Handoffs.h"

#include <system_error>

namespace n63k {
namespace {

bool IsProgramFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string_view FlasherMissingText(bool chineseUi) {
  return chineseUi ? "没有安装固件升级程序." : "The firmware flasher is not installed.";
}

bool StartFlasher(const std::filesystem::path& programFolder, bool chineseUi,
                  ProgramStarter& starter, UserMessages& messages,
                  const std::filesystem::path& image) {
  const std::filesystem::path flasher = programFolder / kFlasherProgram;
  std::vector<std::string> arguments{chineseUi ? "1" : "0"};
  if (!image.empty()) {
    arguments.push_back(image.string());
  }
  if (IsProgramFile(flasher) && starter.Start(flasher, arguments)) {
    return true;
  }
  messages.InfoBox(std::string(FlasherMissingText(chineseUi)), false);
  return false;
}

void StartUpdater(const std::filesystem::path& programFolder, ProgramStarter& starter) {
  const std::filesystem::path updater = programFolder / kUpdaterProgram;
  if (IsProgramFile(updater)) {
    starter.Start(updater, {});
  }
}

}  // namespace n63k
