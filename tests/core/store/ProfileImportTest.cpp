#include <gtest/gtest.h>

#include <cstring>

#include "core/store/ProfileImport.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

std::vector<std::uint8_t> DefaultBytes() {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

TEST(ProfileImport, TakesAWholeOrShortFileWithTheMagic) {
  const std::vector<std::uint8_t> whole = DefaultBytes();
  struct Case {
    std::string name;
    std::vector<std::uint8_t> bytes;
    bool accepted;
  };
  std::vector<std::uint8_t> longer = whole;
  longer.push_back(0xEE);
  std::vector<std::uint8_t> zeroMagic = whole;
  std::memset(zeroMagic.data(), 0, 4);
  const std::vector<Case> cases = {
      {"whole", whole, true},
      {"longer", longer, true},
      {"short", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 100), true},
      {"magic only", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 4), true},
      {"three bytes", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 3), false},
      {"empty", {}, false},
      {"zero magic", zeroMagic, false},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    test::WriteBytes(dir / "p.cfg", c.bytes);
    const auto record = ReadImportedProfile(dir / "p.cfg");
    ASSERT_EQ(record.has_value(), c.accepted) << c.name;
    if (record) {
      const auto bytes = RecordBytes(*record);
      const std::size_t kept = std::min(c.bytes.size(), bytes.size());
      EXPECT_TRUE(
          std::equal(bytes.begin(), bytes.begin() + static_cast<long>(kept), c.bytes.begin()))
          << c.name;
      EXPECT_TRUE(std::all_of(bytes.begin() + static_cast<long>(kept), bytes.end(),
                              [](std::uint8_t b) { return b == 0; }))
          << c.name;
    }
  }
  test::TempDir dir;
  EXPECT_FALSE(ReadImportedProfile(dir / "missing.cfg").has_value());
}

}  // namespace
}  // namespace n63k
