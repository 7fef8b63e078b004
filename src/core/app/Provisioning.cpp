#include "core/app/Provisioning.h"

#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace n63k {

namespace fs = std::filesystem;

namespace {

// No default data file comes near this; anything larger is not ours.
constexpr std::size_t kLargestDataFile = 4u << 20;

}  // namespace

void ProvisionDataFolder(const Folders& folders, FileAccess& files) {
  std::error_code error;
  if (fs::exists(folders.data, error) || error) {
    return;
  }
  fs::create_directories(folders.data / "Profile", error);
  for (const std::string_view file : kDataFiles) {
    const fs::path target = folders.data / file;
    if (fs::exists(target, error)) {
      continue;
    }
    std::vector<std::uint8_t> bytes;
    if (files.Read(folders.program / file, bytes, kLargestDataFile) == FileError::kNone) {
      static_cast<void>(files.Write(target, bytes));
    }
  }
}

void RemoveStaleTemporaries(const Folders& folders) {
  std::map<fs::path, std::vector<std::string>> namesByFolder;
  for (const std::string_view file : kDataFiles) {
    const fs::path path = folders.data / file;
    namesByFolder[path.parent_path()].push_back(path.filename().string());
  }
  for (const auto& [folder, names] : namesByFolder) {
    RemoveStaleTemporaryFiles(folder, names);
  }
}

}  // namespace n63k
