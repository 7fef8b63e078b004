#include <gtest/gtest.h>

#include <map>

#include "core/base/Folders.h"
#include "support/FakeSystemPaths.h"

namespace n63k {
namespace {

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
    test::FakeSystemPaths system;
    system.variables = c.variables;
    EXPECT_EQ(DefaultDataFolder(system), std::filesystem::path(c.folder)) << c.folder;
    EXPECT_EQ(DefaultFolders(system).program, std::filesystem::path("/opt/korvu-n63k"));
  }
}

}  // namespace
}  // namespace n63k
