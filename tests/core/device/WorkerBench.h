#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "core/app/ProgramState.h"
#include "core/device/DeviceBench.h"
#include "core/device/SyncWorker.h"
#include "core/device/TracingPointerSettings.h"
#include "support/IgnoredPointerSettings.h"
#include "support/TestFiles.h"

namespace n63k::test {

// Records what the worker reports and lets the test wait for the outcome.
class RecordingListener final : public SyncListener {
 public:
  void OnSyncProgress(int percent) override {
    const std::lock_guard lock(mutex_);
    progress_.push_back(percent);
  }
  void OnSyncDone() override { Finish(std::nullopt); }
  void OnSyncFailed(SyncFailure failure) override { Finish(failure); }

  // Waits for the outcome of one write: no value after success.
  std::optional<SyncFailure> WaitForOutcome() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return outcomes_ > 0; });
    --outcomes_;
    return failure_;
  }
  bool HasOutcome() {
    const std::lock_guard lock(mutex_);
    return outcomes_ > 0;
  }
  std::vector<int> Progress() {
    const std::lock_guard lock(mutex_);
    return progress_;
  }

 private:
  void Finish(std::optional<SyncFailure> failure) {
    {
      const std::lock_guard lock(mutex_);
      failure_ = failure;
      ++outcomes_;
    }
    finished_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable finished_;
  std::vector<int> progress_;
  std::optional<SyncFailure> failure_;
  int outcomes_ = 0;
};

// A worker over a simulated mouse, with the default profile as the current
// one and an empty macro table. Folders are temporary and never written.
class WorkerBench : public DeviceBench {
 public:
  explicit WorkerBench(SimulatedMouse::Settings settings = {})
      : DeviceBench(settings),
        state({dir / "program", dir / "data"}, messages, clock),
        pointer(ignored, clock,
                [this](std::uint64_t at, const PointerValues& values) {
                  lines.push_back(PointerTraceLine(at, values, 0));
                }),
        worker(link, pointer, state.mouseWatchList(), listener) {
    BuildDefaultProfile(state.profileFiles().Current(), false);
    worker.Start();
  }

  ProfileRecord& Record() { return state.profileFiles().Current(); }
  // What a write requested now would send.
  ProfileSnapshot Snapshot() {
    return TakeSnapshot(Record(), state.buttonMacroIds(), state.macroTable());
  }

  // Requests one write and waits for its outcome, then marks the program
  // idle again as the outcome's handler does.
  std::optional<SyncFailure> Write() {
    EXPECT_TRUE(worker.RequestSync(Snapshot()));
    const auto outcome = listener.WaitForOutcome();
    worker.SetIdle();
    return outcome;
  }

  TempDir dir;
  RecordingMessages messages;
  ProgramState state;
  IgnoredPointerSettings ignored;
  TracingPointerSettings pointer;
  RecordingListener listener;
  SyncWorker worker;
};

}  // namespace n63k::test
