#pragma once

#include <linux/input.h>

#include <cstdint>
#include <mutex>
#include <ostream>
#include <vector>

#include "core/buttons/InputHooks.h"
#include "platform/evdev/EvdevKernel.h"

namespace n63k::test {

// An event as the tests compare it: type, code and value, no time.
struct Ev {
  std::uint16_t type;
  std::uint16_t code;
  std::int32_t value;
  bool operator==(const Ev&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Ev& event) {
  return out << '{' << event.type << ',' << event.code << ',' << event.value << '}';
}

inline constexpr Ev kSyn{EV_SYN, SYN_REPORT, 0};
inline constexpr Ev kDropped{EV_SYN, SYN_DROPPED, 0};

inline Ev Key(std::uint16_t code, std::int32_t value) {
  return {EV_KEY, code, value};
}
inline Ev Rel(std::uint16_t code, std::int32_t value) {
  return {EV_REL, code, value};
}

inline input_event Raw(const Ev& event) {
  input_event raw{};
  raw.type = event.type;
  raw.code = event.code;
  raw.value = event.value;
  return raw;
}

// What the clone was given, one event after another, SYN_REPORTs included.
class EventLog {
 public:
  void Add(const input_event* events, std::size_t count) {
    const std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < count; ++i) {
      events_.push_back({events[i].type, events[i].code, events[i].value});
    }
  }
  std::vector<Ev> events() const {
    const std::lock_guard lock(mutex_);
    return events_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<Ev> events_;
};

class RecordingClone final : public platform::CloneDevice {
 public:
  explicit RecordingClone(EventLog& log, bool accepts = true) : log_(log), accepts_(accepts) {}
  bool Write(const input_event* events, std::size_t count) override {
    if (accepts_) {
      log_.Add(events, count);
    }
    return accepts_;
  }

 private:
  EventLog& log_;
  bool accepts_;
};

// The identities the hooks reported, from whichever thread.
class IdentityLog final : public InputReceiver {
 public:
  void CapturedInput(std::uint32_t, std::uint32_t) override {}
  void PcAction(std::uint32_t identity) override {
    const std::lock_guard lock(mutex_);
    identities_.push_back(identity);
  }
  std::vector<std::uint32_t> identities() const {
    const std::lock_guard lock(mutex_);
    return identities_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::uint32_t> identities_;
};

}  // namespace n63k::test
