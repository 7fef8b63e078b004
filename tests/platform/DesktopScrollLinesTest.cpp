#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "platform/DesktopScrollLines.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
    }
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A configuration writer on PATH that notes its arguments.
void FakeWriter(const test::TempDir& dir, const std::string& name) {
  const auto path = dir / name;
  std::ofstream(path) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << (dir / "calls").string()
                      << "'\n";
  ::chmod(path.c_str(), 0755);
}

std::string Calls(const test::TempDir& dir) {
  const auto bytes = test::ReadBytes(dir / "calls");
  return {bytes.begin(), bytes.end()};
}

TEST(DesktopScrollLines, WrittenToThePlasmaSettings) {
  struct Case {
    std::string desktop;
    std::vector<std::string> writers;
    std::int32_t lines;
    std::string calls;
  };
  const std::vector<Case> cases = {
      {"KDE",
       {"kwriteconfig6", "kwriteconfig5"},
       5,
       "kwriteconfig6 --file kdeglobals --group KDE --key WheelScrollLines 5\n"},
      {"KDE",
       {"kwriteconfig5"},
       30,
       "kwriteconfig5 --file kdeglobals --group KDE --key WheelScrollLines 30\n"},
      {"GNOME", {"kwriteconfig6"}, 5, ""},
      {"KDE", {"kwriteconfig6"}, -1, ""},
      {"KDE", {"kwriteconfig6"}, 0, ""},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    for (const std::string& writer : c.writers) {
      FakeWriter(dir, writer);
    }
    const ScopedEnv path("PATH", dir.path().string());
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", c.desktop);
    SetDesktopScrollLines(c.lines);
    EXPECT_EQ(Calls(dir), c.calls) << c.desktop << ' ' << c.lines;
  }
}

TEST(DesktopScrollLines, NoWriterIsNoFailure) {
  test::TempDir dir;
  const ScopedEnv path("PATH", dir.path().string());
  const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "KDE");
  SetDesktopScrollLines(3);
}

}  // namespace
}  // namespace n63k
