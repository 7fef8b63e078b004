#include <gtest/gtest.h>

#include "platform/FakeProgram.h"
#include "platform/KdeConfig.h"
#include "support/ScopedEnv.h"

namespace n63k {
namespace {

TEST(KdeConfig, WrittenByTheDesktopsWriter) {
  struct Case {
    std::vector<std::pair<std::string, int>> writers;  // name, exit status
    std::string value;
    bool notify;
    bool written;
    std::string calls;
  };
  const std::vector<Case> cases = {
      {{{"kwriteconfig6", 0}, {"kwriteconfig5", 0}},
       "5",
       true,
       true,
       "kwriteconfig6 --file kdeglobals --group KDE --key WheelScrollLines --notify -- 5\n"},
      {{{"kwriteconfig5", 0}},
       "30",
       false,
       true,
       "kwriteconfig5 --file kdeglobals --group KDE --key WheelScrollLines -- 30\n"},
      // A writer that fails hands over to the other.
      {{{"kwriteconfig6", 1}, {"kwriteconfig5", 0}},
       "-0.5",
       false,
       true,
       "kwriteconfig6 --file kdeglobals --group KDE --key WheelScrollLines -- -0.5\n"
       "kwriteconfig5 --file kdeglobals --group KDE --key WheelScrollLines -- -0.5\n"},
      {{{"kwriteconfig6", 1}},
       "3",
       false,
       false,
       "kwriteconfig6 --file kdeglobals --group KDE --key WheelScrollLines -- 3\n"},
      {{}, "3", true, false, ""},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    for (const auto& [name, status] : c.writers) {
      test::FakeProgram(dir, name, status);
    }
    const test::ScopedEnv path("PATH", dir.path().string());
    EXPECT_EQ(WriteKdeConfig("kdeglobals", "KDE", "WheelScrollLines", c.value, c.notify), c.written)
        << c.value;
    EXPECT_EQ(test::Calls(dir), c.calls) << c.value;
  }
}

}  // namespace
}  // namespace n63k
