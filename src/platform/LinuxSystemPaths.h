#pragma once

#include "core/base/SystemPaths.h"

namespace n63k {

// /proc/self/exe, the process environment and the user database.
class LinuxSystemPaths final : public SystemPaths {
 public:
  std::filesystem::path ExecutableFolder() const override;
  std::optional<std::string> Variable(const std::string& name) const override;
  std::filesystem::path AccountHome() const override;
};

}  // namespace n63k
