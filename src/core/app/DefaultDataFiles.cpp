#include "core/app/DefaultDataFiles.h"

#include <system_error>

#include "core/base/Folders.h"
#include "core/i18n/Languages.h"
#include "core/macro/MacroTable.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"

namespace n63k {
namespace {

constexpr std::size_t kStatisticsBytes = 24;

template <typename T>
std::vector<std::uint8_t> BytesOf(const T& value) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(&value);
  return {data, data + sizeof value};
}

}  // namespace

std::vector<FileInSet> DefaultDataFiles(bool chinese) {
  const MacroTable emptyTable;
  const std::span<const std::uint8_t> macros = emptyTable.Bytes();
  const std::int32_t language = chinese ? kLanguageChinese : kLanguageEnglish;
  ProfileRecord profile;
  BuildDefaultProfile(profile, chinese);
  const std::vector<std::uint8_t> profileBytes = BytesOf(profile);

  std::vector<FileInSet> files;
  for (const std::string_view name : kDataFiles) {
    std::vector<std::uint8_t> bytes;
    if (name == "Macro.cfg") {
      bytes.assign(macros.begin(), macros.end());
    } else if (name == "Language.cfg") {
      bytes = BytesOf(language);
    } else if (name == "Sts.cfg") {
      bytes.assign(kStatisticsBytes, 0);
    } else if (name == "Profile/ConfigInfo.cfg") {
      bytes = BytesOf(DefaultProfileTable());
    } else {
      bytes = profileBytes;
    }
    files.push_back({name, std::move(bytes)});
  }
  return files;
}

std::optional<FileSetFailure> WriteDefaultDataFiles(const std::filesystem::path& folder,
                                                    bool chinese, FileAccess& files) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return WriteFileSet(folder, DefaultDataFiles(chinese), files);
}

}  // namespace n63k
