#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/Cli.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

TEST(DefaultsCommand, WritesAnEmptyMacroTable) {
  test::TempDir dir;
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunCli({"defaults", dir.path().string()}, out, err), kExitOk) << err.str();
  EXPECT_EQ(test::ReadBytes(dir / "Macro.cfg"), std::vector<std::uint8_t>(2052000, 0));
}

}  // namespace
}  // namespace n63k::cli
