#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/base/FileSet.h"
#include "support/FaultyFiles.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using test::FaultyFiles;
using test::FolderContents;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::vector<FileInSet> kSet = {
    {"Macro.cfg", {1, 1}},
    {"Profile/Profile1.cfg", {2}},
    {"Profile/Profile2.cfg", {3, 3, 3}},
};

// A set that cannot be written whole leaves the folder exactly as it was:
// no file of the set, and no staging folder.
TEST(FileSet, IsWrittenWholeOrNotAtAll) {
  struct Case {
    const char* name;
    bool folderHadFiles;
    std::string faulty;
  } const cases[] = {
      {"into an empty folder, the last file failing", false, "Profile2.cfg"},
      {"over older files, the first failing", true, "Macro.cfg"},
      {"over older files, the middle failing", true, "Profile1.cfg"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (c.folderHadFiles) {
      WriteBytes(dir / "Macro.cfg", {9});
      WriteBytes(dir / "Profile/Profile1.cfg", {9});
      WriteBytes(dir / "Profile/Profile2.cfg", {9});
    } else {
      fs::create_directories(dir / "Profile");
    }
    const auto before = FolderContents(dir.path());
    FaultyFiles files;
    files.Inject(FaultyFiles::Fault::kWrite, c.faulty, FileError::kNoSpace);
    const auto failure = WriteFileSet(dir.path(), kSet, files);
    ASSERT_TRUE(failure.has_value()) << c.name;
    EXPECT_EQ(failure->path.filename(), c.faulty) << c.name;
    EXPECT_EQ(failure->error, FileError::kNoSpace) << c.name;
    EXPECT_EQ(FolderContents(dir.path()), before) << c.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()),
              c.folderHadFiles ? 2 : 1)
        << c.name << ": a staging folder was left";
  }
}

TEST(FileSet, AFolderWhereAFileBelongsStopsTheWholeSet) {
  TempDir dir;
  WriteBytes(dir / "Macro.cfg", {9});
  fs::create_directories(dir / "Profile/Profile2.cfg");
  const auto failure = WriteFileSet(dir.path(), kSet, SystemFiles());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->error, FileError::kNotRegular);
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), std::vector<std::uint8_t>{9});
  EXPECT_FALSE(fs::exists(dir / "Profile/Profile1.cfg"));
}

TEST(FileSet, ReplacesThroughLinksAndKeepsModes) {
  TempDir dir;
  WriteBytes(dir / "Macro.cfg", {9});
  fs::permissions(dir / "Macro.cfg", fs::perms::owner_read | fs::perms::owner_write);
  WriteBytes(dir / "elsewhere/mine.cfg", {9});
  fs::create_directories(dir / "Profile");
  fs::create_symlink(dir / "elsewhere/mine.cfg", dir / "Profile/Profile1.cfg");
  ASSERT_FALSE(WriteFileSet(dir.path(), kSet, SystemFiles()).has_value());
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), kSet[0].bytes);
  EXPECT_EQ(fs::status(dir / "Macro.cfg").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(fs::is_symlink(dir / "Profile/Profile1.cfg"));
  EXPECT_EQ(ReadBytes(dir / "elsewhere/mine.cfg"), kSet[1].bytes);
  EXPECT_EQ(ReadBytes(dir / "Profile/Profile2.cfg"), kSet[2].bytes);
}

}  // namespace
}  // namespace n63k
