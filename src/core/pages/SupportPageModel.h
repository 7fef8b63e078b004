#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/base/FileAccess.h"
#include "core/base/UserMessages.h"
#include "core/firmware/UpdateCheck.h"
#include "core/i18n/TextTable.h"
#include "core/pages/SupportPageLayout.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// What the support page asks of the main window and the desktop.
class SupportPageHost {
 public:
  virtual ~SupportPageHost() = default;
  // The status line shows hint `hint`.
  virtual void ShowHint(int hint) = 0;
  // The defaults replace the current profile and go to the mouse.
  virtual void RestoreDefaults() = 0;
  // An import replaced the current profile in memory: the pages show it, so
  // that what they hold is what the next Apply writes.
  virtual void ProfileImported() = 0;
  // The maker's web site in the desktop's browser.
  virtual void OpenWebSite(std::string_view url) = 0;
};

// What the support page's view follows.
class SupportPageObserver {
 public:
  virtual ~SupportPageObserver() = default;
  // A caption or the firmware version changed: repaint.
  virtual void SupportPageChanged() = 0;
};

// The firmware version as the page shows it: "Unknown" for 0, else "V a.b.c"
// with the decimal digits right-aligned one to a part and "0" for a missing
// part; digits beyond three all go to the first part (1234: "V 12.3.4").
std::string FirmwareVersionText(std::uint32_t version);

// The support page: the program's and the mouse's versions, the update
// check, the web site, profile import and export, and restoring the defaults.
class SupportPageModel {
 public:
  static constexpr std::string_view kProgramVersion = "V1.0.0";
  static constexpr std::string_view kWebSite = "https://www.korvu.com";

  SupportPageModel(UpdateCheck& update, ProfileRecord& current, FileAccess& files,
                   UserMessages& messages, const Localisation& localisation, SupportPageHost& host);

  void SetObserver(SupportPageObserver* observer) { observer_ = observer; }

  // The mouse's version, 0 when it did not tell it.
  void ShowFirmwareVersion(std::uint32_t version);
  std::string FirmwareVersion() const { return FirmwareVersionText(update_.InstalledVersion()); }

  // The pointer entered a control.
  void Hover(support_page::Control control);
  void PressUpdate() { update_.CheckForUpdate(); }
  void PressWebSite() { host_.OpenWebSite(kWebSite); }
  // The file chosen in the import dialog replaces the current profile when
  // it passes the same checks as a profile loaded at start-up; the pages then
  // show it. Nothing is written.
  void ImportFile(const std::filesystem::path& path);
  // The current profile goes whole to the file chosen in the export dialog.
  void ExportFile(const std::filesystem::path& path);
  void PressRestoreDefaults();
  // After a language switch.
  void ReapplyCaptions();

  const std::string& Caption(support_page::Control control) const;
  std::string_view ImportDialogFilter() const { return "CFG Files(*.cfg)"; }

 private:
  void Notify();

  UpdateCheck& update_;
  ProfileRecord& current_;
  FileAccess& files_;
  UserMessages& messages_;
  const Localisation& localisation_;
  SupportPageHost& host_;
  SupportPageObserver* observer_ = nullptr;
};

}  // namespace n63k
