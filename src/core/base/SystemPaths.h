#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace n63k {

// What the operating system says about where the program runs and whose it
// is; platform answers it, tests fake it.
class SystemPaths {
 public:
  virtual ~SystemPaths() = default;
  // The folder of the running executable; empty when the system cannot say.
  virtual std::filesystem::path ExecutableFolder() const = 0;
  // An environment variable; none when it is unset.
  virtual std::optional<std::string> Variable(const std::string& name) const = 0;
  // The user's home folder from the user database, for when HOME is unset.
  virtual std::filesystem::path AccountHome() const = 0;
};

}  // namespace n63k
