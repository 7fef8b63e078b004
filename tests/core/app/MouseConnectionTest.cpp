#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/app/MouseConnection.h"
#include "core/base/ManualTimers.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

class RecordingHost final : public MouseConnectionHost {
 public:
  OpenResult OpenMouse() override {
    log.push_back("open");
    if (results.empty()) {
      return OpenResult::kNotFound;
    }
    const OpenResult result = results.front();
    results.pop_front();
    return result;
  }
  void CloseMouse() override { log.push_back("close"); }
  void MouseOpened() override { log.push_back("opened"); }
  void EndProgram() override { log.push_back("end"); }

  std::deque<OpenResult> results;
  std::vector<std::string> log;
};

class MouseConnectionTest : public testing::Test {
 protected:
  MouseConnectionTest() { localisation.chineseUi = false; }

  VirtualClock clock;
  ManualTimers timers{clock};
  test::RecordingMessages messages;
  Localisation localisation;
  RecordingHost host;
  MouseConnection connection{timers, messages, localisation, host};
};

TEST_F(MouseConnectionTest, AnArrivalOpensWithoutBlockingAndTellsThatTheMouseIsFound) {
  host.results = {OpenResult::kNotFound, OpenResult::kNoPermission, OpenResult::kOpened};
  connection.MouseArrived();
  // The first try runs at once; the window goes on between the tries.
  EXPECT_EQ(host.log, (std::vector<std::string>{"open"}));
  timers.Advance(1000);
  EXPECT_EQ(host.log, (std::vector<std::string>{"open", "open", "open", "opened"}));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"The N63K gaming mouse is found."}));
  EXPECT_EQ(messages.shown[0].kind, test::RecordingMessages::Shown::Kind::kCountDown);
}

TEST_F(MouseConnectionTest, ARemovalDuringTheTriesStopsThemAndEndsTheProgramAfterTheCountDown) {
  localisation.chineseUi = true;
  connection.MouseArrived();
  connection.MouseRemoved();
  timers.Advance(20000);
  EXPECT_EQ(host.log, (std::vector<std::string>{"open", "close", "end"}));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"没有找到N63K游戏鼠标."}));
}

TEST_F(MouseConnectionTest, GivingUpSaysWhyAndKeepsTheProgramRunning) {
  host.results.assign(10, OpenResult::kNoPermission);
  connection.MouseArrived();
  timers.Advance(20000);
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "open"), 10);
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "end"), 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("may not open it"), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("70-korvu-n63k.rules"), std::string::npos);
}

}  // namespace
}  // namespace n63k
