#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

#include "core/base/StopSignal.h"
#include "core/buttons/MouseWatchList.h"
#include "core/device/DeviceLink.h"
#include "core/device/PointerSettings.h"
#include "core/device/ProfileSnapshot.h"
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

// The thread that writes a profile to the mouse: it sleeps until a write is
// requested, then sends the key matrix with the macros that buttons use, the
// lighting, proximity, DPI stages, pointer settings and report rate of the
// snapshot it was handed. A refused macro, stage count or report rate does not
// end the write: the mouse keeps what it had for them, and the rest goes on. The listener saves the
// profile after success; the listener's owner marks the worker idle again once it has handled the
// outcome.
class SyncWorker {
 public:
  SyncWorker(DeviceLink& link, PointerSettings& pointer, MouseWatchList& watchList,
             SyncListener& listener);
  ~SyncWorker();
  SyncWorker(const SyncWorker&) = delete;
  SyncWorker& operator=(const SyncWorker&) = delete;

  // Told the name of each command the mouse refuses ("SetDpiStage"), on the
  // worker's thread, whether or not the refusal ends the write: the trace.
  // Set while no write is under way.
  void SetRefusalNotes(std::function<void(std::string_view command)> notes) {
    refusalNotes_ = std::move(notes);
  }

  // Starts the thread, also again after Stop.
  void Start();
  // Ends the thread. A write under way stops before its next report and is
  // told as failed (SyncFailure::kStopped); a request not yet taken is
  // dropped.
  void Stop();

  // Asks for a write of `snapshot` unless one is under way or its outcome is
  // not yet handled; true when asked.
  bool RequestSync(ProfileSnapshot snapshot);
  bool IsIdle() const;
  // The outcome has been handled.
  void SetIdle();

 private:
  enum class State { kIdle, kRequested, kWriting, kOutcomePending, kStopping };

  void Run();
  std::optional<SyncFailure> WriteProfile(const ProfileSnapshot& snapshot);
  std::optional<SyncFailure> WriteKeyMatrixWithMacros(const ProfileSnapshot& snapshot);
  // `accepted`, after telling the refusal notes of `command` when it is false.
  bool Taken(bool accepted, std::string_view command);

  DeviceLink& link_;
  PointerSettings& pointer_;
  MouseWatchList& watchList_;
  SyncListener& listener_;
  std::function<void(std::string_view command)> refusalNotes_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::kIdle;
  std::unique_ptr<ProfileSnapshot> requested_;
  StopSignal stop_;
  std::thread thread_;
};

}  // namespace n63k
