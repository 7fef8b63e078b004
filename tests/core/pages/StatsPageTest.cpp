#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/app/TellUser.h"
#include "core/base/ManualTimers.h"
#include "core/buttons/MouseInput.h"
#include "core/pages/StatsPage.h"
#include "core/stats/StatsFile.h"
#include "support/FaultyFiles.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using stats_page::Figure;
using test::RecordingMessages;

struct StatsFixture : ::testing::Test, StatsPageObserver {
  test::TempDir dir;
  test::FaultyFiles files;
  RecordingMessages messages;
  Localisation localisation;
  VirtualClock clock;
  ManualTimers timers{clock};
  std::vector<int> hints;
  std::vector<StatsPart> parts;
  std::unique_ptr<StatsPage> page;

  StatsFixture() {
    localisation.chineseUi = false;
    localisation.texts.Set("str_msg2", "Cannot find the file %s.");
    localisation.texts.Set("str_msg5", "Access denied.");
  }

  std::filesystem::path File() const { return dir.path() / "Sts.cfg"; }

  void Store(const StatsRecord& record) {
    const auto bytes = EncodeStats(record);
    test::WriteBytes(File(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }

  StatsPage& Open() {
    page = std::make_unique<StatsPage>(StatsPageSettings{
        .dataFolder = dir.path(),
        .files = files,
        .messages = messages,
        .localisation = localisation,
        .tell = [this](const Outcome& outcome) { TellUser(outcome, messages, localisation); },
        .timers = timers,
        .showHint = [this](int hint) { hints.push_back(hint); },
    });
    page->SetObserver(this);
    return *page;
  }

  StatsRecord OnDisk() const { return DecodeStats(test::ReadBytes(File())); }

  void StatsChanged(StatsPart part) override { parts.push_back(part); }
};

using StatsPageRules = StatsFixture;

TEST_F(StatsPageRules, EachReportedIdentityCountsItsFieldAndOthersNothing) {
  Store({});
  Open();
  for (const std::uint32_t identity :
       {mouse_identity::kLeft, mouse_identity::kLeft, mouse_identity::kMiddle,
        mouse_identity::kRight, mouse_identity::kWheelForward, mouse_identity::kWheelBackward,
        mouse_identity::kWheelBackward, 1u, mouse_identity::kForward, mouse_identity::kBack,
        mouse_message::kLeftUp}) {
    page->CountClick(identity);
  }
  EXPECT_EQ(page->Record(), (StatsRecord{2, 1, 1, 1, 2, 0}));
  EXPECT_EQ(page->FigureText(Figure::kClicks), "4");
  EXPECT_EQ(page->FigureText(Figure::kWheel), "3");
  EXPECT_TRUE(messages.shown.empty());
}

struct LevelCase {
  StatsRecord stored;
  std::uint32_t thenCount;
  int levelBefore;
  int levelAfter;
  int barAfter;
};

TEST_F(StatsPageRules, LevelsLitTrophiesAndTheBarFollowTheLargerTotal) {
  const std::vector<LevelCase> cases = {
      {{99'999, 0, 0, 0, 0, 0}, mouse_identity::kLeft, 0, 1, 42},
      {{0, 0, 0, 0, 9'999'999, 0}, mouse_identity::kWheelBackward, 11, 12, 273},
      {{33'333, 33'333, 33'333, 0, 0, 0}, mouse_identity::kMiddle, 0, 1, 42},
      {{0xFFFFFFFFu, 0, 0, 0, 0, 0}, mouse_identity::kLeft, 12, 12, 273},
  };
  for (const LevelCase& c : cases) {
    Store(c.stored);
    Open();
    EXPECT_EQ(page->TrophyLevel(), c.levelBefore);
    EXPECT_EQ(page->LitTrophies(), c.levelBefore + 1);
    page->CountClick(c.thenCount);
    EXPECT_EQ(page->TrophyLevel(), c.levelAfter);
    EXPECT_EQ(page->LevelBarRect(), (Rect{631, 62, 631 + c.barAfter, 77}));
  }
}

TEST_F(StatsPageRules, TheLevelNeverFallsWhenACountWraps) {
  Store({0xFFFFFFFFu, 0, 0, 0, 0, 0});
  Open();
  EXPECT_EQ(page->FigureText(Figure::kLeft), "-1");
  page->CountClick(mouse_identity::kLeft);
  EXPECT_EQ(page->Record().left, 0u);
  EXPECT_EQ(page->TrophyLevel(), 12);
}

TEST_F(StatsPageRules, ResetAsksThenZeroesSavesAndReloadsTheLevelZeroTrophy) {
  Store({2'200'000, 0, 0, 0, 0, 5000});
  Open();
  EXPECT_EQ(page->TrophyLevel(), 5);
  messages.answer = InfoAnswer::kCancel;
  page->PressReset();
  EXPECT_EQ(page->TrophyLevel(), 5);
  EXPECT_EQ(messages.shown.back().text, "Do you want to reset trophy data ?");
  EXPECT_TRUE(messages.shown.back().hasCancel);

  messages.answer = InfoAnswer::kOk;
  localisation.chineseUi = true;
  parts.clear();
  page->PressReset();
  EXPECT_EQ(messages.shown.back().text, "确定要重置奖杯和统计数据么？");
  EXPECT_EQ(page->TrophyLevel(), 0);
  EXPECT_EQ(page->Record(), StatsRecord{});
  EXPECT_EQ(OnDisk(), StatsRecord{});
  EXPECT_EQ(parts, (std::vector<StatsPart>{StatsPart::kFigures, StatsPart::kTrophies}));
}

TEST_F(StatsPageRules, AMissingFileIsToldAndCountingStartsFromZero) {
  Open();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kInfoBox);
  EXPECT_EQ(messages.shown[0].text,
            "Failed to open file, check whether there is a " + File().string() + " path?");
  EXPECT_EQ(page->Record(), StatsRecord{});
  page->CountClick(mouse_identity::kRight);
  page->Save();
  EXPECT_EQ(OnDisk().right, 1u);
}

TEST_F(StatsPageRules, AShortOrLongFileIsReadAsFarAsItGoesAndKeptAsABackup) {
  for (const std::size_t size : {std::size_t{6}, std::size_t{30}}) {
    std::vector<std::uint8_t> bytes(size, 0);
    bytes[0] = 7;
    bytes[4] = 9;
    test::WriteBytes(File(), bytes);
    std::filesystem::remove(dir.path() / "Sts.cfg.bak");
    messages.shown.clear();
    Open();
    EXPECT_EQ(page->Record().left, 7u);
    EXPECT_EQ(page->Record().middle, 9u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("damaged"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(dir.path() / "Sts.cfg.bak"), bytes);
  }
}

TEST_F(StatsPageRules, ADamagedFileThatCannotBeKeptIsNotSavedOver) {
  const std::vector<std::uint8_t> bytes(30, 3);
  test::WriteBytes(File(), bytes);
  files.Inject(test::FaultyFiles::Fault::kWrite, "Sts.cfg.bak", FileError::kNoSpace);
  Open();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("left as it is: no space left on the disk; 30 bytes, "
                                        "expected 24; the counts are not saved"),
            std::string::npos)
      << messages.shown[0].text;
  page->CountClick(mouse_identity::kLeft);
  page->Save();
  EXPECT_EQ(test::ReadBytes(File()), bytes);

  files.Inject(test::FaultyFiles::Fault::kNone, "", FileError::kNone);
  page->Save();
  EXPECT_EQ(test::ReadBytes(dir.path() / "Sts.cfg.bak"), bytes);
  EXPECT_EQ(OnDisk().left, page->Record().left);
}

TEST_F(StatsPageRules, CountsAreSavedEveryFiveMinutesWhileTheyChange) {
  Store({});
  Open();
  page->CountClick(mouse_identity::kLeft);
  timers.Advance(StatsPage::kSavePeriodMs - 1);
  EXPECT_EQ(OnDisk().left, 0u);
  timers.Advance(1);
  EXPECT_EQ(OnDisk().left, 1u);

  // Nothing changed: no write, so a file put there meanwhile stays.
  Store({5, 0, 0, 0, 0, 0});
  timers.Advance(StatsPage::kSavePeriodMs);
  EXPECT_EQ(OnDisk().left, 5u);

  page->AddTravel(300);
  timers.Advance(StatsPage::kSavePeriodMs);
  EXPECT_EQ(OnDisk(), (StatsRecord{1, 0, 0, 0, 0, 300}));
}

TEST_F(StatsPageRules, ATimedSaveThatFailsIsToldOnceUntilASaveSucceeds) {
  Store({});
  Open();
  files.Inject(test::FaultyFiles::Fault::kWrite, "Sts.cfg", FileError::kAccessDenied);
  for (int i = 0; i < 3; ++i) {
    page->CountClick(mouse_identity::kLeft);
    timers.Advance(StatsPage::kSavePeriodMs);
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, RecordingMessages::Shown::Kind::kStandard);
  EXPECT_EQ(messages.shown[0].text, "Access denied.");
  page->Save();
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(page->Record().left, 3u);

  files.Inject(test::FaultyFiles::Fault::kNone, "", FileError::kNone);
  page->Save();
  EXPECT_EQ(OnDisk().left, 3u);
}

TEST_F(StatsPageRules, ASaveIntoAMissingFolderTellsThePath) {
  Store({});
  Open();
  files.Inject(test::FaultyFiles::Fault::kWrite, "Sts.cfg", FileError::kNotFound);
  page->Save();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Cannot find the file " + File().string() + ".");
}

TEST_F(StatsPageRules, TheDistanceAddsTravelWrapsAndShowsOnItsTimerOrWithACount) {
  Store({0, 0, 0, 0, 0, 0xFFFFFF00u});
  Open();
  page->AddTravel(0x100 + 123'456);
  EXPECT_EQ(page->Record().distance, 123'456u);
  EXPECT_EQ(page->FigureText(Figure::kDistance), "429496.70");
  parts.clear();
  timers.Advance(StatsPage::kDistancePeriodMs);
  EXPECT_EQ(page->FigureText(Figure::kDistance), "12.35");
  EXPECT_EQ(parts, std::vector<StatsPart>{StatsPart::kDistance});
  page->AddTravel(10'000);
  page->CountClick(mouse_identity::kLeft);
  EXPECT_EQ(page->FigureText(Figure::kDistance), "13.35");
}

TEST_F(StatsPageRules, FiguresSitByTheInstallationLanguageAndHintsByPlace) {
  Store({});
  localisation.startupChineseUi = true;
  Open();
  EXPECT_EQ(page->FigureRect(Figure::kLeft), (Rect{167, 85, 242, 106}));
  EXPECT_EQ(page->FigureRect(Figure::kDistance), (Rect{187, 384, 262, 404}));
  EXPECT_EQ(page->Label(Figure::kLeft), "Left button");
  localisation.startupChineseUi = false;
  localisation.chineseUi = true;
  EXPECT_EQ(page->FigureRect(Figure::kDistance), (Rect{152, 384, 227, 404}));
  EXPECT_EQ(page->Label(Figure::kDistance), "移动距离");
  page->MouseMove({400, 200});
  page->MouseMove({710, 390});
  page->MouseMove({100, 100});
  EXPECT_EQ(hints, (std::vector<int>{54, 55}));
}

}  // namespace
}  // namespace n63k
