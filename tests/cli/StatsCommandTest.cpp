#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/Cli.h"
#include "core/stats/StatsRecord.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using test::CliRun;
using ::testing::HasSubstr;

class StatsCommandTest : public ::testing::Test {
 protected:
  StatsCommandTest() {
    const CliRun run = test::RunInProcess({"defaults", data.string()});
    EXPECT_EQ(run.status, kExitOk) << run.err;
  }

  CliRun Run(const std::vector<std::string>& args) {
    std::vector<std::string> all{"--data", data.string(), "stats"};
    all.insert(all.end(), args.begin(), args.end());
    return test::RunInProcess(all);
  }

  void Store(const StatsRecord& record) {
    const auto bytes = EncodeStats(record);
    test::WriteBytes(data / "Sts.cfg", {bytes.begin(), bytes.end()});
  }

  test::TempDir dir;
  std::filesystem::path data = dir / "data";
};

TEST_F(StatsCommandTest, PrintsEachFigureAsThePageShowsItInOrder) {
  Store({0x80000000u, 2, 3, 10'000'000, 5, 123'456});
  const CliRun run = Run({});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "left: -2147483648\n"
            "middle: 2\n"
            "right: 3\n"
            "clicks: -2147483643\n"
            "wheel-forward: 10000000\n"
            "wheel-backward: 5\n"
            "wheel: 10000005\n"
            "distance: 12.35\n"
            "level: 12\n");
}

TEST_F(StatsCommandTest, ResetClearsTheFileWithoutAsking) {
  Store({1, 2, 3, 4, 5, 6});
  const CliRun run = Run({"--reset"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(test::ReadBytes(data / "Sts.cfg"), std::vector<std::uint8_t>(24, 0));
  EXPECT_THAT(Run({}).out, HasSubstr("clicks: 0\n"));
}

TEST_F(StatsCommandTest, AShortFileIsReadAsFarAsItGoesToldAndLeftAlone) {
  const std::vector<std::uint8_t> shortFile = {7, 0, 0, 0, 9};
  test::WriteBytes(data / "Sts.cfg", shortFile);
  const CliRun run = Run({});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_THAT(run.out, HasSubstr("left: 7\nmiddle: 9\n"));
  EXPECT_THAT(run.err, HasSubstr("damaged"));
  EXPECT_EQ(test::ReadBytes(data / "Sts.cfg"), shortFile);
  EXPECT_FALSE(std::filesystem::exists(data / "Sts.cfg.bak"));
}

TEST_F(StatsCommandTest, AMissingFileIsToldAndCountsAreZero) {
  std::filesystem::remove(data / "Sts.cfg");
  const CliRun run = Run({});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_THAT(run.out, HasSubstr("level: 0\n"));
  EXPECT_THAT(run.err, HasSubstr("Sts.cfg"));
}

}  // namespace
}  // namespace n63k::cli
