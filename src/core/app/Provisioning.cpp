#include "core/app/Provisioning.h"

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

}  // namespace n63k
