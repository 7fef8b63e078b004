#include "core/app/Folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

#include "core/base/Files.h"

namespace n63k {

namespace fs = std::filesystem;

fs::path RunningProgramFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : exe.parent_path();
}

fs::path DefaultDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  fs::path base;
  if (xdg != nullptr && *xdg != '\0') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
      const passwd* user = ::getpwuid(::getuid());
      home = user != nullptr ? user->pw_dir : "/tmp";
    }
    base = fs::path(home) / ".local/share";
  }
  return base / "KORVU" / "N63K";
}

void ProvisionDataFolder(const Folders& folders) {
  std::error_code error;
  if (fs::exists(folders.data, error)) {
    return;
  }
  fs::create_directories(folders.data / "Profile", error);
  for (const std::string_view file : kDataFiles) {
    const fs::path target = folders.data / file;
    if (fs::exists(target, error)) {
      continue;
    }
    std::vector<std::uint8_t> bytes;
    if (ReadFileBytes(folders.program / file, bytes, 64u << 20) == FileError::kNone) {
      WriteFileAtomic(target, bytes);
    }
  }
}

}  // namespace n63k
