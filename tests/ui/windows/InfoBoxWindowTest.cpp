#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/base/ManualTimers.h"
#include "core/pages/InfoBoxLayout.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/SkinStyle.h"
#include "ui/windows/InfoBoxWindow.h"
#include "ui/windows/SkinFolder.h"
#include "ui/windows/WindowMessages.h"
#include "ui/windows/WrappedText.h"

namespace n63k::ui {
namespace {

const QColor kBackground(200, 210, 220);

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

struct InfoBoxFixture : ::testing::Test {
  VirtualClock clock;
  ManualTimers timers{clock};
  test::SkinFolder skins;

  InfoBoxFixture() {
    for (const auto* looks : {&skin_files::kInfoBoxOk, &skin_files::kInfoBoxCancel}) {
      skins.Paint(looks->normal, info_box::kWidth, info_box::kHeight, kBackground);
      skins.Paint(looks->hover, info_box::kWidth, info_box::kHeight, Qt::darkGray);
      skins.Paint(looks->pressed, info_box::kWidth, info_box::kHeight, Qt::black);
    }
  }
};

using InfoBoxWindowTest = InfoBoxFixture;

TEST_F(InfoBoxWindowTest, CountDownShowsTheSecondsAndEndsWithCancelAfterSixSeconds) {
  InfoBoxModel model("Mouse found", false, InfoBoxModel::Mode::kCountDown, false, timers);
  InfoBoxWindow box(model, skins.path());
  box.open();
  ASSERT_TRUE(box.isVisible());
  EXPECT_EQ(box.windowTitle(), "KorvuN63KInfoDlg");
  EXPECT_EQ(box.size(), QSize(330, 160));
  EXPECT_EQ(box.okButton()->text(), "OK (5s)");
  const char* seconds[] = {"OK (5s)", "OK (4s)", "OK (3s)", "OK (2s)", "OK (1s)"};
  for (const char* caption : seconds) {
    timers.Advance(1000);
    EXPECT_EQ(box.okButton()->text(), caption);
    EXPECT_TRUE(box.isVisible()) << caption;
  }
  timers.Advance(999);
  EXPECT_TRUE(box.isVisible());
  timers.Advance(1);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.result(), 2);
}

TEST_F(InfoBoxWindowTest, EachButtonClickedEndsTheBoxWithItsAnswer) {
  struct Case {
    const char* name;
    bool hasCancel;
    std::function<BitmapButton*(InfoBoxWindow&)> button;
    int result;
  };
  const Case cases[] = {
      {"OK during the count-down", false, [](InfoBoxWindow& b) { return b.okButton(); }, 1},
      {"OK of a question", true, [](InfoBoxWindow& b) { return b.okButton(); }, 1},
      {"Cancel", true, [](InfoBoxWindow& b) { return b.cancelButton(); }, 2},
      {"close button", false, [](InfoBoxWindow& b) { return b.closeButton(); }, 2},
  };
  for (const Case& c : cases) {
    InfoBoxModel model("text", c.hasCancel,
                       c.hasCancel ? InfoBoxModel::Mode::kModal : InfoBoxModel::Mode::kCountDown,
                       false, timers);
    InfoBoxWindow box(model, skins.path());
    box.open();
    timers.Advance(2000);
    QTest::mouseClick(c.button(box), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible()) << c.name;
    EXPECT_EQ(box.result(), c.result) << c.name;
    EXPECT_EQ(timers.RunningCount(), 0u) << c.name;
  }
}

TEST_F(InfoBoxWindowTest, EscapeAndTheWindowManagersCloseAnswerCancel) {
  for (const bool escape : {true, false}) {
    InfoBoxModel model("text", true, InfoBoxModel::Mode::kModal, false, timers);
    InfoBoxWindow box(model, skins.path());
    box.open();
    if (escape) {
      QTest::keyClick(&box, Qt::Key_Escape);
    } else {
      box.close();
    }
    EXPECT_FALSE(box.isVisible()) << escape;
    EXPECT_EQ(model.Answer(), InfoAnswer::kCancel) << escape;
  }
}

TEST_F(InfoBoxWindowTest, ButtonsSitWhereTheBoxPutsThemWithTheirCaptions) {
  {
    InfoBoxModel model("text", true, InfoBoxModel::Mode::kModal, true, timers);
    InfoBoxWindow box(model, skins.path());
    EXPECT_EQ(box.okButton()->geometry(), ToQRect(info_box::kOkWithCancel));
    ASSERT_NE(box.cancelButton(), nullptr);
    EXPECT_EQ(box.cancelButton()->geometry(), ToQRect(info_box::kCancel));
    EXPECT_EQ(box.okButton()->text(), "确定");
    EXPECT_EQ(box.cancelButton()->text(), "取消");
    EXPECT_EQ(box.closeButton()->geometry(), ToQRect(info_box::kClose));
  }
  InfoBoxModel model("text", false, InfoBoxModel::Mode::kModal, false, timers);
  InfoBoxWindow box(model, skins.path());
  EXPECT_EQ(box.okButton()->geometry(), ToQRect(info_box::kOkAlone));
  EXPECT_EQ(box.cancelButton(), nullptr);
}

TEST_F(InfoBoxWindowTest, PaintsTheBackgroundPictureAndKeepsItsSizeForALongMessage) {
  const std::string longText(600, 'x');
  InfoBoxModel model("A message " + longText, false, InfoBoxModel::Mode::kModal, false, timers);
  InfoBoxWindow box(model, skins.path());
  box.open();
  EXPECT_EQ(box.size(), QSize(330, 160));
  const QImage image = box.grab().toImage();
  EXPECT_EQ(image.pixelColor(5, 100), kBackground);
  // The text's own pixels stay inside the room given to it.
  for (int x = 0; x < image.width(); ++x) {
    EXPECT_EQ(image.pixelColor(x, info_box::kTextRoom.bottom), kBackground) << x;
  }
}

TEST(WrapText, WrapsAtWordsAndCutsTheLastLineThatFits) {
  const QFont font = DialogFont(14);
  const int width = info_box::kTextRoom.Width();
  const int room = info_box::kTextRoom.Height();
  EXPECT_EQ(WrapText("Mouse found", font, width, room), QStringList{"Mouse found"});
  const QStringList two =
      WrapText("one two three four five six seven eight nine ten eleven twelve", font, width, room);
  EXPECT_GE(two.size(), 2);
  EXPECT_EQ(two.join(' '), "one two three four five six seven eight nine ten eleven twelve");
  const QStringList full = WrapText(QString(2000, 'w'), font, width, room);
  EXPECT_EQ(full.size(), room / QFontMetrics(font).lineSpacing());
  EXPECT_TRUE(full.back().endsWith(QChar(0x2026))) << full.back().toStdString();
  // A single line's room still shows one cut line.
  const QStringList one =
      WrapText("a b c d e f g h i j k l m n o p q r s t u v w x y z a b c d e f", font, 60, 5);
  ASSERT_EQ(one.size(), 1);
  EXPECT_TRUE(one.front().endsWith(QChar(0x2026)));
}

// Runs `act` on the modal window once one is up, while the caller waits in it.
void WhenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
      // A failed check must not leave the test waiting in the box.
      if (modal->isVisible()) {
        modal->close();
      }
    }
  });
  poll->start(5);
}

TEST_F(InfoBoxWindowTest, WindowMessagesShowEachBoxModallyAndReturnItsAnswer) {
  Localisation localisation;
  localisation.chineseUi = false;
  WindowMessages messages(localisation, timers, skins.path());

  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<InfoBoxWindow*>(modal);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->cancelButton(), nullptr);
    QTest::mouseClick(box->okButton(), Qt::LeftButton);
  });
  EXPECT_EQ(messages.InfoBox("Reset the statistics?", true), InfoAnswer::kOk);

  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<InfoBoxWindow*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->cancelButton(), nullptr);
    QTest::mouseClick(box->closeButton(), Qt::LeftButton);
  });
  EXPECT_EQ(messages.InfoBox("Saved", false), InfoAnswer::kCancel);

  WhenModal([this](QWidget* modal) {
    auto* box = qobject_cast<InfoBoxWindow*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->okButton()->text(), "OK (5s)");
    timers.Advance(6000);
  });
  messages.CountDown("Mouse not found");
  EXPECT_EQ(timers.RunningCount(), 0u);

  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Info");
    EXPECT_EQ(box->text(), "Access denied");
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  messages.StandardInfo("Access denied");
}

}  // namespace
}  // namespace n63k::ui
