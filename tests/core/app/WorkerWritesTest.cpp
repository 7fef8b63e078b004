#include <gtest/gtest.h>

#include "core/app/WorkerWrites.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/device/WorkerBench.h"

namespace n63k {
namespace {

TEST(WorkerWrites, TellsMissingMacrosThenRequestsAndShowsTheProgressOncePerWrite) {
  test::WorkerBench bench;
  bench.state.localisation().chineseUi = false;
  int progressShown = 0;
  WorkerWrites writes(bench.state, bench.worker, [&] { ++progressShown; });
  bench.Record().buttons[3].functionCode = kFunctionMacro;
  bench.state.buttonMacroIds()[3] = 0x0BADBAD0;

  ASSERT_TRUE(writes.StartWrite());
  EXPECT_EQ(progressShown, 1);
  EXPECT_EQ(bench.messages.Texts(),
            std::vector<std::string>{"The macro of the forward button no longer exists; the mouse "
                                     "gets its default function instead."});
  EXPECT_EQ(bench.listener.WaitForOutcome(), std::nullopt);

  // Until its outcome is handled the worker takes no other write.
  EXPECT_FALSE(writes.StartWrite());
  EXPECT_EQ(progressShown, 1);
  writes.FinishWrite();
  ASSERT_TRUE(writes.StartWrite());
  EXPECT_EQ(progressShown, 2);
  EXPECT_EQ(bench.listener.WaitForOutcome(), std::nullopt);
  writes.FinishWrite();
}

TEST(WorkerWrites, NoWorkerNoProgressWindow) {
  test::WorkerBench bench;
  bench.worker.Stop();
  int progressShown = 0;
  WorkerWrites writes(bench.state, bench.worker, [&] { ++progressShown; });
  EXPECT_FALSE(writes.StartWrite());
  EXPECT_EQ(progressShown, 0);
}

}  // namespace
}  // namespace n63k
