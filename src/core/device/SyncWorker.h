#pragma once

#include <atomic>
#include <optional>
#include <thread>

#include "core/app/ProgramState.h"
#include "core/base/ManualResetEvent.h"
#include "core/device/CUSBDriver.h"
#include "core/device/PointerSettings.h"
#include "core/device/SyncFailure.h"

namespace n63k {

// Where the worker reports, from its own thread: the progress window and the
// main window of the program, the command-line tool, the tests.
class SyncListener {
 public:
  virtual ~SyncListener() = default;
  virtual void OnSyncProgress(int percent) = 0;
  virtual void OnSyncDone() = 0;
  virtual void OnSyncFailed(SyncFailure failure) = 0;
};

// The thread that writes the current profile to the mouse: it sleeps until a
// write is requested, then sends the key matrix with the macros that buttons
// use, the lighting, proximity, DPI stages, pointer settings and report rate.
// The listener saves the profile after success; the listener's owner marks the
// program idle again once it has handled the outcome.
class SyncWorker {
 public:
  SyncWorker(CUSBDriver& link, ProgramState& state, PointerSettings& pointer,
             SyncListener& listener);
  ~SyncWorker();
  SyncWorker(const SyncWorker&) = delete;
  SyncWorker& operator=(const SyncWorker&) = delete;

  void Start();
  // Ends the thread after the write that runs, if any.
  void Stop();

  // Asks for a write unless one is under way or its outcome is not yet
  // handled; true when asked.
  bool RequestSync();
  bool IsIdle() const { return isIdle_.load(); }
  // The outcome has been handled.
  void SetIdle() { isIdle_.store(true); }

 private:
  void Run();
  std::optional<SyncFailure> WriteProfile();
  std::optional<SyncFailure> WriteKeyMatrixWithMacros(const ProfileRecord& record);

  CUSBDriver& link_;
  ProgramState& state_;
  PointerSettings& pointer_;
  SyncListener& listener_;

  ManualResetEvent syncRequestEvent_;
  std::atomic<bool> syncWorkerRunning_{false};
  std::atomic<bool> isIdle_{true};
  std::thread thread_;
};

}  // namespace n63k
