#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/device/TraceFile.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

using ::testing::HasSubstr;

std::vector<std::string> Lines(const std::filesystem::path& path) {
  std::istringstream in(test::ReadText(path));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

TEST(TraceFile, AppendsEachLineAsItIsWritten) {
  test::TempDir dir;
  const auto path = dir / "trace.txt";
  test::WriteText(path, "earlier run\n");
  std::string error;
  auto file = TraceFile::Open(path, error);
  ASSERT_TRUE(file) << error;
  file->Write("12 SET 0780");
  EXPECT_EQ(Lines(path), (std::vector<std::string>{"earlier run", "12 SET 0780"}));
  file->Write("13 GET 0780");
  EXPECT_EQ(Lines(path).back(), "13 GET 0780");
}

TEST(TraceFile, LinesFromSeveralThreadsStayWhole) {
  test::TempDir dir;
  std::string error;
  auto file = TraceFile::Open(dir / "trace.txt", error);
  ASSERT_TRUE(file);
  const std::string line(300, 'x');
  std::vector<std::jthread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        file->Write(line);
      }
    });
  }
  writers.clear();
  const std::vector<std::string> lines = Lines(dir / "trace.txt");
  EXPECT_EQ(lines.size(), 800u);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 800);
}

TEST(TraceFile, NoRequestNoFileNoMessage) {
  test::RecordingMessages messages;
  EXPECT_FALSE(OpenRequestedTrace(nullptr, messages, false));
  EXPECT_FALSE(OpenRequestedTrace("", messages, false));
  EXPECT_TRUE(messages.shown.empty());
}

TEST(TraceFile, AFileThatCannotBeOpenedIsToldOnceInTheInterfaceLanguage) {
  test::TempDir dir;
  const std::string path = (dir / "missing/trace.txt").string();
  for (const bool chinese : {false, true}) {
    test::RecordingMessages messages;
    EXPECT_FALSE(OpenRequestedTrace(path.c_str(), messages, chinese));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_THAT(messages.shown[0].text, HasSubstr(path));
    EXPECT_THAT(messages.shown[0].text, HasSubstr("No such file or directory"));
    EXPECT_THAT(messages.shown[0].text,
                HasSubstr(chinese ? "无法打开跟踪文件" : "The program goes on without a trace."));
  }
}

TEST(TraceFile, ARequestedFileIsOpenedWithoutAMessage) {
  test::TempDir dir;
  const std::string path = (dir / "trace.txt").string();
  test::RecordingMessages messages;
  auto file = OpenRequestedTrace(path.c_str(), messages, false);
  ASSERT_TRUE(file);
  file->Write("0 POINTER precision 1 speed 10 lines 3");
  EXPECT_EQ(Lines(path), std::vector<std::string>{"0 POINTER precision 1 speed 10 lines 3"});
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace n63k
