#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "core/app/TellUser.h"
#include "core/base/Utf.h"
#include "core/store/ProfileTable.h"
#include "support/FaultyFiles.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::ReadBytes;
using test::RecordingMessages;
using test::TempDir;
using test::WriteBytes;

std::vector<std::uint8_t> ProfileBytes(std::int32_t pointerSpeed) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  record.pointerSpeed = pointerSpeed;
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> TableBytes(const ProfileTableEntries& entries) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(&entries);
  return {data, data + sizeof entries};
}

class ProfileTableTest : public ::testing::Test {
 protected:
  ProfileTableTest() {
    localisation.chineseUi = false;
    // Profile N is told apart by its pointer speed N.
    for (int i = 1; i <= kProfileCount; ++i) {
      WriteBytes(ProfilePath(i), ProfileBytes(i));
    }
  }

  std::filesystem::path ProfilePath(int number) const {
    return dir / ("Profile/Profile" + std::to_string(number) + ".cfg");
  }
  std::filesystem::path TablePath() const { return dir / "Profile/ConfigInfo.cfg"; }

  void WriteTable(const ProfileTableEntries& entries) {
    WriteBytes(TablePath(), TableBytes(entries));
  }

  // A table with valid entries and the given entries selected.
  static ProfileTableEntries Selecting(std::initializer_list<int> selected) {
    ProfileTableEntries entries = DefaultProfileTable();
    entries[0].selected = 0;
    for (const int i : selected) {
      entries[static_cast<std::size_t>(i)].selected = 1;
    }
    return entries;
  }

  std::int32_t CurrentSpeed() const { return files.Current().pointerSpeed; }

  // Shows what an operation told, as the program does.
  bool Told(const Outcome& outcome) {
    TellUser(outcome, messages, localisation);
    return outcome.ok();
  }
  bool Switch(int entry) {
    const ProfileSwitch done = table.SwitchProfile(entry);
    TellUser(done.outcome, messages, localisation);
    return done.switched;
  }

  TempDir dir;
  RecordingMessages messages;
  Localisation localisation;
  ProfileFiles files{dir.path(), localisation, SystemFiles()};
  ButtonMacroIds macroIds{};
  ProfileTable table{dir.path(), files, macroIds, SystemFiles()};
};

TEST_F(ProfileTableTest, LowestSelectedEntryThatLoadsBecomesCurrent) {
  WriteTable(Selecting({1, 3}));
  Told(table.LoadProfileTable());
  EXPECT_EQ(table.CurrentIndex(), 1);
  EXPECT_EQ(CurrentSpeed(), 2);
  EXPECT_EQ(table.ProfileButtons(), (std::array<bool, 5>{false, true, false, true, false}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProfileTableTest, SelectedEntryWhoseFileFailsLosesItsSelection) {
  const std::vector<std::uint8_t> damaged(64, 0x33);
  WriteBytes(ProfilePath(2), damaged);
  WriteTable(Selecting({1, 3}));
  Told(table.LoadProfileTable());

  EXPECT_EQ(table.CurrentIndex(), 3);
  EXPECT_EQ(CurrentSpeed(), 4);
  EXPECT_EQ(table.Entries()[1].selected, 0);
  EXPECT_EQ(table.ProfileButtons(), (std::array<bool, 5>{false, false, false, true, false}));
  EXPECT_EQ(ReadBytes(ProfilePath(2)), ProfileBytes(10)) << "replaced by defaults";
  EXPECT_EQ(ReadBytes(dir / "Profile/Profile2.cfg.bak"), damaged) << "and kept";
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{ProfilePath(2).string() +
                                     " is an invaild Profile!\nsize 64 bytes, expected 22252"});
}

TEST_F(ProfileTableTest, SelectedEntryWhoseFileIsMissingGetsDefaults) {
  std::filesystem::remove(ProfilePath(1));
  WriteTable(Selecting({0, 2}));
  Told(table.LoadProfileTable());
  EXPECT_EQ(table.CurrentIndex(), 2);
  EXPECT_EQ(ReadBytes(ProfilePath(1)), ProfileBytes(10));
  EXPECT_FALSE(std::filesystem::exists(dir / "Profile/Profile1.cfg.bak"));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Failed to open file, check whether there is a " +
                                     ProfilePath(1).string() + " path?"});
}

// A table that cannot be read or has another size is rebuilt, with exactly
// one profile selected; the damaged file is kept, and the entries it still
// held whole keep their macros.
TEST_F(ProfileTableTest, MissingShortOrLongTableIsRebuiltWithProfileOne) {
  ProfileTableEntries withMacros = Selecting({3});
  for (std::size_t i = 0; i < withMacros.size(); ++i) {
    withMacros[i].macroIds[2] = 0x100 + static_cast<std::uint32_t>(i);
  }
  std::vector<std::uint8_t> shortTable = TableBytes(withMacros);
  shortTable.resize(3199);
  std::vector<std::uint8_t> longTable = TableBytes(withMacros);
  longTable.resize(70000, 0x5A);
  struct Case {
    const char* name;
    std::optional<std::vector<std::uint8_t>> file;  // none: missing
    std::string message;
    std::size_t entriesKept;
  } const cases[] = {
      {"missing", std::nullopt, "/Profile/ConfigInfo.cfg path?", 0},
      {"empty", std::vector<std::uint8_t>{}, "size 0 bytes, expected 8000", 0},
      {"short", shortTable, "size 3199 bytes, expected 8000", 1},
      {"long", longTable, "size 70000 bytes, expected 8000", 5},
  };
  for (const Case& c : cases) {
    TempDir fresh;
    const std::filesystem::path tableFile = fresh / "Profile/ConfigInfo.cfg";
    for (int i = 1; i <= kProfileCount; ++i) {
      WriteBytes(fresh / ("Profile/Profile" + std::to_string(i) + ".cfg"), ProfileBytes(i));
    }
    if (c.file) {
      WriteBytes(tableFile, *c.file);
    }
    messages.shown.clear();
    ProfileFiles profiles{fresh.path(), localisation, SystemFiles()};
    ProfileTable loaded{fresh.path(), profiles, macroIds, SystemFiles()};
    ASSERT_TRUE(Told(loaded.LoadProfileTable())) << c.name;

    EXPECT_EQ(loaded.CurrentIndex(), 0) << c.name;
    EXPECT_EQ(profiles.Current().pointerSpeed, 1) << c.name;
    EXPECT_EQ(loaded.ProfileButtons(), (std::array<bool, 5>{true, false, false, false, false}))
        << c.name;
    ASSERT_EQ(messages.shown.size(), 1u) << c.name;
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), c.message.size())), c.message)
        << text;
    ProfileTableEntries expected = DefaultProfileTable();
    for (std::size_t i = 0; i < expected.size(); ++i) {
      SetFixedText(expected[i].filePath,
                   (fresh / ("Profile/Profile" + std::to_string(i + 1) + ".cfg")).string());
      if (i < c.entriesKept) {
        expected[i].macroIds[2] = 0x100 + static_cast<std::uint32_t>(i);
      }
    }
    EXPECT_EQ(ReadBytes(tableFile), TableBytes(expected)) << c.name;
    if (c.file) {
      EXPECT_EQ(ReadBytes(fresh / "Profile/ConfigInfo.cfg.bak"), *c.file) << c.name;
    }
  }
}

// Entries without the valid mark are only skipped when the current profile
// is chosen: the table stays as it is, marks, selections and macros and all.
TEST_F(ProfileTableTest, UnmarkedEntriesAndOddSelectionsAreKept) {
  ProfileTableEntries unmarked = Selecting({1, 3});
  unmarked[1].entryMagic = 0;
  unmarked[1].macroIds[0] = 0xAB;
  unmarked[4].entryMagic = 0x1234;
  unmarked[4].macroIds[6] = 0xCD;
  ProfileTableEntries oddSelection = Selecting({});
  oddSelection[2].selected = 7;
  struct Case {
    const char* name;
    ProfileTableEntries entries;
    int current;
    std::array<bool, 5> pressed;
  } const cases[] = {
      {"zeros", ProfileTableEntries{}, 0, {false, false, false, false, false}},
      {"unmarked entries", unmarked, 3, {false, false, false, true, false}},
      {"an odd selection", oddSelection, 2, {false, false, true, false, false}},
  };
  for (const Case& c : cases) {
    WriteTable(c.entries);
    messages.shown.clear();
    ProfileTable loaded{dir.path(), files, macroIds, SystemFiles()};
    Told(loaded.LoadProfileTable());
    EXPECT_EQ(loaded.CurrentIndex(), c.current) << c.name;
    EXPECT_EQ(CurrentSpeed(), c.current + 1) << c.name;
    EXPECT_EQ(loaded.ProfileButtons(), c.pressed) << c.name;
    EXPECT_TRUE(messages.shown.empty()) << c.name << ": " << messages.Texts().front();
    EXPECT_EQ(ReadBytes(TablePath()), TableBytes(c.entries)) << c.name << ": not rebuilt";
    EXPECT_FALSE(std::filesystem::exists(dir / "Profile/ConfigInfo.cfg.bak")) << c.name;
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
      EXPECT_EQ(loaded.Entries()[i].entryMagic, c.entries[i].entryMagic) << c.name << ' ' << i;
      EXPECT_EQ(std::memcmp(loaded.Entries()[i].macroIds, c.entries[i].macroIds,
                            sizeof c.entries[i].macroIds),
                0)
          << c.name << ' ' << i;
    }
  }
}

// A damaged file is replaced only once its backup exists. Until then it
// stays as it is, the program goes on without it, and the message says so.
TEST_F(ProfileTableTest, ADamagedFileThatCannotBeKeptIsLeftAsItIs) {
  test::FaultyFiles faulty;
  ProfileFiles profiles{dir.path(), localisation, faulty};
  ProfileTable loaded{dir.path(), profiles, macroIds, faulty};
  std::vector<std::uint8_t> shortTable = TableBytes(Selecting({1}));
  shortTable.resize(3199);
  WriteBytes(TablePath(), shortTable);
  faulty.Inject(test::FaultyFiles::Fault::kWrite, "ConfigInfo.cfg.bak", FileError::kNoSpace);

  ASSERT_TRUE(Told(loaded.LoadProfileTable()));
  EXPECT_EQ(loaded.CurrentIndex(), 0);
  EXPECT_EQ(ReadBytes(TablePath()), shortTable);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"The file " + TablePath().string() +
                                     " is damaged, but no backup of it could be made, so it is "
                                     "left as it is: no space left on the disk; size 3199 bytes, "
                                     "expected 8000; profile 1 is current, and the table is saved "
                                     "only once a backup can be made."});

  // A write to the mouse saves the profile, never the table over the file.
  messages.shown.clear();
  profiles.Current().pointerSpeed = 17;
  EXPECT_FALSE(Told(loaded.SaveProfileTable()));
  EXPECT_EQ(ReadBytes(ProfilePath(1)), ProfileBytes(17));
  EXPECT_EQ(ReadBytes(TablePath()), shortTable);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("the profile table is not saved"), std::string::npos);

  // Once there is room, the backup comes first and then the table.
  faulty.Inject(test::FaultyFiles::Fault::kNone, {}, FileError::kNone);
  EXPECT_TRUE(Told(loaded.SaveProfileTable()));
  EXPECT_EQ(ReadBytes(dir / "Profile/ConfigInfo.cfg.bak"), shortTable);
  EXPECT_EQ(ReadBytes(TablePath()), TableBytes(loaded.Entries()));
}

TEST_F(ProfileTableTest, ADamagedProfileThatCannotBeKeptIsLeftAsItIs) {
  const std::vector<std::uint8_t> damaged(64, 0x33);
  WriteBytes(ProfilePath(3), damaged);
  WriteTable(Selecting({2, 4}));
  for (const FileError error : {FileError::kNoSpace, FileError::kAccessDenied}) {
    test::FaultyFiles faulty;
    faulty.Inject(test::FaultyFiles::Fault::kWrite, "Profile3.cfg.bak", error);
    ProfileFiles profiles{dir.path(), localisation, faulty};
    ProfileTable loaded{dir.path(), profiles, macroIds, faulty};
    messages.shown.clear();
    Told(loaded.LoadProfileTable());
    EXPECT_EQ(loaded.CurrentIndex(), 4) << "the next selected profile";
    EXPECT_EQ(ReadBytes(ProfilePath(3)), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir / "Profile/Profile3.cfg.bak"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "The file " + ProfilePath(3).string() +
                                          " is damaged, but no backup of it could be made, so it "
                                          "is left as it is: " +
                                          FileErrorText(error) + ".");
  }
}

TEST_F(ProfileTableTest, StoredPathsAreIgnored) {
  ProfileTableEntries entries = Selecting({4});
  for (ProfileTableEntry& entry : entries) {
    SetFixedText(entry.filePath, "/elsewhere/Profile1.cfg");
  }
  WriteTable(entries);
  Told(table.LoadProfileTable());
  EXPECT_EQ(CurrentSpeed(), 5);
  EXPECT_EQ(FixedText(table.Entries()[4].filePath), ProfilePath(5).string());
}

TEST_F(ProfileTableTest, SwitchingChangesMemoryOnly) {
  ProfileTableEntries entries = Selecting({0});
  entries[2].macroIds[3] = 0x1234;
  WriteTable(entries);
  Told(table.LoadProfileTable());
  table.UseCurrentMacroIds();
  const std::vector<std::uint8_t> onDisk = ReadBytes(TablePath());

  ASSERT_TRUE(Switch(2));
  EXPECT_EQ(CurrentSpeed(), 3);
  EXPECT_EQ(macroIds[3], 0x1234u);
  EXPECT_EQ(table.ProfileButtons(), (std::array<bool, 5>{false, false, true, false, false}));
  EXPECT_EQ(ReadBytes(TablePath()), onDisk);

  // Closing without a write: the next start loads the profile current before.
  ProfileTable next{dir.path(), files, macroIds, SystemFiles()};
  Told(next.LoadProfileTable());
  EXPECT_EQ(next.CurrentIndex(), 0);
  EXPECT_EQ(CurrentSpeed(), 1);
}

TEST_F(ProfileTableTest, FailedSwitchChangesNothingInMemory) {
  WriteTable(Selecting({0}));
  Told(table.LoadProfileTable());
  macroIds = {7, 7, 7, 7, 7, 7, 7};
  for (const std::vector<std::uint8_t>& file :
       {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(64, 0x33)}) {
    if (file.empty()) {
      std::filesystem::remove(ProfilePath(4));
    } else {
      WriteBytes(ProfilePath(4), file);
    }
    EXPECT_FALSE(Switch(3));
    EXPECT_EQ(table.CurrentIndex(), 0);
    EXPECT_EQ(CurrentSpeed(), 1);
    EXPECT_EQ(macroIds, (ButtonMacroIds{7, 7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(table.Entries()[0].selected, 1);
    EXPECT_EQ(table.ProfileButtons(), (std::array<bool, 5>{true, false, false, false, false}));
  }
  EXPECT_FALSE(Switch(5));
  EXPECT_EQ(table.CurrentIndex(), 0);

  // A later save still writes the current record into its own file.
  files.Current().pointerSpeed = 19;
  ASSERT_TRUE(Told(table.SaveCurrentProfile()));
  EXPECT_EQ(ReadBytes(ProfilePath(1)), ProfileBytes(19));
  EXPECT_NE(ReadBytes(ProfilePath(4)), ProfileBytes(19));
}

TEST_F(ProfileTableTest, SavingWritesMacrosProfileAndTable) {
  WriteTable(Selecting({0}));
  Told(table.LoadProfileTable());
  ASSERT_TRUE(Switch(1));
  macroIds = {0, 0, 0xAA, 0, 0, 0, 0xBB};
  files.Current().pointerSpeed = 20;
  EXPECT_TRUE(Told(table.SaveProfileTable()));

  EXPECT_EQ(ReadBytes(ProfilePath(2)), ProfileBytes(20));
  ProfileTableEntries expected = Selecting({1});
  for (int i = 0; i < kProfileCount; ++i) {
    SetFixedText(expected[static_cast<std::size_t>(i)].filePath, ProfilePath(i + 1).string());
  }
  expected[1].macroIds[2] = 0xAA;
  expected[1].macroIds[6] = 0xBB;
  EXPECT_EQ(ReadBytes(TablePath()), TableBytes(expected));
}

TEST(DefaultProfileTable, IsExactToTheByte) {
  std::vector<std::uint8_t> expected(8000, 0);
  for (std::size_t i = 0; i < 5; ++i) {
    const std::size_t base = i * 1600;
    expected[base] = 0xBE;
    expected[base + 1] = 0xBE;
    expected[base + 4] = i == 0 ? 1 : 0;
    const std::string label = "Profile" + std::to_string(i + 1);
    for (std::size_t k = 0; k < label.size(); ++k) {
      expected[base + 12 + 2 * k] = static_cast<std::uint8_t>(label[k]);
    }
  }
  const ProfileTableEntries table = DefaultProfileTable();
  const auto* data = reinterpret_cast<const std::uint8_t*>(&table);
  EXPECT_EQ(std::vector<std::uint8_t>(data, data + sizeof table), expected);
}

}  // namespace
}  // namespace n63k
