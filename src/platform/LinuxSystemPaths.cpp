#include "platform/LinuxSystemPaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace n63k {

namespace fs = std::filesystem;

fs::path LinuxSystemPaths::ExecutableFolder() const {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : exe.parent_path();
}

std::optional<std::string> LinuxSystemPaths::Variable(const std::string& name) const {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) {
    return std::nullopt;
  }
  return std::string(value);
}

fs::path LinuxSystemPaths::AccountHome() const {
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr && user->pw_dir != nullptr ? fs::path(user->pw_dir) : fs::path("/tmp");
}

}  // namespace n63k
