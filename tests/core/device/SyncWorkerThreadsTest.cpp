#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/buttons/FunctionCatalogue.h"
#include "core/device/SyncWorker.h"
#include "core/device/WorkerBench.h"
#include "support/Macros.h"

namespace n63k {
namespace {

using test::IgnoredPointerSettings;
using test::RecordingListener;
using test::WorkerBench;

void AssignMacros(ProfileRecord& record, ButtonMacroIds& ids, MacroTable& table) {
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const auto id = 0x03000000u + static_cast<std::uint32_t>(slot);
    table.PutMacro(test::StoredMacro(id));
    record.buttons[slot].functionCode = kFunctionMacro;
    record.buttons[slot].macroId = id;
    ids[static_cast<std::size_t>(slot)] = id;
  }
}

// The pages go on editing while the worker sends: under ThreadSanitizer any
// shared access would be reported, and the mouse must get what was asked for.
TEST(SyncWorkerThreads, PagesEditWhileAWriteRuns) {
  WorkerBench bench;
  AssignMacros(bench.Record(), bench.state.buttonMacroIds(), bench.state.macroTable());
  ASSERT_TRUE(bench.worker.RequestSync(bench.Snapshot()));
  do {
    bench.Record().pollingRate = 8;
    bench.Record().buttons[2].functionCode = 16;
    bench.state.buttonMacroIds()[2] = 0;
    bench.state.macroTable().ClearMacro(0x03000003);
    bench.state.macroTable().PutMacro(test::StoredMacro(0x03000003, "again"));
  } while (!bench.listener.HasOutcome());
  EXPECT_EQ(bench.listener.WaitForOutcome(), std::nullopt);
  EXPECT_EQ(bench.mouse.memory().reportRate, 1);
  EXPECT_TRUE(bench.mouse.memory().macros[6].has_value()) << "seven macros sent";
}

// Closing the program during a long write: the worker stops between two
// reports instead of sending the rest, and the write counts as failed.
TEST(SyncWorkerThreads, StopEndsASevenMacroWriteAtOnceOnTheRealClock) {
  SystemClock clock;
  SimulatedMouse mouse(clock);
  ASSERT_EQ(mouse.Open(), OpenResult::kOpened);
  DeviceLink link(mouse, clock);
  IgnoredPointerSettings pointer;
  MouseWatchList watchList;
  RecordingListener listener;
  SyncWorker worker(link, pointer, watchList, listener);

  ProfileRecord record;
  BuildDefaultProfile(record, false);
  ButtonMacroIds ids{};
  MacroTable table;
  AssignMacros(record, ids, table);

  worker.Start();
  ASSERT_TRUE(worker.RequestSync(TakeSnapshot(record, ids, table)));
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  const int sentBeforeStop = mouse.ReportsSent();
  const auto start = std::chrono::steady_clock::now();
  worker.Stop();
  const auto took = std::chrono::steady_clock::now() - start;

  EXPECT_LT(took, std::chrono::milliseconds(100));
  EXPECT_EQ(listener.WaitForOutcome(), SyncFailure::kStopped);
  EXPECT_LE(mouse.ReportsSent(), sentBeforeStop + 1) << "reports went out after the stop";
  EXPECT_GT(sentBeforeStop, 0);
  EXPECT_EQ(mouse.memory().reportRate, 0) << "the write did not reach its end";
}

}  // namespace
}  // namespace n63k
