#include <gtest/gtest.h>

#include <QTest>

#include "core/base/ManualTimers.h"
#include "core/pages/ProgressLayout.h"
#include "core/pages/SkinFiles.h"
#include "ui/windows/ProgressWindow.h"
#include "ui/windows/SkinFolder.h"

namespace n63k::ui {
namespace {

const QColor kTrack(40, 40, 40);
const QColor kFill(229, 83, 61);

struct ProgressWindowFixture : ::testing::Test {
  VirtualClock clock;
  ManualTimers timers{clock};
  test::SkinFolder skins;
  Localisation localisation;

  ProgressWindowFixture() {
    skins.Paint(skin_files::kProgressNormal, 330, 80, kTrack);
    skins.Paint(skin_files::kProgressOver, 330, 80, kFill);
    localisation.chineseUi = false;
  }
};

using ProgressWindowTest = ProgressWindowFixture;

TEST_F(ProgressWindowTest, TheBarFollowsTheWriteAndTheWindowClosesHalfASecondAfterTheEnd) {
  ProgressWindow window(localisation, timers, skins.path());
  window.Start();
  ASSERT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "KorvuN63KProcessDlg");
  EXPECT_EQ(window.size(), QSize(330, 80));
  const Rect bar = progress_window::kBar;
  const int y = (bar.top + bar.bottom) / 2;
  struct Step {
    int percent;
    int filledTo;  // first unfilled x of the bar
  };
  for (const Step s : {Step{0, bar.left}, Step{60, bar.left + 156}, Step{100, bar.right}}) {
    window.SetProgress(s.percent);
    const QImage image = window.grab().toImage();
    if (s.filledTo > bar.left) {
      EXPECT_EQ(image.pixelColor(s.filledTo - 1, y), kFill) << s.percent;
    }
    if (s.filledTo < bar.right) {
      EXPECT_EQ(image.pixelColor(s.filledTo, y), kTrack) << s.percent;
    }
  }
  timers.Advance(499);
  EXPECT_TRUE(window.isVisible());
  timers.Advance(1);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ProgressWindowTest, AFailedWriteClosesTheWindowAtOnce) {
  ProgressWindow window(localisation, timers, skins.path());
  window.Start();
  window.SetProgress(60);
  window.WriteFailed();
  EXPECT_FALSE(window.isVisible());
  // The next write opens it again, empty.
  window.Start();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.model().Percent(), 0);
}

TEST_F(ProgressWindowTest, NeitherKeysNorTheWindowManagersCloseDismissIt) {
  ProgressWindow window(localisation, timers, skins.path());
  window.Start();
  window.SetProgress(60);
  QTest::keyClick(&window, Qt::Key_Escape);
  QTest::keyClick(&window, Qt::Key_Return);
  QTest::keyClick(&window, Qt::Key_Space);
  QTest::keyClick(&window, Qt::Key_F4, Qt::AltModifier);
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.model().Percent(), 60);
}

TEST_F(ProgressWindowTest, WithoutItsPictureTheWindowKeepsItsDrawnSize) {
  test::SkinFolder empty;
  ProgressWindow window(localisation, timers, empty.path());
  EXPECT_EQ(window.size(), QSize(330, 80));
}

}  // namespace
}  // namespace n63k::ui
