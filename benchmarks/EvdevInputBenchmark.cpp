#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <array>
#include <vector>

#include "AllocationCount.h"
#include "core/buttons/InputHooks.h"
#include "core/buttons/MouseInput.h"
#include "core/buttons/MouseWatchList.h"
#include "platform/evdev/EvdevKernel.h"
#include "platform/evdev/FrameFilter.h"
#include "platform/evdev/RelativeMotionTravel.h"

namespace n63k::platform {
namespace {

// Queues the report the way the window's receiver does: into room that is
// there already.
class QueueingReceiver final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t, std::uint32_t) override {}
  void PcAction(std::uint32_t identity) override { posted_[next_++ % posted_.size()] = identity; }

 private:
  std::array<std::uint32_t, 64> posted_{};
  std::size_t next_ = 0;
};

// A clone that keeps the frames in memory, and one that also makes the one
// write a frame costs, into /dev/null.
class MemoryClone final : public CloneDevice {
 public:
  bool Write(const input_event* events, std::size_t count) override {
    for (std::size_t i = 0; i < count; ++i) {
      kept_[next_++ % kept_.size()] = events[i];
    }
    return true;
  }

 private:
  std::array<input_event, 64> kept_{};
  std::size_t next_ = 0;
};

class WritingClone final : public CloneDevice {
 public:
  WritingClone() : fd_(::open("/dev/null", O_WRONLY | O_CLOEXEC)) {}
  WritingClone(const WritingClone&) = delete;
  WritingClone& operator=(const WritingClone&) = delete;
  ~WritingClone() override { ::close(fd_); }
  bool Write(const input_event* events, std::size_t count) override {
    return ::write(fd_, events, count * sizeof(input_event)) >= 0;
  }

 private:
  int fd_;
};

input_event Event(std::uint16_t type, std::uint16_t code, std::int32_t value) {
  input_event event{};
  event.type = type;
  event.code = code;
  event.value = value;
  return event;
}

// A watched right click (swallowed), motion, an unwatched left click and a
// wheel notch with its hi-res units: each a frame as the mouse sends it.
std::vector<input_event> Round() {
  const input_event syn = Event(EV_SYN, SYN_REPORT, 0);
  return {Event(EV_MSC, MSC_SCAN, 0x90002),
          Event(EV_KEY, BTN_RIGHT, 1),
          syn,
          Event(EV_REL, REL_X, 3),
          Event(EV_REL, REL_Y, -2),
          syn,
          Event(EV_MSC, MSC_SCAN, 0x90002),
          Event(EV_KEY, BTN_RIGHT, 0),
          syn,
          Event(EV_KEY, BTN_LEFT, 1),
          syn,
          Event(EV_KEY, BTN_LEFT, 0),
          syn,
          Event(EV_REL, REL_WHEEL, 1),
          Event(EV_REL, REL_WHEEL_HI_RES, 120),
          syn};
}

// From a decoded event to the posted report and to the event written on to
// the clone; the counter "per_event" is the time each event takes.
template <typename Clone>
void HookPath(benchmark::State& state) {
  MouseWatchList watchList;
  watchList.Watch(mouse_identity::kRight);
  InputHooks hooks(watchList);
  QueueingReceiver receiver;
  hooks.SetMainWindow(&receiver);
  hooks.SetClickNotify(true);
  RelativeMotionTravel travel;
  Clone clone;
  FrameFilter filter(hooks, watchList, travel, true);
  const std::vector<input_event> round = Round();

  // No allocation may happen on the path: a counting operator new proves it,
  // once it is seen to count.
  const std::size_t countedBefore = AllocationCount();
  int* probe = new int(0);
  benchmark::DoNotOptimize(probe);
  delete probe;
  if (AllocationCount() == countedBefore) {
    state.SkipWithError("allocations are not counted");
    return;
  }
  const std::size_t allocationsBefore = AllocationCount();
  for (auto _ : state) {
    for (const input_event& event : round) {
      filter.Take(event, &clone);
    }
  }
  const std::size_t allocated = AllocationCount() - allocationsBefore;
  state.counters["allocations"] = static_cast<double>(allocated);
  state.counters["per_event"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(round.size()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  if (allocated != 0) {
    state.SkipWithError("the hook path allocated");
  }
  benchmark::DoNotOptimize(travel.TakeTravel());
}
BENCHMARK(HookPath<MemoryClone>)->Name("HookPathToMemoryClone")->Repetitions(9);
BENCHMARK(HookPath<WritingClone>)->Name("HookPathWithOneWritePerFrame")->Repetitions(9);

}  // namespace
}  // namespace n63k::platform
