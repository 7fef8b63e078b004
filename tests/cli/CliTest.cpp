#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/Cli.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using ::testing::HasSubstr;

CliRun RunWith(const std::vector<std::string>& args) {
  return test::RunInProcess(args);
}

std::vector<std::uint8_t> DefaultRecord(bool chinese) {
  ProfileRecord record;
  BuildDefaultProfile(record, chinese);
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

TEST(DefaultsCommand, WritesEveryDefaultFileExactly) {
  for (const bool chinese : {false, true}) {
    TempDir dir;
    std::vector<std::string> args{"defaults", (dir / "out").string()};
    if (chinese) {
      args.push_back("--chinese");
    }
    const CliRun run = RunWith(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;

    EXPECT_EQ(ReadBytes(dir / "out/Macro.cfg"), std::vector<std::uint8_t>(2052000, 0));
    EXPECT_EQ(ReadBytes(dir / "out/Language.cfg"),
              (std::vector<std::uint8_t>{static_cast<std::uint8_t>(chinese ? 1 : 2), 0, 0, 0}));
    EXPECT_EQ(ReadBytes(dir / "out/Sts.cfg"), std::vector<std::uint8_t>(24, 0));
    const ProfileTableEntries table = DefaultProfileTable();
    const auto* tableBytes = reinterpret_cast<const std::uint8_t*>(&table);
    EXPECT_EQ(ReadBytes(dir / "out/Profile/ConfigInfo.cfg"),
              std::vector<std::uint8_t>(tableBytes, tableBytes + sizeof table));
    for (int i = 1; i <= 5; ++i) {
      EXPECT_EQ(ReadBytes(dir / ("out/Profile/Profile" + std::to_string(i) + ".cfg")),
                DefaultRecord(chinese))
          << i;
    }
  }
}

TEST(Cli, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"defaults"},
      {"show", "--profile", "6"},
      {"show", "--profile", "x"},
      {"profiles", "extra"},
  };
  for (const auto& args : cases) {
    const CliRun run = RunWith(args);
    EXPECT_EQ(run.status, kExitUsage) << ::testing::PrintToString(args);
    EXPECT_THAT(run.err, HasSubstr("n63kctl"));
  }
}

class DataFolderTest : public ::testing::Test {
 protected:
  DataFolderTest() {
    const CliRun run = RunWith({"defaults", data.string()});
    EXPECT_EQ(run.status, kExitOk) << run.err;
  }

  CliRun RunOnData(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", data.string()});
    return RunWith(args);
  }

  TempDir dir;
  std::filesystem::path data = dir / "data";
};

TEST_F(DataFolderTest, ProfilesListsTheTable) {
  ProfileTableEntries table = DefaultProfileTable();
  table[0].selected = 0;
  table[2].selected = 1;
  table[2].macroIds[6] = 0xDEADBEEF;
  WriteBytes(data / "Profile/ConfigInfo.cfg",
             {reinterpret_cast<const std::uint8_t*>(&table),
              reinterpret_cast<const std::uint8_t*>(&table) + sizeof table});
  const CliRun run = RunOnData({"profiles"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string zeros = " 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000 0x00000000";
  EXPECT_EQ(run.out, "1 valid unselected - macros" + zeros +
                         " 0x00000000\n"
                         "2 valid unselected - macros" +
                         zeros +
                         " 0x00000000\n"
                         "3 valid selected current macros" +
                         zeros +
                         " 0xdeadbeef\n"
                         "4 valid unselected - macros" +
                         zeros +
                         " 0x00000000\n"
                         "5 valid unselected - macros" +
                         zeros + " 0x00000000\n");
}

TEST_F(DataFolderTest, ShowPrintsEveryFieldOfTheChosenProfile) {
  std::vector<std::uint8_t> record = DefaultRecord(false);
  record[22232] = 19;  // pointer speed of profile 4
  WriteBytes(data / "Profile/Profile4.cfg", record);

  const CliRun run = RunOnData({"show", "--profile", "4"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_THAT(run.out, HasSubstr("profile 4 \"" + (data / "Profile/Profile4.cfg").string()));
  EXPECT_THAT(run.out, HasSubstr("magic 0x80800295\n"));
  EXPECT_THAT(run.out, HasSubstr("button 6 wheel-down: code 22 "));
  EXPECT_THAT(run.out, HasSubstr(" caption \"Scroll down\" "));
  EXPECT_THAT(run.out, HasSubstr("dpiLevels 750 1250 1500 2000 2500 3500 4000 0 0 0 0 0 0 0\n"));
  EXPECT_THAT(run.out, HasSubstr("ledColours 0x000000ff 0x000000ff 0x000000ff 0x000000ff\n"));
  EXPECT_THAT(run.out, HasSubstr("pointerSpeed 19\n"));
  EXPECT_THAT(run.out, HasSubstr("wheelScrollLines 3\n"));
}

TEST_F(DataFolderTest, ShowOfAnInvalidProfileFails) {
  WriteBytes(data / "Profile/Profile2.cfg", {1, 2, 3});
  const CliRun run = RunOnData({"show", "--profile", "2"});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_THAT(run.err, HasSubstr("Profile2.cfg is an invaild Profile!"));
  EXPECT_THAT(run.err, HasSubstr("profile 2 could not be loaded"));
}

// The built tool, as a user runs it: the data folder comes from XDG_DATA_HOME
// and is provisioned from the program folder beside the executable.
TEST(N63kctl, ProvisionsTheDefaultDataFolderOnFirstUse) {
  TempDir dir;
  const std::string command =
      "XDG_DATA_HOME='" + dir.path().string() + "' '" N63KCTL_PATH "' show 2>&1; echo \"exit=$?\"";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    output += buffer;
  }
  pclose(pipe);
  EXPECT_THAT(output, HasSubstr("profile 1 "));
  EXPECT_THAT(output, HasSubstr("exit=0"));
  EXPECT_EQ(ReadBytes(dir / "KORVU/N63K/Macro.cfg"),
            ReadBytes(std::filesystem::path(N63K_PROGRAM_DIR) / "Macro.cfg"));
  EXPECT_EQ(ReadBytes(dir / "KORVU/N63K/Profile/Profile3.cfg"), DefaultRecord(false));
}

}  // namespace
}  // namespace n63k::cli
