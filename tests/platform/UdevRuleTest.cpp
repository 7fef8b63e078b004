#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace n63k {
namespace {

const std::filesystem::path kRule = std::filesystem::path(N63K_PROGRAM_DIR) / "70-korvu-n63k.rules";

std::vector<std::string> RuleLines() {
  std::ifstream in(kRule);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') {
      lines.push_back(line);
    }
  }
  return lines;
}

TEST(UdevRule, IsInTheProgramFolder) {
  EXPECT_TRUE(std::filesystem::exists(kRule));
}

TEST(UdevRule, GivesTheSeatUserTheMouseAndTheBootLoader) {
  const std::vector<std::string> lines = RuleLines();
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::pair<std::string, std::string>> devices = {{"24ae", "4110"},
                                                                    {"04d9", "8022"}};
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const std::string& line = lines[i];
    EXPECT_NE(line.find("SUBSYSTEM==\"hidraw\""), std::string::npos) << line;
    EXPECT_NE(line.find("ATTRS{idVendor}==\"" + devices[i].first + "\""), std::string::npos);
    EXPECT_NE(line.find("ATTRS{idProduct}==\"" + devices[i].second + "\""), std::string::npos);
    EXPECT_NE(line.find("TAG+=\"uaccess\""), std::string::npos) << line;
    // Access through the seat only: no mode, group or owner for everybody.
    for (const char* key : {"MODE", "GROUP", "OWNER"}) {
      EXPECT_EQ(line.find(key), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace n63k
