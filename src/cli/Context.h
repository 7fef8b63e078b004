#pragma once

#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/StreamMessages.h"
#include "core/app/ProgramState.h"
#include "core/base/Clock.h"
#include "core/base/FolderLock.h"
#include "core/device/HidTransport.h"
#include "core/device/PointerSettings.h"
#include "core/device/SimulatedMouse.h"
#include "platform/LinuxSystemPaths.h"

namespace n63k::cli {

// What the device commands reach instead of the system's, for tests; each
// null entry means the system's own.
struct DeviceEnvironment {
  Clock* clock = nullptr;
  SimulatedMouse* simulatedMouse = nullptr;  // used by --simulate
  HidTransport* realMouse = nullptr;         // used instead of hidapi
  PointerSettings* pointer = nullptr;        // used instead of the desktop's
};

// What every command shares: the output streams, the global options, and the
// program's settings loaded on first use as the window program loads them.
class Context {
 public:
  Context(std::ostream& output, std::ostream& errors, DeviceEnvironment devices = {})
      : out(output),
        err(errors),
        environment(devices),
        messages_(errors),
        startMs_(clock().NowMs()) {}

  std::ostream& out;
  std::ostream& err;
  const DeviceEnvironment environment;
  std::filesystem::path dataFolder;  // empty: the default data folder
  bool simulate = false;             // --simulate
  int simulateFail = 0;              // --simulate-fail N: refuse report N; 0 none
  int profile = 0;                   // --profile N before the command; 0: the current one

  Clock& clock() { return environment.clock != nullptr ? *environment.clock : clock_; }
  // When the command started, on `clock()`.
  std::uint64_t StartMs() const { return startMs_; }

  // On the first call: provisions the data folder, takes its lock for the
  // rest of the command (so two programs never interleave their changes),
  // removes what killed writes left, and loads the settings as the window
  // program does. False, after telling why, when another program keeps the
  // folder locked.
  bool LoadData();
  // The settings; LoadData() first.
  ProgramState& State();
  // The program folder, where the running n63kctl is.
  std::filesystem::path ProgramFolder() const { return system_.ExecutableFolder(); }
  // Switches to profile `number` (1-5) as the profile buttons do; false after
  // telling why not.
  bool SwitchProfile(int number);

 private:
  LinuxSystemPaths system_;
  StreamMessages messages_;
  SystemClock clock_;
  std::unique_ptr<FolderLock> lock_;
  std::unique_ptr<ProgramState> state_;
  std::uint64_t startMs_;
};

}  // namespace n63k::cli
