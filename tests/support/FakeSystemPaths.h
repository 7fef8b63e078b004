#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "core/base/SystemPaths.h"

namespace n63k::test {

// A system whose environment is a table and whose program is installed.
class FakeSystemPaths final : public SystemPaths {
 public:
  std::filesystem::path ExecutableFolder() const override { return "/opt/korvu-n63k"; }
  std::optional<std::string> Variable(const std::string& name) const override {
    const auto found = variables.find(name);
    if (found == variables.end()) {
      return std::nullopt;
    }
    return found->second;
  }
  std::filesystem::path AccountHome() const override { return "/home/from-passwd"; }

  std::map<std::string, std::string> variables;
};

}  // namespace n63k::test
