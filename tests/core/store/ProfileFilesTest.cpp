#include <gtest/gtest.h>

#include <cstring>

#include "core/app/TellUser.h"
#include "core/base/Utf.h"
#include "core/store/ProfileFiles.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using test::ReadBytes;
using test::RecordingMessages;
using test::TempDir;
using test::WriteBytes;

std::vector<std::uint8_t> DefaultBytes() {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> CurrentBytes(const ProfileFiles& files) {
  const auto bytes = RecordBytes(files.Current());
  return {bytes.begin(), bytes.end()};
}

// A valid record that differs from the defaults in every group of settings.
std::vector<std::uint8_t> CustomBytes() {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  record.buttons[3].functionCode = 40;
  SetFixedText(record.buttons[3].caption, "Music");
  const std::int32_t dpi[] = {500, 1000, 7000};
  std::fill(std::begin(record.dpiLevels), std::end(record.dpiLevels), 0);
  std::copy(std::begin(dpi), std::end(dpi), record.dpiLevels);
  record.sensorHeight = 7;
  record.pollingRate = 4;
  record.ledMode = 2;
  record.ledColours[3] = 0x00123456;
  record.pointerSpeed = 3;
  record.wheelScrollLines = -1;
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

class ProfileFilesTest : public ::testing::Test {
 protected:
  ProfileFilesTest() {
    localisation.chineseUi = false;
    localisation.texts.Set("str_msg2", "Cannot find %s");
    localisation.texts.Set("str_msg4", "No right to write the default profile");
    localisation.texts.Set("str_msg5", "No right to save");
  }

  std::filesystem::path ProfilePath() const { return dir / "Profile/Profile1.cfg"; }

  // Loads and shows what the load told, as the program does.
  LoadResult Load(const std::filesystem::path& path, bool reportMissing) {
    const ProfileLoad load = files.LoadProfile(path, reportMissing);
    TellUser(load.outcome, messages, localisation);
    return load.result;
  }
  bool Told(const Outcome& outcome) {
    TellUser(outcome, messages, localisation);
    return outcome.ok();
  }

  TempDir dir;
  RecordingMessages messages;
  Localisation localisation;
  ProfileFiles files{dir.path(), localisation, SystemFiles()};
};

TEST_F(ProfileFilesTest, LoadsAWholeValidRecord) {
  WriteBytes(ProfilePath(), CustomBytes());
  EXPECT_EQ(Load(ProfilePath(), true), LoadResult::kLoaded);
  EXPECT_EQ(CurrentBytes(files), CustomBytes());
  EXPECT_TRUE(messages.shown.empty());
}

// Short, long, foreign and damaged files are refused whole: the record in
// memory and the file stay as they were, and the message says what is wrong.
TEST_F(ProfileFilesTest, RefusesADamagedFileAndKeepsTheRecord) {
  files.Current().pointerSpeed = 12;
  const std::vector<std::uint8_t> expected = CurrentBytes(files);
  const std::vector<std::uint8_t> custom = CustomBytes();
  std::vector<std::uint8_t> noLeftClick = custom;
  noLeftClick[offsetof(ProfileRecord, buttons) + offsetof(ButtonEntry, functionCode)] = 2;
  struct Case {
    const char* name;
    std::vector<std::uint8_t> file;
    std::string detail;
  } const cases[] = {
      {"empty", {}, "size 0 bytes, expected 22252"},
      {"short", std::vector<std::uint8_t>(custom.begin(), custom.begin() + 11126),
       "size 11126 bytes, expected 22252"},
      {"magic only", std::vector<std::uint8_t>(custom.begin(), custom.begin() + 4),
       "size 4 bytes, expected 22252"},
      {"long", std::vector<std::uint8_t>(30000, 0x11), "size 30000 bytes, expected 22252"},
      {"foreign", std::vector<std::uint8_t>(22252, 0x11), ""},
      {"no left click", noLeftClick, ""},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    WriteBytes(ProfilePath(), c.file);

    EXPECT_EQ(Load(ProfilePath(), true), LoadResult::kInvalid) << c.name;
    EXPECT_EQ(CurrentBytes(files), expected) << c.name;
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kStandard);
    const std::string text = messages.shown[0].text;
    EXPECT_EQ(text.rfind(ProfilePath().string() + " is an invaild Profile!\n", 0), 0u) << text;
    if (!c.detail.empty()) {
      EXPECT_EQ(text.substr(text.find('\n') + 1), c.detail) << c.name;
    }
    EXPECT_EQ(ReadBytes(ProfilePath()), c.file) << "a refused file is only read";
  }
}

TEST_F(ProfileFilesTest, MissingFileIsReportedAndReplacedByDefaultsOnlyWhenAsked) {
  EXPECT_EQ(Load(ProfilePath(), false), LoadResult::kNotOpened);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(ProfilePath()));

  EXPECT_EQ(Load(ProfilePath(), true), LoadResult::kNotOpened);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Failed to open file, check whether there is a " +
                                     ProfilePath().string() + " path?"});
  EXPECT_EQ(ReadBytes(ProfilePath()), DefaultBytes());
  EXPECT_EQ(CurrentBytes(files), DefaultBytes());
}

TEST_F(ProfileFilesTest, DefaultsKeepTheReplacedFileOnceAsBackup) {
  const std::filesystem::path backup = dir / "Profile/Profile1.cfg.bak";
  const std::vector<std::uint8_t> damaged(500, 0x42);
  WriteBytes(ProfilePath(), damaged);
  ASSERT_TRUE(Told(files.WriteDefaultProfile(ProfilePath())));
  EXPECT_EQ(ReadBytes(ProfilePath()), DefaultBytes());
  EXPECT_EQ(ReadBytes(backup), damaged);

  // A later failure does not overwrite the first backup.
  WriteBytes(ProfilePath(), std::vector<std::uint8_t>(10, 0x43));
  ASSERT_TRUE(Told(files.WriteDefaultProfile(ProfilePath())));
  EXPECT_EQ(ReadBytes(backup), damaged);
}

TEST_F(ProfileFilesTest, DefaultsOverDefaultsOrNothingKeepNoBackup) {
  const std::filesystem::path backup = dir / "Profile/Profile1.cfg.bak";
  ASSERT_TRUE(Told(files.WriteDefaultProfile(ProfilePath())));
  ASSERT_TRUE(Told(files.WriteDefaultProfile(ProfilePath())));
  EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST_F(ProfileFilesTest, SavingIntoAMissingFolderReportsThePath) {
  const std::filesystem::path path = dir / "gone/Profile1.cfg";
  Told(files.SaveProfile(path));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kStandard);
  EXPECT_EQ(messages.shown[0].text, "Cannot find " + path.string());
}

// A file or folder that refuses writes: the message names the right, and the
// file and the record in memory stay as they were.
TEST_F(ProfileFilesTest, RefusedWritesAreReportedAndChangeNothing) {
  WriteBytes(ProfilePath(), CustomBytes());
  ASSERT_EQ(Load(ProfilePath(), true), LoadResult::kLoaded);
  for (const bool folder : {false, true}) {
    messages.shown.clear();
    const test::WriteProtection protection(folder ? dir / "Profile" : ProfilePath());
    if (!protection.active()) {
      GTEST_SKIP() << "this file system cannot refuse writes";
    }
    EXPECT_FALSE(Told(files.WriteDefaultProfile(ProfilePath())));
    Told(files.SaveProfile(ProfilePath()));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kInfoBox);
    EXPECT_EQ(messages.shown[0].text, "No right to write the default profile");
    EXPECT_EQ(messages.shown[1].kind, RecordingMessages::Shown::Kind::kStandard);
    EXPECT_EQ(messages.shown[1].text, "No right to save");
    EXPECT_EQ(CurrentBytes(files), CustomBytes());
    EXPECT_EQ(ReadBytes(ProfilePath()), CustomBytes());
  }
}

TEST_F(ProfileFilesTest, SavesTheCurrentRecordWhole) {
  WriteBytes(ProfilePath(), CustomBytes());
  ASSERT_EQ(Load(ProfilePath(), true), LoadResult::kLoaded);
  files.Current().pointerSpeed = 17;
  Told(files.SaveProfile(dir / "Profile/Profile2.cfg"));
  std::vector<std::uint8_t> expected = CustomBytes();
  const std::int32_t speed = 17;
  std::memcpy(expected.data() + 22232, &speed, 4);
  EXPECT_EQ(ReadBytes(dir / "Profile/Profile2.cfg"), expected);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProfileFilesTest, RestoreDefaultsClearsMacrosInMemoryOnly) {
  WriteBytes(ProfilePath(), CustomBytes());
  ASSERT_EQ(Load(ProfilePath(), true), LoadResult::kLoaded);
  ButtonMacroIds macroIds{1, 2, 3, 4, 5, 6, 7};
  files.RestoreDefaults(macroIds);
  EXPECT_EQ(CurrentBytes(files), DefaultBytes());
  EXPECT_EQ(macroIds, ButtonMacroIds{});
  EXPECT_EQ(ReadBytes(ProfilePath()), CustomBytes());
}

TEST_F(ProfileFilesTest, DefaultCaptionsFollowTheInterfaceLanguage) {
  localisation.chineseUi = true;
  ButtonMacroIds macroIds{};
  files.RestoreDefaults(macroIds);
  EXPECT_EQ(FixedText(files.Current().buttons[6].caption), "滚轮后滚");
}

}  // namespace
}  // namespace n63k
