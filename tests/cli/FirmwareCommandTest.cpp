#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "cli/Cli.h"
#include "core/firmware/UpdateTexts.h"
#include "core/store/ProfileRecord.h"
#include "support/CliRun.h"
#include "support/LocalHttpServer.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace n63k::cli {
namespace {

using test::CliRun;
using ::testing::HasSubstr;

constexpr char kManifestPath[] = "/software/n63K/update.xml";

struct FirmwareCommand : ::testing::Test {
  test::TempDir temp;
  test::LocalHttpServer server;
  test::ScopedEnv cache{"XDG_CACHE_HOME", (temp / "cache").string()};
  test::ScopedEnv url{"N63K_UPDATE_URL", server.Url(kManifestPath)};

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", (temp / "data").string(), "--simulate"});
    return test::RunInProcess(args);
  }
  void Offer(const std::string& firmware) {
    server.Set(kManifestPath, {200, "<update><firmware>" + firmware + "</firmware></update>", 0});
  }
};

TEST_F(FirmwareCommand, ComparesTheMouseWithAFreshManifest) {
  const std::string image = server.Url("/fw.bin");
  const struct {
    std::string firmware;
    std::string out;
  } cases[] = {
      {"<current>20</current><newfile>" + image + "</newfile>",
       "installed: 17\noffered: 20 " + image + "\nnewer\n"},
      {"<current>17</current><newfile>" + image + "</newfile>",
       "installed: 17\noffered: 17 " + image + "\nnot newer\n"},
      {"<newfile>" + image + "</newfile>", "installed: 17\noffered: none\nnot newer\n"},
  };
  for (const auto& c : cases) {
    Offer(c.firmware);
    const CliRun run = Run({"firmware"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, c.out);
  }
  EXPECT_FALSE(std::filesystem::exists(temp / "cache/KORVU/N63K/new_version/KorvuGameDevice.bin"));
}

TEST_F(FirmwareCommand, DownloadsTheOfferedImageIntoTheCacheFolder) {
  Offer("<current>20</current><newfile>" + server.Url("/fw.bin") + "</newfile>");
  server.Set("/fw.bin", {200, "image", 0});
  const CliRun run = Run({"firmware", "--download"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::filesystem::path image = temp / "cache/KORVU/N63K/new_version/KorvuGameDevice.bin";
  EXPECT_THAT(run.out,
              HasSubstr("\nimage: " + image.string() +
                        " sha256 "
                        "6105d6cc76af400325e94d588ce511be5bfdbb73b437dc51eca43917d7a43e3d\n"));
  EXPECT_EQ(test::ReadText(image), "image");
}

TEST_F(FirmwareCommand, FailuresExitWithTheirMessage) {
  Offer("<current>20</current><newfile>" + server.Url("/gone.bin") + "</newfile>");
  CliRun run = Run({"firmware", "--download"});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_THAT(run.err, HasSubstr(std::string(kImageDownloadFailedText)));

  server.Set(kManifestPath, {500, "", 0});
  run = Run({"firmware"});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.out, "installed: 17\n");
  EXPECT_THAT(run.err, HasSubstr(std::string(ServerUnreachableText(false))));
}

struct TransferCommands : ::testing::Test {
  test::TempDir temp;

  CliRun Run(const std::vector<std::string>& args) {
    std::vector<std::string> all{"--data", (temp / "data").string()};
    all.insert(all.end(), args.begin(), args.end());
    return test::RunInProcess(all);
  }
  std::vector<std::uint8_t> Profile1() {
    return test::ReadBytes(temp / "data/Profile/Profile1.cfg");
  }
};

TEST_F(TransferCommands, ExportThenImportCarriesTheProfile) {
  const std::filesystem::path file = temp / "mine.cfg";
  CliRun run = Run({"export", file.string()});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, file.string() + " export success!\n");
  std::vector<std::uint8_t> bytes = test::ReadBytes(file);
  EXPECT_EQ(bytes, Profile1());

  bytes[offsetof(ProfileRecord, pointerSpeed)] = 14;
  test::WriteBytes(file, bytes);
  run = Run({"import", file.string()});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, file.string() + " import success!\n");
  EXPECT_EQ(Profile1(), bytes);
}

TEST_F(TransferCommands, RefusedFilesChangeNothing) {
  ASSERT_EQ(Run({"export", (temp / "p.cfg").string()}).status, kExitOk);
  const std::vector<std::uint8_t> before = Profile1();
  std::vector<std::uint8_t> zeroMagic = before;
  std::memset(zeroMagic.data(), 0, 4);
  test::WriteBytes(temp / "zero.cfg", zeroMagic);

  CliRun run = Run({"import", (temp / "zero.cfg").string()});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_THAT(run.err, HasSubstr((temp / "zero.cfg").string() + " is an invaild Profile!\n"));
  EXPECT_EQ(Profile1(), before);

  run = Run({"export", (temp / "no/such/folder.cfg").string()});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_THAT(run.err, HasSubstr((temp / "no/such/folder.cfg").string() + " export failed!\n"));
}

}  // namespace
}  // namespace n63k::cli
