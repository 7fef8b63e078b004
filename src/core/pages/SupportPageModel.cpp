#include "core/pages/SupportPageModel.h"

#include "core/pages/ProfileTransfer.h"

namespace n63k {

std::string FirmwareVersionText(std::uint32_t version) {
  if (version == 0) {
    return "Unknown";
  }
  std::string digits = std::to_string(version);
  if (digits.size() < 3) {
    digits.insert(0, 3 - digits.size(), '0');
  }
  const std::size_t major = digits.size() - 2;
  return "V " + digits.substr(0, major) + "." + digits.substr(major, 1) + "." +
         digits.substr(major + 1);
}

SupportPageModel::SupportPageModel(UpdateCheck& update, ProfileRecord& current, FileAccess& files,
                                   UserMessages& messages, const Localisation& localisation,
                                   SupportPageHost& host)
    : update_(update),
      current_(current),
      files_(files),
      messages_(messages),
      localisation_(localisation),
      host_(host) {}

void SupportPageModel::ShowFirmwareVersion(std::uint32_t version) {
  update_.SetInstalledVersion(version);
  Notify();
}

void SupportPageModel::Hover(support_page::Control control) {
  host_.ShowHint(support_page::Place(control).hint);
}

void SupportPageModel::ImportFile(const std::filesystem::path& path) {
  const TransferResult imported = ImportProfile(path, current_, files_);
  if (imported.ok) {
    host_.ProfileImported();
  }
  messages_.StandardInfo(imported.message);
}

void SupportPageModel::ExportFile(const std::filesystem::path& path) {
  messages_.StandardInfo(ExportProfile(path, current_, files_).message);
}

void SupportPageModel::PressRestoreDefaults() {
  const char* question = localisation_.chineseUi ? "确定要恢复默认设置?"
                                                 : "Do you want to restore the default setting?";
  if (messages_.InfoBox(question, true) == InfoAnswer::kOk) {
    host_.RestoreDefaults();
  }
}

void SupportPageModel::ReapplyCaptions() {
  Notify();
}

const std::string& SupportPageModel::Caption(support_page::Control control) const {
  return localisation_.texts.Get(support_page::Place(control).caption);
}

void SupportPageModel::Notify() {
  if (observer_ != nullptr) {
    observer_->SupportPageChanged();
  }
}

}  // namespace n63k
