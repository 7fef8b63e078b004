#pragma once

#include <fcntl.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/evdev/EvdevEvents.h"
#include "platform/evdev/EvdevKernel.h"

namespace n63k::test {

// Event nodes that are pipes: the test writes recorded events into a node,
// the reader reads them as it would read the kernel's. A node whose writing
// end is closed reads as a vanished device.
class FakeEvdevKernel final : public platform::EvdevKernel {
 public:
  FakeEvdevKernel() : hotplug_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
  FakeEvdevKernel(const FakeEvdevKernel&) = delete;
  FakeEvdevKernel& operator=(const FakeEvdevKernel&) = delete;
  ~FakeEvdevKernel() override {
    for (const auto& [path, fd] : writers_) {
      ::close(fd);
    }
    ::close(hotplug_);
  }

  // What FindNodes lists from now on; tell the reader with Hotplug().
  void SetNodes(std::vector<platform::MouseEventNode> nodes) {
    const std::lock_guard lock(mutex_);
    nodes_ = std::move(nodes);
  }
  void Hotplug() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(hotplug_, &one, sizeof(one));
  }
  void RefuseOpen(int error) { openError_ = error; }
  void AllowClones(bool allowed) { clonesAllowed_ = allowed; }
  // Clones made from now on refuse every frame.
  void BreakClones() { clonesBroken_ = true; }
  // Each read gives at most this many bytes.
  void LimitReads(std::size_t bytes) { readLimit_ = bytes; }
  void SetHeld(std::uint32_t held) { held_ = held; }

  // Writes events into the node at `path`, as one write.
  void Send(const std::string& path, const std::vector<Ev>& events) {
    std::vector<input_event> raw;
    for (const Ev& event : events) {
      raw.push_back(Raw(event));
    }
    const int fd = Writer(path);
    [[maybe_unused]] const ssize_t written =
        ::write(fd, raw.data(), raw.size() * sizeof(input_event));
  }
  // The device at `path` goes away.
  void Unplug(const std::string& path) {
    const std::lock_guard lock(mutex_);
    ::close(writers_.at(path));
    writers_.erase(path);
  }

  int opens() const { return opens_; }
  // Grab calls in order: the node's open number (from 1) and on or off.
  std::vector<std::pair<int, bool>> grabs() const {
    const std::lock_guard lock(mutex_);
    return grabs_;
  }
  bool grabbed() const {
    const std::lock_guard lock(mutex_);
    return !grabs_.empty() && grabs_.back().second;
  }
  const EventLog& clone() const { return clone_; }

  std::vector<platform::MouseEventNode> FindNodes() override {
    const std::lock_guard lock(mutex_);
    return nodes_;
  }
  int HotplugFd() override { return hotplug_; }
  bool TakeHotplug() override {
    std::uint64_t count = 0;
    return ::read(hotplug_, &count, sizeof(count)) == sizeof(count);
  }

  int Open(const std::string& devicePath) override {
    if (openError_ != 0) {
      return -openError_;
    }
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
      return -errno;
    }
    const std::lock_guard lock(mutex_);
    if (const auto old = writers_.find(devicePath); old != writers_.end()) {
      ::close(old->second);
    }
    writers_[devicePath] = ends[1];
    openNumbers_[ends[0]] = ++opens_;
    return ends[0];
  }
  long Read(int fd, void* buffer, std::size_t size) override {
    const ssize_t count = ::read(fd, buffer, std::min(size, readLimit_.load()));
    if (count < 0) {
      return -errno;
    }
    return count == 0 ? -ENODEV : count;
  }
  int Grab(int fd, bool grab) override {
    const std::lock_guard lock(mutex_);
    grabs_.emplace_back(openNumbers_.at(fd), grab);
    return 0;
  }
  int HeldButtons(int, std::uint32_t& held) override {
    held = held_;
    return 0;
  }
  void Close(int fd) override { ::close(fd); }
  bool CanCreateClones() override { return clonesAllowed_; }
  std::unique_ptr<platform::CloneDevice> CreateClone(int) override {
    if (!clonesAllowed_) {
      return nullptr;
    }
    return std::make_unique<RecordingClone>(clone_, !clonesBroken_);
  }

 private:
  int Writer(const std::string& path) {
    const std::lock_guard lock(mutex_);
    return writers_.at(path);
  }

  const int hotplug_;
  mutable std::mutex mutex_;
  std::vector<platform::MouseEventNode> nodes_;
  std::map<std::string, int> writers_;
  std::map<int, int> openNumbers_;
  std::vector<std::pair<int, bool>> grabs_;
  std::atomic<int> opens_{0};
  std::atomic<int> openError_{0};
  std::atomic<bool> clonesAllowed_{true};
  std::atomic<bool> clonesBroken_{false};
  std::atomic<std::size_t> readLimit_{SIZE_MAX};
  std::atomic<std::uint32_t> held_{0};
  EventLog clone_;
};

}  // namespace n63k::test
