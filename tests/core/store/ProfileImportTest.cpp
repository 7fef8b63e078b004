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

// Only a whole, valid profile is imported: a short file padded with zeros
// would reach the mouse with dead buttons and no DPI stage.
TEST(ProfileImport, TakesOnlyAWholeValidProfile) {
  const std::vector<std::uint8_t> whole = DefaultBytes();
  std::vector<std::uint8_t> longer = whole;
  longer.push_back(0xEE);
  std::vector<std::uint8_t> zeroMagic = whole;
  std::memset(zeroMagic.data(), 0, 4);
  std::vector<std::uint8_t> noStage = whole;
  std::memset(noStage.data() + offsetof(ProfileRecord, dpiLevels), 0, 4 * 14);
  struct Case {
    std::string name;
    std::vector<std::uint8_t> bytes;
    const char* detail;  // empty: accepted
  } const cases[] = {
      {"whole", whole, ""},
      {"longer", longer, "size 22253 bytes, expected 22252"},
      {"short", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 11126),
       "size 11126 bytes, expected 22252"},
      {"magic only", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 4),
       "size 4 bytes, expected 22252"},
      {"empty", {}, "size 0 bytes, expected 22252"},
      {"zero magic", zeroMagic, nullptr},
      {"no DPI stage", noStage, nullptr},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    test::WriteBytes(dir / "p.cfg", c.bytes);
    const ImportedProfile imported = ReadImportedProfile(dir / "p.cfg", SystemFiles());
    const bool accepted = c.detail != nullptr && *c.detail == '\0';
    ASSERT_EQ(imported.record.has_value(), accepted) << c.name;
    EXPECT_EQ(imported.outcome.ok(), accepted) << c.name;
    if (accepted) {
      EXPECT_EQ(std::memcmp(&*imported.record, whole.data(), whole.size()), 0) << c.name;
      continue;
    }
    ASSERT_EQ(imported.outcome.notices().size(), 1u) << c.name;
    const Notice& notice = imported.outcome.notices()[0];
    EXPECT_EQ(notice.task, FileTask::kImportProfile) << c.name;
    EXPECT_EQ(notice.problem, Problem::kDamaged) << c.name;
    if (c.detail != nullptr) {
      EXPECT_EQ(notice.detail, c.detail) << c.name;
    }
  }
}

TEST(ProfileImport, AFileThatCannotBeReadSaysWhy) {
  test::TempDir dir;
  const ImportedProfile missing = ReadImportedProfile(dir / "missing.cfg", SystemFiles());
  ASSERT_FALSE(missing.record.has_value());
  EXPECT_EQ(missing.outcome.notices().at(0).problem, Problem::kMissing);
  const ImportedProfile folder = ReadImportedProfile(dir.path(), SystemFiles());
  EXPECT_EQ(folder.outcome.notices().at(0).problem, Problem::kUnreadable);
}

}  // namespace
}  // namespace n63k
