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

std::vector<std::string> LinesWith(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string& line : RuleLines()) {
    if (line.find(text) != std::string::npos) {
      lines.push_back(line);
    }
  }
  return lines;
}

// Access through the seat only: no mode, group or owner for everybody.
void ExpectSeatAccessOnly(const std::string& line) {
  EXPECT_NE(line.find("TAG+=\"uaccess\""), std::string::npos) << line;
  for (const char* key : {"MODE", "GROUP", "OWNER"}) {
    EXPECT_EQ(line.find(key), std::string::npos) << line;
  }
}

TEST(UdevRule, GivesTheSeatUserTheMouseAndTheBootLoader) {
  const std::vector<std::string> lines = LinesWith("SUBSYSTEM==\"hidraw\"");
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::pair<std::string, std::string>> devices = {{"24ae", "4110"},
                                                                    {"04d9", "8022"}};
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const std::string& line = lines[i];
    EXPECT_NE(line.find("SUBSYSTEM==\"hidraw\""), std::string::npos) << line;
    EXPECT_NE(line.find("ATTRS{idVendor}==\"" + devices[i].first + "\""), std::string::npos);
    EXPECT_NE(line.find("ATTRS{idProduct}==\"" + devices[i].second + "\""), std::string::npos);
    ExpectSeatAccessOnly(line);
  }
}

TEST(UdevRule, GivesTheSeatUserTheMouseInputNodesAndUinput) {
  EXPECT_EQ(RuleLines().size(), 4u);
  const std::vector<std::string> input = LinesWith("SUBSYSTEM==\"input\"");
  ASSERT_EQ(input.size(), 1u);
  EXPECT_NE(input[0].find("KERNEL==\"event*\""), std::string::npos) << input[0];
  EXPECT_NE(input[0].find("ATTRS{idVendor}==\"24ae\""), std::string::npos) << input[0];
  EXPECT_NE(input[0].find("ATTRS{idProduct}==\"4110\""), std::string::npos) << input[0];
  ExpectSeatAccessOnly(input[0]);

  const std::vector<std::string> uinput = LinesWith("KERNEL==\"uinput\"");
  ASSERT_EQ(uinput.size(), 1u);
  EXPECT_NE(uinput[0].find("SUBSYSTEM==\"misc\""), std::string::npos) << uinput[0];
  // The node exists before the module is loaded, so access does not wait for it.
  EXPECT_NE(uinput[0].find("OPTIONS+=\"static_node=uinput\""), std::string::npos) << uinput[0];
  ExpectSeatAccessOnly(uinput[0]);
}

}  // namespace
}  // namespace n63k
