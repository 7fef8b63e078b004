#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/QtEventLoop.h"
#include "platform/SingleInstance.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

// The socket that the second copy of the cross-process test finds in the
// environment.
constexpr char kChildSocket[] = "N63K_TEST_SINGLE_INSTANCE";

class SingleInstanceTest : public ::testing::Test {
 protected:
  SingleInstanceTest() { test::EventLoopApplication(); }

  std::filesystem::path Socket() const { return dir_ / "N63KDriver.exe"; }

  test::TempDir dir_;
  std::vector<int> requests_;
};

TEST_F(SingleInstanceTest, TheFirstClaimsAndASecondAsksItToShow) {
  SingleInstance first(Socket());
  ASSERT_EQ(first.ClaimOrSignal([this](int request) { requests_.push_back(request); }),
            SingleInstance::Claim::kFirst);
  SingleInstance second(Socket());
  EXPECT_EQ(second.ClaimOrSignal([](int) { ADD_FAILURE() << "the second copy listens"; }),
            SingleInstance::Claim::kAlreadyRunning);
  EXPECT_TRUE(test::RunEventsUntil([this] { return !requests_.empty(); }));
  EXPECT_EQ(requests_, std::vector<int>{kShowRequest});

  SingleInstance third(Socket());
  EXPECT_EQ(third.ClaimOrSignal({}), SingleInstance::Claim::kAlreadyRunning);
  EXPECT_TRUE(test::RunEventsUntil([this] { return requests_.size() == 2; }));
}

TEST_F(SingleInstanceTest, AfterTheFirstEndsTheNextIsFirst) {
  {
    SingleInstance first(Socket());
    ASSERT_EQ(first.ClaimOrSignal({}), SingleInstance::Claim::kFirst);
  }
  SingleInstance next(Socket());
  EXPECT_EQ(next.ClaimOrSignal([this](int request) { requests_.push_back(request); }),
            SingleInstance::Claim::kFirst);
  SingleInstance later(Socket());
  EXPECT_EQ(later.ClaimOrSignal({}), SingleInstance::Claim::kAlreadyRunning);
  EXPECT_TRUE(test::RunEventsUntil([this] { return !requests_.empty(); }));
}

TEST_F(SingleInstanceTest, WhatACrashedCopyLeftDoesNotBlockTheNextStart) {
  // A socket nobody listens on, and a lock file nobody holds.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, Socket().c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  test::WriteText(dir_ / "N63KDriver.exe.lock", "");

  SingleInstance next(Socket());
  EXPECT_EQ(next.ClaimOrSignal([this](int request) { requests_.push_back(request); }),
            SingleInstance::Claim::kFirst);
  SingleInstance later(Socket());
  EXPECT_EQ(later.ClaimOrSignal({}), SingleInstance::Claim::kAlreadyRunning);
  EXPECT_TRUE(test::RunEventsUntil([this] { return !requests_.empty(); }));
}

TEST_F(SingleInstanceTest, ASecondProcessAsksTheFirstToShowAndEnds) {
  SingleInstance first(Socket());
  ASSERT_EQ(first.ClaimOrSignal([this](int request) { requests_.push_back(request); }),
            SingleInstance::Claim::kFirst);
  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kChildSocket, QString::fromStdString(Socket().string()));
  second.setProcessEnvironment(environment);
  second.start("/proc/self/exe", {"--gtest_filter=SingleInstanceChild.*"});
  ASSERT_TRUE(second.waitForStarted());
  EXPECT_TRUE(test::RunEventsUntil(
      [&] { return !requests_.empty() && second.state() == QProcess::NotRunning; }));
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardOutput().toStdString();
  EXPECT_EQ(requests_, std::vector<int>{kShowRequest});
}

// The second copy of the test above, in a process of its own.
TEST(SingleInstanceChild, FindsTheFirstRunning) {
  const char* socket = std::getenv(kChildSocket);
  if (socket == nullptr) {
    GTEST_SKIP() << "started only by the cross-process test";
  }
  test::EventLoopApplication();
  SingleInstance second(socket);
  EXPECT_EQ(second.ClaimOrSignal({}), SingleInstance::Claim::kAlreadyRunning);
}

TEST(SingleInstance, TheDefaultSocketIsTheUsersOwn) {
  test::TempDir runtime;
  {
    test::ScopedEnv variable("XDG_RUNTIME_DIR", runtime.path().string());
    EXPECT_EQ(SingleInstance::DefaultSocket(), runtime / "N63KDriver.exe");
  }
  test::ScopedEnv variable("XDG_RUNTIME_DIR", std::nullopt);
  EXPECT_EQ(SingleInstance::DefaultSocket().filename(),
            "N63KDriver.exe-" + std::to_string(::getuid()));
}

}  // namespace
}  // namespace n63k
