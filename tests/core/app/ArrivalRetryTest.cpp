#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ArrivalRetry.h"
#include "core/base/ManualTimers.h"
#include "support/CaseName.h"

namespace n63k {
namespace {

const std::vector<std::uint64_t> kAllTries = {0,    500,  1000, 1500,  2000,
                                              4500, 7000, 9500, 12000, 14500};

// Plays the mouse's answers in order (the last one for ever) and notes when
// each try came and how the tries ended.
class RetryBench {
 public:
  explicit RetryBench(std::vector<OpenResult> answers)
      : answers_(std::move(answers)),
        retry_(timers_, {.open = [this] { return Open(); },
                         .opened = [this] { openedAt = clock_.NowMs(); },
                         .gaveUp =
                             [this](OpenResult last) {
                               gaveUpAt = clock_.NowMs();
                               lastResult = last;
                             }}) {}

  ArrivalRetry& retry() { return retry_; }
  ManualTimers& timers() { return timers_; }

  std::vector<std::uint64_t> tries;
  std::optional<std::uint64_t> openedAt;
  std::optional<std::uint64_t> gaveUpAt;
  std::optional<OpenResult> lastResult;

 private:
  OpenResult Open() {
    const std::size_t index = std::min(tries.size(), answers_.size() - 1);
    tries.push_back(clock_.NowMs());
    return answers_[index];
  }

  std::vector<OpenResult> answers_;
  VirtualClock clock_;
  ManualTimers timers_{clock_};
  ArrivalRetry retry_;
};

struct RetryCase {
  std::string name;
  std::vector<OpenResult> answers;
  std::vector<std::uint64_t> tries;
  std::optional<std::uint64_t> openedAt;
  std::optional<std::uint64_t> gaveUpAt;
  std::optional<OpenResult> lastResult;
};

class ArrivalRetryCases : public ::testing::TestWithParam<RetryCase> {};

TEST_P(ArrivalRetryCases, TriesOnTheScheduleUntilOpenedOrBound) {
  const RetryCase& c = GetParam();
  RetryBench bench(c.answers);
  bench.retry().Arrived();
  bench.timers().Advance(60000);
  EXPECT_EQ(bench.tries, c.tries);
  EXPECT_EQ(bench.openedAt, c.openedAt);
  EXPECT_EQ(bench.gaveUpAt, c.gaveUpAt);
  EXPECT_EQ(bench.lastResult, c.lastResult);
  EXPECT_FALSE(bench.retry().Trying());
  EXPECT_EQ(bench.timers().RunningCount(), 0u);
}

constexpr OpenResult kOpened = OpenResult::kOpened;
constexpr OpenResult kNotFound = OpenResult::kNotFound;
constexpr OpenResult kNoPermission = OpenResult::kNoPermission;

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrivalRetryCases,
    ::testing::Values(
        RetryCase{"AtOnce", {kOpened}, {0}, 0, std::nullopt, std::nullopt},
        RetryCase{"ThirdTry", {kNotFound, kNotFound, kOpened}, {0, 500, 1000}, 1000, {}, {}},
        RetryCase{"AfterAccessWasGranted",
                  {kNoPermission, kNoPermission, kNoPermission, kNoPermission, kNoPermission,
                   kNoPermission, kOpened},
                  {0, 500, 1000, 1500, 2000, 4500, 7000},
                  7000,
                  {},
                  {}},
        RetryCase{"LastTry",
                  {kNotFound, kNotFound, kNotFound, kNotFound, kNotFound, kNotFound, kNotFound,
                   kNotFound, kNotFound, kOpened},
                  kAllTries,
                  14500,
                  {},
                  {}},
        RetryCase{"Never", {kNotFound}, kAllTries, {}, 14500, kNotFound},
        RetryCase{"NeverAllowed", {kNotFound, kNoPermission}, kAllTries, {}, 14500, kNoPermission}),
    test::CaseName<RetryCase>);

TEST(ArrivalRetry, RemovalStopsTheTriesAtOnce) {
  RetryBench bench({kNotFound});
  bench.retry().Arrived();
  bench.timers().Advance(1200);
  bench.retry().Removed();
  bench.timers().Advance(60000);
  EXPECT_EQ(bench.tries, (std::vector<std::uint64_t>{0, 500, 1000}));
  EXPECT_FALSE(bench.openedAt);
  EXPECT_FALSE(bench.gaveUpAt);
  EXPECT_EQ(bench.timers().RunningCount(), 0u);
}

TEST(ArrivalRetry, FurtherArrivalsWhileTryingOrOpenChangeNothing) {
  RetryBench bench({kNotFound, kNotFound, kOpened});
  bench.retry().Arrived();
  bench.timers().Advance(300);
  bench.retry().Arrived();
  bench.timers().Advance(60000);
  bench.retry().Arrived();
  EXPECT_EQ(bench.tries, (std::vector<std::uint64_t>{0, 500, 1000}));
  EXPECT_EQ(bench.openedAt, 1000u);
}

TEST(ArrivalRetry, AnArrivalAfterARemovalStartsAfresh) {
  RetryBench bench({kNotFound});
  bench.retry().Arrived();
  bench.timers().Advance(2200);
  bench.retry().Removed();
  bench.timers().Advance(800);
  bench.retry().Arrived();
  bench.timers().Advance(600);
  EXPECT_EQ(bench.tries, (std::vector<std::uint64_t>{0, 500, 1000, 1500, 2000, 3000, 3500}));
}

TEST(ArrivalRetry, AnArrivalAfterGivingUpTriesAgain) {
  RetryBench bench({kNotFound});
  bench.retry().Arrived();
  bench.timers().Advance(20000);
  bench.retry().Arrived();
  EXPECT_EQ(bench.tries.size(), kAllTries.size() + 1);
  EXPECT_TRUE(bench.retry().Trying());
}

}  // namespace
}  // namespace n63k
