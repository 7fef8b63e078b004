#include "core/app/StartUp.h"

namespace n63k {
namespace {

bool OpenWithRetries(StartUpSteps& steps, Clock& clock) {
  for (int attempt = 1; attempt <= kOpenAttempts; ++attempt) {
    if (steps.OpenDevice()) {
      return true;
    }
    if (attempt < kOpenAttempts) {
      clock.SleepMs(kOpenRetryMs);
    }
  }
  return false;
}

}  // namespace

StartUpEnd RunStartUp(StartUpSteps& steps, Clock& clock) {
  steps.PrepareDataAndLanguage();
  if (steps.BootLoaderPresent() && steps.HandToFlasher()) {
    return StartUpEnd::kHandedToFlasher;
  }
  steps.LoadSettings();
  steps.BuildWindow();
  if (!steps.PrepareDevice()) {
    steps.ShowWindow();
    return StartUpEnd::kRunningWithoutDevice;
  }
  const bool opened = OpenWithRetries(steps, clock);
  steps.RefreshPages();
  if (!opened) {
    steps.TellMouseNotFound();
    return StartUpEnd::kMouseNotFound;
  }
  steps.StartWorkers();
  steps.ReadFirmwareVersion();
  steps.ShowWindow();
  steps.StartRunning();
  return StartUpEnd::kRunning;
}

}  // namespace n63k
