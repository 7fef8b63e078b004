#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/MouseInput.h"
#include "core/pages/PcActionHandler.h"
#include "platform/DesktopPcActions.h"
#include "platform/ProcessStarter.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace n63k {
namespace {

class NoPages final : public PageHooks {
 public:
  void RefreshButtonPage() override {}
  void RefreshLightingPage() override {}
  void RefreshMacroPage() override {}
  void CloseGameMenu() override {}
  void StopRecording() override {}
  void NormaliseLoopField() override {}
  void ApplyScrollLinesText() override {}
  void StopInputCapture() override {}
  void ShowFirmwareVersion(std::uint32_t) override {}
  void CountClick(std::uint32_t) override {}
  void ReapplyPageCaptions() override {}
};

// A program that notes how it was called: its own path, the number of its
// arguments and each argument, separated by "|".
void ArgvRecorder(const std::filesystem::path& path, const std::filesystem::path& calls) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path) << "#!/bin/sh\n{ printf '%s|%s' \"$0\" \"$#\"; for a in \"$@\"; do "
                         "printf '|%s' \"$a\"; done; echo; } >> '"
                      << calls.string() << "'\n";
  ::chmod(path.c_str(), 0755);
}

std::string WaitForLines(const std::filesystem::path& calls, std::size_t lines) {
  const QDeadlineTimer deadline(10000);
  std::string text;
  while (!deadline.hasExpired()) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(calls);
    text.assign(bytes.begin(), bytes.end());
    if (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) >= lines) {
      break;
    }
    QThread::msleep(20);
  }
  return text;
}

struct ActionCase {
  const char* name;
  std::int32_t kind;
  const char* target;  // below the test folder; empty: an empty path
  const char* call;    // the expected call, with DIR for the test folder
};

TEST(DesktopPcActions, StartsProgramsAndOpensPathsWholeWithoutAShell) {
  test::TempDir dir;
  const std::filesystem::path calls = dir / "calls";
  ArgvRecorder(dir / "My Tools/run me", calls);
  ArgvRecorder(dir / "bin/xdg-open", calls);
  std::filesystem::create_directories(dir / "My Files");
  std::ofstream(dir / "My Files/notes.txt") << "not a program\n";
  const test::ScopedEnv path("PATH", (dir / "bin").string() + ":/usr/bin:/bin");
  const std::string d = dir.path().string();

  const ActionCase cases[] = {
      {"program with spaces in its path", 0xD0, "My Tools/run me", "DIR/My Tools/run me|0"},
      {"file with spaces and a quote", 0xE0, "My Files/a \"b\".txt",
       "DIR/bin/xdg-open|1|DIR/My Files/a \"b\".txt"},
      {"folder", 0xF0, "My Files", "DIR/bin/xdg-open|1|DIR/My Files"},
      {"program that cannot run", 0xD0, "My Files/notes.txt",
       "DIR/bin/xdg-open|1|DIR/My Files/notes.txt"},
  };
  ProcessStarter starter;
  DesktopPcActions actions(starter);
  NoPages pages;
  auto record = std::make_unique<ProfileRecord>();
  ButtonEntry& back = record->buttons[4];
  back.functionCode = kFunctionPcAction;
  PcActionHandler handler(*record, pages, actions);

  std::size_t expectedLines = 0;
  std::string expected;
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(c.name);
    // An empty path first: it starts nothing, so only the real call is noted.
    back.pcActionKind = c.kind;
    SetFixedText(back.pcActionPath, "");
    handler.Reported(mouse_identity::kBack);
    SetFixedText(back.pcActionPath, d + "/" + c.target);
    handler.Reported(mouse_identity::kBack);
    std::string call = c.call;
    call.replace(call.find("DIR"), 3, d);
    if (const auto more = call.find("DIR"); more != std::string::npos) {
      call.replace(more, 3, d);
    }
    expected += call + "\n";
    EXPECT_EQ(WaitForLines(calls, ++expectedLines), expected);
  }
}

}  // namespace
}  // namespace n63k
