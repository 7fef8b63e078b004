#include <gtest/gtest.h>

#include "core/app/Provisioning.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class ProvisioningTest : public ::testing::Test {
 protected:
  ProvisioningTest() {
    std::uint8_t n = 1;
    for (const std::string_view file : kDataFiles) {
      WriteBytes(program / std::string(file), {n++, 0xAA});
    }
  }

  TempDir dir;
  std::filesystem::path program = dir / "program";
  std::filesystem::path data = dir / "home/.local/share/KORVU/N63K";
};

TEST_F(ProvisioningTest, FreshDataFolderIsFilledFromTheProgramFolder) {
  ProvisionDataFolder({program, data}, SystemFiles());
  for (const std::string_view file : kDataFiles) {
    EXPECT_EQ(ReadBytes(data / std::string(file)), ReadBytes(program / std::string(file))) << file;
  }
}

TEST_F(ProvisioningTest, ExistingDataFolderIsNeverRefilled) {
  WriteBytes(data / "Macro.cfg", {9});
  ProvisionDataFolder({program, data}, SystemFiles());
  EXPECT_EQ(ReadBytes(data / "Macro.cfg"), std::vector<std::uint8_t>{9});
  EXPECT_FALSE(std::filesystem::exists(data / "Profile/Profile1.cfg"));
}

TEST_F(ProvisioningTest, MissingProgramFilesAreSkipped) {
  std::filesystem::remove(program / "Sts.cfg");
  ProvisionDataFolder({program, data}, SystemFiles());
  EXPECT_FALSE(std::filesystem::exists(data / "Sts.cfg"));
  EXPECT_TRUE(std::filesystem::exists(data / "Profile/Profile5.cfg"));
}

}  // namespace
}  // namespace n63k
