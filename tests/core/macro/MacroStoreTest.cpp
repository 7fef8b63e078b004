#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "core/app/TellUser.h"
#include "core/base/Utf.h"
#include "core/macro/MacroStore.h"
#include "support/FaultyFiles.h"
#include "support/Macros.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RecordingMessages;
using test::StoredMacro;
using test::TableBytes;
using test::TempDir;
using test::WriteBytes;

std::vector<std::uint8_t> BytesOf(const MacroRecord& record) {
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

class MacroStoreTest : public ::testing::Test {
 protected:
  MacroStoreTest() {
    localisation.chineseUi = false;
    localisation.texts.Set("str_msg2", "Cannot find %s");
    localisation.texts.Set("str_msg4", "Cannot create the file");
    localisation.texts.Set("str_msg5", "Cannot write the file");
  }

  MacroStore StoreIn(const fs::path& folder) { return MacroStore(folder, table, files, clock); }

  // Shows what an operation told, as the program does; true when it succeeded.
  bool Told(const Outcome& outcome) {
    TellUser(outcome, messages, localisation);
    return outcome.ok();
  }

  TempDir dir;
  MacroTable table;
  RecordingMessages messages;
  Localisation localisation;
  VirtualClock clock;
  FileAccess& files = SystemFiles();
  MacroStore store = StoreIn(dir.path());
};

TEST_F(MacroStoreTest, MissingFileIsReportedAndLeavesTheTableEmpty) {
  table.PutMacro(StoredMacro(1));
  EXPECT_FALSE(Told(store.LoadMacroTable()));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kInfoBox);
  EXPECT_EQ(messages.shown[0].text, "Cannot find " + (dir / "Macro.cfg").string());
  EXPECT_EQ(table.FindMacro(1), nullptr);
}

TEST_F(MacroStoreTest, MissingFolderIsReportedWithThePath) {
  MacroStore missing = StoreIn(dir / "nowhere");
  EXPECT_FALSE(Told(missing.LoadMacroTable()));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Cannot find " + (dir / "nowhere/Macro.cfg").string()});
}

TEST_F(MacroStoreTest, ShortFileFillsItsSlotsAndLeavesTheRestZero) {
  WriteBytes(dir / "Macro.cfg", BytesOf(StoredMacro(0x15000001, "only")));
  table.PutMacro(StoredMacro(2));
  table.PutMacro(StoredMacro(3));
  ASSERT_TRUE(Told(store.LoadMacroTable()));
  EXPECT_EQ(FixedText(table.Slots()[0].name), "only");
  EXPECT_EQ(table.Slots()[1].magic, 0u);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MacroStoreTest, FileCutInsideARecordKeepsWhatItHas) {
  std::vector<std::uint8_t> bytes = BytesOf(StoredMacro(0x15000001));
  bytes.resize(30);
  WriteBytes(dir / "Macro.cfg", bytes);
  ASSERT_TRUE(Told(store.LoadMacroTable()));
  EXPECT_EQ(table.Slots()[0].identifier, 0x15000001u);
  EXPECT_EQ(table.Slots()[0].events[1], 0u);
  EXPECT_EQ(table.Slots()[0].name[0], u'\0');
}

// Saving would cut off what lies beyond the table: the file is kept as a
// backup first, and the user is told with the file's real size.
TEST_F(MacroStoreTest, LongFileIsReadAsFarAsTheTableAndKeptBeforeASave) {
  MacroTable written;
  written.PutMacro(StoredMacro(0x15000001));
  std::vector<std::uint8_t> bytes = TableBytes(written);
  bytes.resize(bytes.size() + 5000, 0xEE);
  WriteBytes(dir / "Macro.cfg", bytes);
  ASSERT_TRUE(Told(store.LoadMacroTable()));
  EXPECT_EQ(TableBytes(table), TableBytes(written));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg.bak"), bytes);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"The macro file " + (dir / "Macro.cfg").string() +
                                     " is longer than the program writes (the old file is kept "
                                     "as a backup); its macros are read from its start: size "
                                     "2057000 bytes, expected at most 2052000"});
  ASSERT_TRUE(Told(store.SaveMacroTable()));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), TableBytes(written));
}

TEST_F(MacroStoreTest, LongFileThatCannotBeKeptIsNeverSavedOver) {
  std::vector<std::uint8_t> bytes = TableBytes(MacroTable{});
  bytes.resize(bytes.size() + 1, 0xEE);
  WriteBytes(dir / "Macro.cfg", bytes);
  test::FaultyFiles faulty;
  faulty.Inject(test::FaultyFiles::Fault::kWrite, "Macro.cfg.bak", FileError::kNoSpace);
  MacroStore guarded(dir.path(), table, faulty, clock);
  ASSERT_TRUE(Told(guarded.LoadMacroTable()));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("no backup of it could be made, so it is left as it is: "
                                        "no space left on the disk; size 2052001 bytes"),
            std::string::npos)
      << messages.shown[0].text;

  EXPECT_FALSE(Told(guarded.StoreMacro(StoredMacro(0x15000002))));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), bytes);
  EXPECT_NE(messages.shown.back().text.find("the macros are not saved"), std::string::npos);

  faulty.Inject(test::FaultyFiles::Fault::kNone, {}, FileError::kNone);
  ASSERT_TRUE(Told(guarded.SaveMacroTable()));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg.bak"), bytes);
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), TableBytes(table));
}

TEST_F(MacroStoreTest, UnreadableFileIsReported) {
  fs::create_directory(dir / "Macro.cfg");
  EXPECT_FALSE(Told(store.LoadMacroTable()));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("Cannot read the file " + (dir / "Macro.cfg").string(), 0),
            0u);
}

TEST_F(MacroStoreTest, SavingAnExistingFileWritesTheWholeTableBetweenTwoPauses) {
  WriteBytes(dir / "Macro.cfg", {1, 2, 3});
  table.PutMacro(StoredMacro(0x15000001));
  EXPECT_TRUE(Told(store.SaveMacroTable()));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), TableBytes(table));
  EXPECT_EQ(clock.NowMs(), 200u);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MacroStoreTest, SavingWithoutAFileReportsItThenCreatesIt) {
  table.PutMacro(StoredMacro(0x15000001));
  EXPECT_TRUE(Told(store.SaveMacroTable()));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kStandard);
  EXPECT_EQ(messages.shown[0].text, "Cannot find " + (dir / "Macro.cfg").string());
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), TableBytes(table));
}

TEST_F(MacroStoreTest, SavingIntoAMissingFolderFailsAfterTheReport) {
  MacroStore missing = StoreIn(dir / "nowhere");
  EXPECT_FALSE(Told(missing.SaveMacroTable()));
  const std::string path = (dir / "nowhere/Macro.cfg").string();
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"Cannot find " + path, "Cannot save the file " + path +
                                                                 ": no such file or folder."}));
}

TEST_F(MacroStoreTest, FileThatMayNotBeWrittenIsReportedAndKept) {
  WriteBytes(dir / "Macro.cfg", {1, 2, 3});
  const test::WriteProtection protection(dir / "Macro.cfg");
  if (!protection.active()) {
    GTEST_SKIP() << "this file system cannot refuse writes";
  }
  table.PutMacro(StoredMacro(0x15000001));
  EXPECT_FALSE(Told(store.SaveMacroTable()));
  EXPECT_FALSE(Told(store.StoreMacro(StoredMacro(0x15000002)))) << "a failed save is a failure";
  EXPECT_FALSE(Told(store.DeleteMacro(0x15000001, DefaultProfileTable(), ProfileRecord{})));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>(3, "Cannot write the file"));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(MacroStoreTest, FileThatMayNotBeCreatedIsReported) {
  const test::WriteProtection protection(dir.path());
  if (!protection.active()) {
    GTEST_SKIP() << "this file system cannot refuse writes";
  }
  EXPECT_FALSE(Told(store.SaveMacroTable()));
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"Cannot find " + (dir / "Macro.cfg").string(),
                                      "Cannot create the file"}));
}

TEST_F(MacroStoreTest, StoringSavesTheTable) {
  WriteBytes(dir / "Macro.cfg", {});
  EXPECT_TRUE(Told(store.StoreMacro(StoredMacro(0x15000001))));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), TableBytes(table));
  EXPECT_NE(table.FindMacro(0x15000001), nullptr);
}

TEST_F(MacroStoreTest, RefusedRecordWritesNothing) {
  WriteBytes(dir / "Macro.cfg", {9});
  MacroRecord record = StoredMacro(0x15000001);
  record.size = 0;
  EXPECT_FALSE(Told(store.StoreMacro(record)));
  EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), std::vector<std::uint8_t>{9});
  EXPECT_EQ(clock.NowMs(), 0u);
}

struct DeleteCase {
  const char* what;
  bool chineseUi;
  int profile;  // -1: no profile table entry plays it
  bool onCurrentButton;
  std::string message;  // empty: deleted
};

class DeleteMacroTest : public MacroStoreTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteMacroTest, RefusesAMacroInUse) {
  const DeleteCase& c = GetParam();
  localisation.chineseUi = c.chineseUi;
  constexpr std::uint32_t kId = 0x15000002;
  table.PutMacro(StoredMacro(kId));
  WriteBytes(dir / "Macro.cfg", {});
  ProfileTableEntries profiles = DefaultProfileTable();
  if (c.profile >= 0) {
    profiles[static_cast<std::size_t>(c.profile)].macroIds[3] = kId;
  }
  ProfileRecord current;
  BuildDefaultProfile(current, false);
  current.buttons[1].macroId = kId;
  current.buttons[1].functionCode = c.onCurrentButton ? 6 : 1;

  const bool deleted = Told(store.DeleteMacro(kId, profiles, current));

  EXPECT_EQ(deleted, c.message.empty()) << c.what;
  EXPECT_EQ(table.FindMacro(kId) == nullptr, deleted) << c.what;
  if (deleted) {
    EXPECT_TRUE(messages.shown.empty()) << c.what;
    EXPECT_EQ(ReadBytes(dir / "Macro.cfg"), TableBytes(table)) << c.what;
  } else {
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_TRUE(ReadBytes(dir / "Macro.cfg").empty()) << c.what;
  }
}

const std::string kInUseEnglish = "The macro is being applied and cannot be deleted!";

INSTANTIATE_TEST_SUITE_P(
    Profiles, DeleteMacroTest,
    ::testing::Values(DeleteCase{"unused", false, -1, false, ""},
                      DeleteCase{"profile 1", false, 0, false, kInUseEnglish},
                      DeleteCase{"profile 2", false, 1, false, kInUseEnglish},
                      DeleteCase{"profile 3", false, 2, false, kInUseEnglish},
                      DeleteCase{"profile 4", false, 3, false, kInUseEnglish},
                      DeleteCase{"profile 5", true, 4, false, "当前宏正在被使用，不能删除！"},
                      DeleteCase{"current button", false, -1, true, kInUseEnglish},
                      DeleteCase{"current button in Chinese", true, -1, true,
                                 "当前宏正在被使用，不能删除！"}));

}  // namespace
}  // namespace n63k
