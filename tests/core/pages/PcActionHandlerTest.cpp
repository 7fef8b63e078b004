#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/MouseInput.h"
#include "core/pages/PcActionHandler.h"

namespace n63k {
namespace {

class Recorder final : public PageHooks, public PcActions {
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
  void CountClick(std::uint32_t identity) override { counted.push_back(identity); }
  void ReapplyPageCaptions() override {}

  void PlaySound(const std::string& path) override { actions.push_back("sound " + path); }
  void StartProgram(const std::string& path) override { actions.push_back("program " + path); }
  void OpenWithDefaultHandler(const std::string& path) override {
    actions.push_back("open " + path);
  }

  std::vector<std::uint32_t> counted;
  std::vector<std::string> actions;
};

struct ActionCase {
  const char* name;
  int slot;
  std::int32_t functionCode;
  std::int32_t kind;
  const char* path;
  std::uint32_t identity;
  std::vector<std::string> actions;
};

TEST(PcActionHandlerTest, CountsEveryReportAndRunsTheSlotsActionByKind) {
  const ActionCase cases[] = {
      {"sound",
       2,
       kFunctionPcAction,
       0xC0,
       "/home/u/ding.wav",
       mouse_identity::kRight,
       {"sound /home/u/ding.wav"}},
      {"program path kept whole",
       3,
       kFunctionPcAction,
       0xD0,
       "/opt/My Tools/run me",
       mouse_identity::kForward,
       {"program /opt/My Tools/run me"}},
      {"file unquoted",
       4,
       kFunctionPcAction,
       0xE0,
       "/home/u/My Files/a.txt",
       mouse_identity::kBack,
       {"open /home/u/My Files/a.txt"}},
      {"folder",
       5,
       kFunctionPcAction,
       0xF0,
       "/home/u/Mus ic",
       mouse_identity::kWheelForward,
       {"open /home/u/Mus ic"}},
      {"left button runs its action",
       0,
       kFunctionPcAction,
       0xD0,
       "/usr/bin/xterm",
       mouse_identity::kLeft,
       {"program /usr/bin/xterm"}},
      {"non-ASCII path",
       1,
       kFunctionPcAction,
       0xE0,
       "/home/u/Bilder/Größe.png",
       mouse_identity::kMiddle,
       {"open /home/u/Bilder/Größe.png"}},
      {"empty path", 2, kFunctionPcAction, 0xC0, "", mouse_identity::kRight, {}},
      {"unknown kind", 2, kFunctionPcAction, 0xB0, "/bin/true", mouse_identity::kRight, {}},
      {"not a PC action", 2, 2, 0xD0, "/bin/true", mouse_identity::kRight, {}},
      {"another slot's press",
       2,
       kFunctionPcAction,
       0xD0,
       "/bin/true",
       mouse_identity::kWheelBackward,
       {}},
      {"identity of no slot", 2, kFunctionPcAction, 0xD0, "/bin/true", 0x202, {}},
  };
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto record = std::make_unique<ProfileRecord>();
    ButtonEntry& entry = record->buttons[c.slot];
    entry.functionCode = c.functionCode;
    entry.pcActionKind = c.kind;
    SetFixedText(entry.pcActionPath, c.path);
    Recorder recorder;
    PcActionHandler handler(*record, recorder, recorder);
    handler.Reported(c.identity);
    EXPECT_EQ(recorder.counted, std::vector<std::uint32_t>{c.identity});
    EXPECT_EQ(recorder.actions, c.actions);
  }
}

TEST(PcActionHandlerTest, FollowsTheCurrentProfileNotTheOneItWasBuiltWith) {
  auto record = std::make_unique<ProfileRecord>();
  Recorder recorder;
  PcActionHandler handler(*record, recorder, recorder);
  handler.Reported(mouse_identity::kBack);
  record->buttons[4].functionCode = kFunctionPcAction;
  record->buttons[4].pcActionKind = 0xD0;
  SetFixedText(record->buttons[4].pcActionPath, "/bin/true");
  handler.Reported(mouse_identity::kBack);
  EXPECT_EQ(recorder.actions, std::vector<std::string>{"program /bin/true"});
  EXPECT_EQ(recorder.counted.size(), 2U);
}

}  // namespace
}  // namespace n63k
