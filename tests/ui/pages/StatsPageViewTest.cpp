#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <vector>

#include "core/app/TellUser.h"
#include "core/base/ManualTimers.h"
#include "core/buttons/MouseInput.h"
#include "core/stats/StatsFile.h"
#include "support/TestFiles.h"
#include "ui/pages/StatsPageView.h"
#include "ui/widgets/WidgetTesting.h"

namespace n63k::ui {
namespace {

struct StatsViewFixture : ::testing::Test {
  test::TempDir dir;
  test::RecordingMessages messages;
  Localisation localisation;
  VirtualClock clock;
  ManualTimers timers{clock};
  std::vector<int> hints;
  std::unique_ptr<StatsPage> model;
  std::unique_ptr<StatsPageView> view;

  void Open(const StatsRecord& stored) {
    const auto bytes = EncodeStats(stored);
    test::WriteBytes(dir / "Sts.cfg", {bytes.begin(), bytes.end()});
    localisation.chineseUi = false;
    localisation.texts.Set("str_resetSts", "Reset statistics");
    model = std::make_unique<StatsPage>(StatsPageSettings{
        .dataFolder = dir.path(),
        .files = SystemFiles(),
        .messages = messages,
        .localisation = localisation,
        .tell = [this](const Outcome& outcome) { TellUser(outcome, messages, localisation); },
        .timers = timers,
        .showHint = [this](int hint) { hints.push_back(hint); },
    });
    view = std::make_unique<StatsPageView>(*model, N63K_PROGRAM_DIR);
    EXPECT_TRUE(test::ShowActive(*view));
  }
};

using StatsPageViewTest = StatsViewFixture;

TEST_F(StatsPageViewTest, TrophiesAndTheLevelBarFollowTheCounts) {
  Open({99'999, 0, 0, 0, 0, 0});
  const QRgb lit = test::At(*view, {635, 70});
  EXPECT_EQ(test::At(*view, {631 + 20, 70}), lit);
  EXPECT_NE(test::At(*view, {631 + 22, 70}), lit);
  EXPECT_EQ(view->SmallTrophy(0)->State(), 1);
  EXPECT_EQ(view->SmallTrophy(1)->State(), 0);

  model->CountClick(mouse_identity::kLeft);
  EXPECT_EQ(view->SmallTrophy(1)->State(), 1);
  EXPECT_EQ(view->SmallTrophy(2)->State(), 0);
  EXPECT_EQ(test::At(*view, {631 + 41, 70}), lit);
  EXPECT_NE(test::At(*view, {631 + 43, 70}), lit);
}

TEST_F(StatsPageViewTest, TheFiguresAreDrawnInTheirRows) {
  Open({});
  const Rect left = model->FigureRect(stats_page::Figure::kLeft);
  const QImage before = test::Shot(*view).copy(left.left, left.top, left.Width(), left.Height());
  for (int i = 0; i < 12345; ++i) {
    model->CountClick(mouse_identity::kLeft);
  }
  const QImage after = test::Shot(*view).copy(left.left, left.top, left.Width(), left.Height());
  EXPECT_NE(before, after);
}

TEST_F(StatsPageViewTest, TheResetButtonAsksAndClears) {
  Open({5, 5, 5, 5, 5, 5});
  messages.answer = InfoAnswer::kOk;
  const Rect reset = stats_page::kReset;
  test::Click(*view, {(reset.left + reset.right) / 2, (reset.top + reset.bottom) / 2});
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].hasCancel);
  EXPECT_EQ(model->Record(), StatsRecord{});
  EXPECT_EQ(view->ResetButton()->accessibleName(), QStringLiteral("Reset statistics"));
}

TEST_F(StatsPageViewTest, ThePointerOverTheTrophyShowsItsHint) {
  Open({});
  test::Move(*view, {450, 200});
  test::Move(*view, {100, 30});
  EXPECT_EQ(hints, std::vector<int>{54});
}

}  // namespace
}  // namespace n63k::ui
