#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/StartUp.h"

namespace n63k {
namespace {

// Records each step with the time it ran at.
class RecordingSteps final : public StartUpSteps {
 public:
  RecordingSteps(VirtualClock& clock, bool bootLoader, bool flasher, bool prepares,
                 int opensAtAttempt)
      : clock_(clock),
        bootLoader_(bootLoader),
        flasher_(flasher),
        prepares_(prepares),
        opensAt_(opensAtAttempt) {}

  void PrepareDataAndLanguage() override { Log("prepare"); }
  bool BootLoaderPresent() override {
    Log("boot-loader?");
    return bootLoader_;
  }
  bool HandToFlasher() override {
    Log("flasher");
    return flasher_;
  }
  void LoadSettings() override { Log("load"); }
  void BuildWindow() override { Log("build"); }
  bool PrepareDevice() override {
    Log("device?");
    return prepares_;
  }
  bool OpenDevice() override {
    ++attempts_;
    Log("open");
    return attempts_ == opensAt_;
  }
  void RefreshPages() override { Log("refresh"); }
  void TellMouseNotFound() override { Log("not-found"); }
  void StartWorkers() override { Log("workers"); }
  void ReadFirmwareVersion() override { Log("version"); }
  void ShowWindow() override { Log("show"); }
  void StartRunning() override { Log("running"); }

  std::vector<std::string> log;

 private:
  void Log(const std::string& step) { log.push_back(step + "@" + std::to_string(clock_.NowMs())); }

  VirtualClock& clock_;
  bool bootLoader_;
  bool flasher_;
  bool prepares_;
  int opensAt_;
  int attempts_ = 0;
};

std::vector<std::string> Opens(int count) {
  std::vector<std::string> opens;
  for (int i = 0; i < count; ++i) {
    opens.push_back("open@" + std::to_string(i * 500));
  }
  return opens;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Case {
  const char* name;
  bool bootLoader;
  bool flasher;  // the flasher starts
  bool prepares;
  int opensAtAttempt;  // 0: never
  StartUpEnd end;
  std::vector<std::string> steps;
};

TEST(StartUp, RunsItsStepsInOrderAndEndsAsTheMouseAllows) {
  const std::vector<std::string> loaded = {"prepare@0", "boot-loader?@0", "load@0", "build@0",
                                           "device?@0"};
  const Case cases[] = {
      {"boot loader: flasher, nothing loaded",
       true,
       true,
       true,
       1,
       StartUpEnd::kHandedToFlasher,
       {"prepare@0", "boot-loader?@0", "flasher@0"}},
      {"boot loader without a flasher: the start-up goes on",
       true,
       false,
       true,
       1,
       StartUpEnd::kRunning,
       {"prepare@0", "boot-loader?@0", "flasher@0", "load@0", "build@0", "device?@0", "open@0",
        "refresh@0", "workers@0", "version@0", "show@0", "running@0"}},
      {"no device link: window shown, nothing opened", false, true, false, 1,
       StartUpEnd::kRunningWithoutDevice, Join(loaded, {"show@0"})},
      {"mouse at once", false, true, true, 1, StartUpEnd::kRunning,
       Join(loaded, {"open@0", "refresh@0", "workers@0", "version@0", "show@0", "running@0"})},
      {"mouse at the third try, 500 ms apart", false, true, true, 3, StartUpEnd::kRunning,
       Join(Join(loaded, Opens(3)),
            {"refresh@1000", "workers@1000", "version@1000", "show@1000", "running@1000"})},
      {"no mouse: ten tries over 4.5 s, then the count-down", false, true, true, 0,
       StartUpEnd::kMouseNotFound,
       Join(Join(loaded, Opens(10)), {"refresh@4500", "not-found@4500"})},
  };
  for (const Case& c : cases) {
    VirtualClock clock;
    RecordingSteps steps(clock, c.bootLoader, c.flasher, c.prepares, c.opensAtAttempt);
    EXPECT_EQ(RunStartUp(steps, clock), c.end) << c.name;
    EXPECT_EQ(steps.log, c.steps) << c.name;
  }
}

}  // namespace
}  // namespace n63k
