#include "core/i18n/InterfaceLanguage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/base/IniFile.h"
#include "core/i18n/LanguageFile.h"
#include "core/i18n/Languages.h"

namespace n63k {
namespace {

constexpr std::size_t kLanguageNumberBytes = 4;

std::array<std::uint8_t, kLanguageNumberBytes> LittleEndian(int number) {
  const auto value = static_cast<std::uint32_t>(number);
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

int FromLittleEndian(const std::array<std::uint8_t, kLanguageNumberBytes>& bytes) {
  const std::uint32_t value = bytes[0] | (std::uint32_t{bytes[1]} << 8) |
                              (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
  return static_cast<std::int32_t>(value);
}

}  // namespace

InterfaceLanguage::InterfaceLanguage(Folders folders, Localisation& localisation, FileAccess& files)
    : folders_(std::move(folders)), localisation_(localisation), files_(files) {}

std::filesystem::path InterfaceLanguage::LanguageNumberPath() const {
  return folders_.data / "Language.cfg";
}

LanguageNumber InterfaceLanguage::StartUp() {
  LoadTexts(*FindLanguage(kLanguageChinese));

  const bool chinese = GetProfileInt(folders_.program / "skins" / "languagetype.ini",
                                     "languagetype", "value", 0) == 1;
  localisation_.chineseUi = chinese;
  localisation_.startupChineseUi = chinese;
  const int installed = chinese ? kLanguageChinese : kLanguageEnglish;
  LoadTexts(*FindLanguage(installed));
  flagLanguage_ = installed;
  // The external flasher reads the installation language from here. An
  // installed program folder is read-only to the user, so a failed write is
  // expected and not reported.
  static_cast<void>(WriteProfileString(folders_.program / "FWUpdate" / "Config.ini", "Language",
                                       "Type", chinese ? "1" : "0"));

  return ReadLanguageNumber();
}

LanguageNumber InterfaceLanguage::ReadLanguageNumber() {
  std::array<std::uint8_t, kLanguageNumberBytes> bytes = LittleEndian(kLanguageChinese);
  const std::filesystem::path path = LanguageNumberPath();
  std::vector<std::uint8_t> read;
  const FileError error = files_.Read(path, read, kLanguageNumberBytes);
  numberStored_ = error == FileError::kNone && read.size() == kLanguageNumberBytes;
  if (error != FileError::kNone) {
    return {kLanguageChinese,
            Outcome().Note(FileNotice(FileTask::kLoadLanguageNumber, path, error))};
  }
  std::copy(read.begin(), read.end(), bytes.begin());
  return {FromLittleEndian(bytes), {}};
}

Outcome InterfaceLanguage::SwitchLanguage(int number, LanguagePick pick) {
  const bool fromMenu = pick != LanguagePick::kStartUp;
  if (number == 0 || (fromMenu && !menuOpen_)) {
    return {};
  }
  localisation_.chineseUi = number == kLanguageChinese;
  if (const Language* language = FindLanguage(number)) {
    LoadTexts(*language);
    flagLanguage_ = number;
  }
  Outcome outcome;
  if (fromMenu || !numberStored_) {
    outcome = WriteLanguageNumber(number);
  }
  if (observer_ != nullptr) {
    observer_->ReapplyCaptions();
  }
  if (fromMenu) {
    menuOpen_ = false;
    if (observer_ != nullptr) {
      observer_->CloseLanguageMenu();
    }
  }
  return outcome;
}

void InterfaceLanguage::LoadTexts(const Language& language) {
  LoadLanguageFile(folders_.program / language.file, localisation_.texts);
}

Outcome InterfaceLanguage::WriteLanguageNumber(int number) {
  const std::filesystem::path path = LanguageNumberPath();
  const FileError error = files_.Write(path, LittleEndian(number));
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kSaveLanguageNumber, path, error));
  }
  numberStored_ = true;
  return {};
}

}  // namespace n63k
