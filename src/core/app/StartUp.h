#pragma once

#include <cstdint>

#include "core/base/Clock.h"

namespace n63k {

// What the window program's start-up asks of the program, step by step; the
// app carries each step out with the real windows and services, the tests
// with a recording stand-in.
class StartUpSteps {
 public:
  virtual ~StartUpSteps() = default;
  // First-run provisioning and the installation language.
  virtual void PrepareDataAndLanguage() = 0;
  // Whether the mouse waits in its boot loader (this check takes its own time).
  virtual bool BootLoaderPresent() = 0;
  // Starts the flasher, after which the program ends; false when it could not
  // be started (the user has been told), and the start-up goes on.
  virtual bool HandToFlasher() = 0;
  // The macro table, the profile table, the current profile and its macros,
  // then the stored language.
  virtual void LoadSettings() = 0;
  // The skinned window, its pages and the tray icon, not shown yet.
  virtual void BuildWindow() = 0;
  // Whether the device link can be used at all.
  virtual bool PrepareDevice() = 0;
  // One attempt to open the mouse.
  virtual bool OpenDevice() = 0;
  virtual void RefreshPages() = 0;
  // The count-down box saying that the mouse cannot be found; returns when it
  // has closed. The program then ends.
  virtual void TellMouseNotFound() = 0;
  // The write worker and the firmware check.
  virtual void StartWorkers() = 0;
  virtual void ReadFirmwareVersion() = 0;
  virtual void ShowWindow() = 0;
  // With the mouse open and the window shown: the input hooks and the
  // updater's timer.
  virtual void StartRunning() = 0;
};

// How the start-up ended.
enum class StartUpEnd {
  kHandedToFlasher,       // the program ends
  kMouseNotFound,         // the program ends
  kRunningWithoutDevice,  // the window is shown, no mouse is ever opened
  kRunning,
};

inline constexpr int kOpenAttempts = 10;
inline constexpr std::uint32_t kOpenRetryMs = 500;

// The start-up sequence of the window program, in its order.
StartUpEnd RunStartUp(StartUpSteps& steps, Clock& clock);

}  // namespace n63k
