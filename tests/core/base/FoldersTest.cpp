#include <gtest/gtest.h>

#include <map>

#include "core/base/Folders.h"

namespace n63k {
namespace {

class FakeSystem final : public SystemPaths {
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

TEST(DataFolder, FollowsXdgDataHomeThenHomeThenTheUserDatabase) {
  struct Case {
    std::map<std::string, std::string> variables;
    const char* folder;
  } const cases[] = {
      {{{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/u"}}, "/x/data/KORVU/N63K"},
      {{{"XDG_DATA_HOME", ""}, {"HOME", "/home/u"}}, "/home/u/.local/share/KORVU/N63K"},
      {{{"HOME", "/home/u"}}, "/home/u/.local/share/KORVU/N63K"},
      {{{"HOME", ""}}, "/home/from-passwd/.local/share/KORVU/N63K"},
      {{}, "/home/from-passwd/.local/share/KORVU/N63K"},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    system.variables = c.variables;
    EXPECT_EQ(DefaultDataFolder(system), std::filesystem::path(c.folder)) << c.folder;
    EXPECT_EQ(DefaultFolders(system).program, std::filesystem::path("/opt/korvu-n63k"));
  }
}

}  // namespace
}  // namespace n63k
