#include <gtest/gtest.h>

#include <cstring>

#include "core/base/ManualTimers.h"
#include "core/pages/SupportPageModel.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

namespace fs = std::filesystem;

Localisation EnglishLocalisation() {
  Localisation localisation;
  localisation.chineseUi = false;
  return localisation;
}
using support_page::Control;

struct VersionCase {
  std::string name;
  std::uint32_t version;
  std::string text;
};

class FirmwareVersions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FirmwareVersions, ShowOneDigitAPartFromTheRight) {
  EXPECT_EQ(FirmwareVersionText(GetParam().version), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Versions, FirmwareVersions,
                         ::testing::Values(VersionCase{"NotTold", 0, "Unknown"},
                                           VersionCase{"OneDigit", 7, "V 0.0.7"},
                                           VersionCase{"TwoDigits", 17, "V 0.1.7"},
                                           VersionCase{"ThreeDigits", 107, "V 1.0.7"},
                                           VersionCase{"FourDigits", 1234, "V 12.3.4"},
                                           VersionCase{"Largest", 4294967295u, "V 42949672.9.5"}),
                         test::CaseName<VersionCase>);

struct NoFetches final : FirmwareFetches {
  void FetchManifest(std::uint64_t) override { ++asked; }
  void FetchImage(std::uint64_t, UpdateManifest) override { ++asked; }
  int asked = 0;
};

struct RecordingHost final : SupportPageHost {
  void ShowHint(int hint) override { hints.push_back(hint); }
  void RestoreDefaults() override { ++restored; }
  void ProfileImported() override { ++imported; }
  void OpenWebSite(std::string_view url) override { opened.emplace_back(url); }
  std::vector<int> hints;
  int restored = 0;
  int imported = 0;
  std::vector<std::string> opened;
};

struct SupportPageFixture : ::testing::Test, SupportPageObserver {
  test::TempDir temp;
  VirtualClock clock;
  ManualTimers timers{clock};
  test::RecordingMessages messages;
  Localisation localisation = EnglishLocalisation();
  NoFetches fetches;
  UpdateCheck update{timers, messages, localisation, fetches, {temp / "cache"}, [](auto&) {}};
  ProfileRecord current{};
  RecordingHost host;
  SupportPageModel page{update, current, SystemFiles(), messages, localisation, host};
  int repaints = 0;

  SupportPageFixture() {
    BuildDefaultProfile(current, false);
    page.SetObserver(this);
  }
  void SupportPageChanged() override { ++repaints; }

  std::vector<std::uint8_t> CurrentBytes() const {
    const auto bytes = RecordBytes(current);
    return {bytes.begin(), bytes.end()};
  }
};

using SupportPageRules = SupportPageFixture;

TEST_F(SupportPageRules, TheFirmwareVersionIsShownAndGuidesTheUpdateCheck) {
  EXPECT_EQ(page.FirmwareVersion(), "Unknown");
  page.ShowFirmwareVersion(107);
  EXPECT_EQ(page.FirmwareVersion(), "V 1.0.7");
  EXPECT_EQ(update.InstalledVersion(), 107u);
  EXPECT_EQ(repaints, 1);
  page.PressUpdate();
  EXPECT_EQ(fetches.asked, 1);
}

TEST_F(SupportPageRules, ExportThenImportGivesBackTheSameRecord) {
  current.pointerSpeed = 14;
  const std::vector<std::uint8_t> exported = CurrentBytes();
  const fs::path file = temp / "mine.cfg";
  page.ExportFile(file);
  page.ImportFile(temp / "missing.cfg");
  EXPECT_EQ(host.imported, 0);
  current.pointerSpeed = 3;
  page.ImportFile(file);
  // The pages show the imported profile; nothing goes to the mouse.
  EXPECT_EQ(host.imported, 1);
  EXPECT_EQ(host.restored, 0);
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{file.string() + " export success!",
                                      (temp / "missing.cfg").string() + " is an invaild Profile!",
                                      file.string() + " import success!"}));
  EXPECT_EQ(messages.shown[0].kind, test::RecordingMessages::Shown::Kind::kStandard);
  EXPECT_EQ(CurrentBytes(), exported);
}

TEST_F(SupportPageRules, FilesThatAreNoWholeValidProfileChangeNothing) {
  std::vector<std::uint8_t> whole = CurrentBytes();
  std::vector<std::uint8_t> zeroMagic = whole;
  std::memset(zeroMagic.data(), 0, 4);
  std::vector<std::uint8_t> unknownCode = whole;
  unknownCode[offsetof(ProfileRecord, buttons) + 3 * sizeof(ButtonEntry) +
              offsetof(ButtonEntry, functionCode)] = 250;
  const std::vector<std::uint8_t> shortWithMagic(whole.begin(), whole.begin() + 100);
  current.pointerSpeed = 5;
  const std::vector<std::uint8_t> before = CurrentBytes();
  for (const auto& bytes : {zeroMagic, unknownCode, shortWithMagic}) {
    const fs::path file = temp / "bad.cfg";
    test::WriteBytes(file, bytes);
    messages.shown.clear();
    page.ImportFile(file);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{file.string() + " is an invaild Profile!"});
    EXPECT_EQ(CurrentBytes(), before);
  }
  EXPECT_EQ(host.imported, 0);
}

TEST_F(SupportPageRules, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
  const fs::path file = temp / "no-such-folder/mine.cfg";
  page.ExportFile(file);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{file.string() + " export failed!"});
  EXPECT_FALSE(fs::exists(file.parent_path()));
}

TEST_F(SupportPageRules, RestoringTheDefaultsAsksFirst) {
  messages.answer = InfoAnswer::kCancel;
  page.PressRestoreDefaults();
  EXPECT_EQ(host.restored, 0);
  messages.answer = InfoAnswer::kOk;
  localisation.chineseUi = true;
  page.PressRestoreDefaults();
  EXPECT_EQ(host.restored, 1);
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"Do you want to restore the default setting?",
                                      "确定要恢复默认设置?"}));
  EXPECT_TRUE(messages.shown[1].hasCancel);
}

TEST_F(SupportPageRules, HoversShowTheirHintsAndCaptionsComeFromTheLanguage) {
  for (const Control control :
       {Control::kUpdate, Control::kWebSite, Control::kImport, Control::kExport,
        Control::kRestoreDefaults, Control::kProgram, Control::kFirmware}) {
    page.Hover(control);
  }
  EXPECT_EQ(host.hints, (std::vector<int>{56, 57, 58, 59, 60, 89, 90}));
  localisation.texts.Set("str_update", "Update");
  page.ReapplyCaptions();
  EXPECT_EQ(page.Caption(Control::kUpdate), "Update");
  EXPECT_EQ(repaints, 1);
  page.PressWebSite();
  EXPECT_EQ(host.opened, std::vector<std::string>{std::string(SupportPageModel::kWebSite)});
}

}  // namespace
}  // namespace n63k
