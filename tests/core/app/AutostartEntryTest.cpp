#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/app/AutostartEntry.h"
#include "support/FakeSystemPaths.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

TEST(AutostartFile, FollowsXdgConfigHomeThenHomeThenTheUserDatabase) {
  struct Case {
    std::map<std::string, std::string> variables;
    const char* file;
  } const cases[] = {
      {{{"XDG_CONFIG_HOME", "/x/config"}, {"HOME", "/home/u"}},
       "/x/config/autostart/N63KDriver.desktop"},
      {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}},
       "/home/u/.config/autostart/N63KDriver.desktop"},
      {{}, "/home/from-passwd/.config/autostart/N63KDriver.desktop"},
  };
  for (const Case& c : cases) {
    test::FakeSystemPaths system;
    system.variables = c.variables;
    EXPECT_EQ(AutostartFile(system), fs::path(c.file)) << c.file;
  }
}

TEST(ExecArgument, QuotesAndEscapesAsDesktopEntriesRead) {
  const std::map<std::string, std::string> cases = {
      {"/opt/korvu-n63k/N63KDriver", R"("/opt/korvu-n63k/N63KDriver")"},
      {"/home/u/My Programs/N63KDriver", R"("/home/u/My Programs/N63KDriver")"},
      {R"(/a"b)", R"("/a\\"b")"},
      {R"(/a$b`c)", R"("/a\\$b\\`c")"},
      {R"(/a\b)", R"("/a\\\\b")"},
      {"/100%/p", R"("/100%%/p")"},
  };
  for (const auto& [path, argument] : cases) {
    EXPECT_EQ(ExecArgument(path), argument) << path;
  }
}

TEST(AutostartEntry, TurnsOnAndOffAndHonoursTheDesktopsSwitch) {
  test::TempDir dir;
  const fs::path file = dir / "config/autostart/N63KDriver.desktop";
  AutostartEntry entry(file, "/opt/korvu n63k/N63KDriver");
  EXPECT_FALSE(entry.Enabled());

  ASSERT_TRUE(entry.SetEnabled(true));
  EXPECT_TRUE(entry.Enabled());
  const std::vector<std::uint8_t> bytes = test::ReadBytes(file);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("\nExec=\"/opt/korvu n63k/N63KDriver\" --tray\n"), std::string::npos);

  for (const char* off : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
    const std::string changed = "[Desktop Entry]\nType=Application\n" + std::string(off) + "\n";
    test::WriteBytes(file, {changed.begin(), changed.end()});
    EXPECT_FALSE(entry.Enabled()) << off;
  }
  ASSERT_TRUE(entry.SetEnabled(true));
  EXPECT_TRUE(entry.Enabled());

  ASSERT_TRUE(entry.SetEnabled(false));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(entry.SetEnabled(false));
}

TEST(AutostartEntry, AFolderThatCannotBeMadeIsAFailure) {
  test::TempDir dir;
  test::WriteBytes(dir / "config", {'x'});
  AutostartEntry entry(dir / "config/autostart/N63KDriver.desktop", "/opt/p");
  EXPECT_FALSE(entry.SetEnabled(true));
  EXPECT_FALSE(entry.Enabled());
}

}  // namespace
}  // namespace n63k
