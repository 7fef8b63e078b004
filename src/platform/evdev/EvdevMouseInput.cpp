#include "platform/evdev/EvdevMouseInput.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "core/buttons/ButtonSlots.h"
#include "platform/evdev/FrameFilter.h"
#include "platform/evdev/SystemEvdevKernel.h"

namespace n63k::platform {
namespace {

// Reads per wake-up before the reader looks at its other nodes and at Stop.
constexpr int kReadsPerTurn = 16;
constexpr std::size_t kBufferEvents = 64;

void Signal(int fd) {
  const std::uint64_t one = 1;
  while (::write(fd, &one, sizeof(one)) < 0 && errno == EINTR) {
  }
}

void Drain(int fd) {
  std::uint64_t count = 0;
  while (::read(fd, &count, sizeof(count)) < 0 && errno == EINTR) {
  }
}

}  // namespace

struct EvdevMouseInput::Node {
  Node(const MouseEventNode& node, int nodeFd, InputHooks& hooks, const MouseWatchList& watchList,
       RelativeMotionTravel& travel)
      : info(node), fd(nodeFd), filter(hooks, watchList, travel, node.wheelNotches) {}

  MouseEventNode info;
  int fd;
  FrameFilter filter;
  std::unique_ptr<CloneDevice> clone;
  bool grabbed = false;
  // The clone or the grab was refused; tried again after the next change of
  // the watch list rather than on every frame.
  bool refused = false;
  bool lost = false;
  // A read may end inside an event; the rest comes with the next read.
  std::array<unsigned char, kBufferEvents * sizeof(input_event)> buffer{};
  std::size_t buffered = 0;
};

EvdevMouseInput::EvdevMouseInput(InputHooks& hooks, const MouseWatchList& watchList)
    : hooks_(hooks),
      watchList_(watchList),
      ownKernel_(std::make_unique<SystemEvdevKernel>()),
      kernel_(*ownKernel_) {}

EvdevMouseInput::EvdevMouseInput(InputHooks& hooks, const MouseWatchList& watchList,
                                 EvdevKernel& kernel)
    : hooks_(hooks), watchList_(watchList), kernel_(kernel) {}

EvdevMouseInput::~EvdevMouseInput() {
  Stop();
}

EvdevMouseInput::Reach EvdevMouseInput::Start() {
  if (started_) {
    return reach_;
  }
  stopFd_ = ::eventfd(0, EFD_CLOEXEC);
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (stopFd_ < 0 || wakeFd_ < 0) {
    return reach_;
  }
  started_ = true;
  // Hot-plug is listened to before the scan, so a node added meanwhile is
  // not missed.
  hotplugFd_ = kernel_.HotplugFd();
  canClone_ = kernel_.CanCreateClones();
  Rescan();
  if (nodes_.empty()) {
    reach_ = Reach::kNoEventNode;
  } else {
    reach_ = canClone_ ? Reach::kObserveAndSwallow : Reach::kObserveOnly;
  }
  reader_ = std::thread([this] { Run(); });
  return reach_;
}

void EvdevMouseInput::Stop() {
  if (reader_.joinable()) {
    Signal(stopFd_);
    reader_.join();
  }
  for (const std::unique_ptr<Node>& node : nodes_) {
    CloseNode(*node);
  }
  nodes_.clear();
  // The mouse comes back after an unplug: Start then scans and reads again.
  for (int* fd : {&stopFd_, &wakeFd_}) {
    if (*fd >= 0) {
      ::close(*fd);
      *fd = -1;
    }
  }
  started_ = false;
  reach_ = Reach::kNoEventNode;
}

void EvdevMouseInput::WatchListChanged() {
  if (started_) {
    Signal(wakeFd_);
  }
}

void EvdevMouseInput::Run() {
  std::vector<pollfd> polled;
  for (;;) {
    polled.clear();
    polled.push_back({stopFd_, POLLIN, 0});
    polled.push_back({wakeFd_, POLLIN, 0});
    polled.push_back({hotplugFd_, POLLIN, 0});
    for (const std::unique_ptr<Node>& node : nodes_) {
      polled.push_back({node->fd, POLLIN, 0});
    }
    if (::poll(polled.data(), polled.size(), -1) < 0) {
      if (errno == EINTR) {
        continue;
      }
      return;
    }
    if (polled[0].revents != 0) {
      return;
    }
    const bool watchChanged = polled[1].revents != 0;
    if (watchChanged) {
      Drain(wakeFd_);
    }
    bool rescan = polled[2].revents != 0 && kernel_.TakeHotplug();
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      Node& node = *nodes_[i];
      if (watchChanged) {
        node.refused = false;
      }
      if (polled[3 + i].revents != 0 && !ReadNode(node)) {
        // The grab went with the device.
        node.lost = true;
        node.grabbed = false;
        rescan = true;
        continue;
      }
      UpdateGrab(node);
    }
    if (rescan) {
      Rescan();
    }
  }
}

void EvdevMouseInput::Rescan() {
  const std::vector<MouseEventNode> present = kernel_.FindNodes();
  bool lostAny = false;
  for (const std::unique_ptr<Node>& node : nodes_) {
    const bool listed = std::any_of(
        present.begin(), present.end(),
        [&node](const MouseEventNode& found) { return found.devicePath == node->info.devicePath; });
    if (node->lost || !listed) {
      CloseNode(*node);
      node->lost = true;
      lostAny = true;
    }
  }
  std::erase_if(nodes_, [](const std::unique_ptr<Node>& node) { return node->lost; });
  if (lostAny) {
    // The release of a swallowed press may have gone with the node.
    hooks_.ForgetPendingRelease();
  }
  for (const MouseEventNode& found : present) {
    const bool open = std::any_of(nodes_.begin(), nodes_.end(), [&found](const auto& node) {
      return node->info.devicePath == found.devicePath;
    });
    if (open) {
      continue;
    }
    const int fd = kernel_.Open(found.devicePath);
    if (fd < 0) {
      continue;
    }
    auto node = std::make_unique<Node>(found, fd, hooks_, watchList_, travel_);
    std::uint32_t held = 0;
    if (kernel_.HeldButtons(fd, held) == 0) {
      node->filter.AssumeHeld(held);
    }
    UpdateGrab(*node);
    nodes_.push_back(std::move(node));
  }
}

bool EvdevMouseInput::ReadNode(Node& node) {
  for (int turn = 0; turn < kReadsPerTurn; ++turn) {
    const long count = kernel_.Read(node.fd, node.buffer.data() + node.buffered,
                                    node.buffer.size() - node.buffered);
    if (count == -EAGAIN || count == -EWOULDBLOCK) {
      return true;
    }
    if (count == -EINTR) {
      continue;
    }
    // ENODEV when the mouse is gone or was suspended; nothing else is expected.
    if (count <= 0) {
      return false;
    }
    node.buffered += static_cast<std::size_t>(count);
    const std::size_t whole = node.buffered / sizeof(input_event);
    for (std::size_t i = 0; i < whole; ++i) {
      input_event event;
      std::memcpy(&event, node.buffer.data() + i * sizeof(input_event), sizeof(event));
      CloneDevice* clone = node.grabbed ? node.clone.get() : nullptr;
      node.filter.Take(event, clone);
      if (node.filter.resyncNeeded()) {
        std::uint32_t held = 0;
        if (kernel_.HeldButtons(node.fd, held) < 0) {
          return false;
        }
        node.filter.Resync(held, clone);
      }
    }
    const std::size_t used = whole * sizeof(input_event);
    std::memmove(node.buffer.data(), node.buffer.data() + used, node.buffered - used);
    node.buffered -= used;
    if (node.filter.TakeCloneFailure()) {
      // Better unswallowed input than a dead mouse.
      kernel_.Grab(node.fd, false);
      node.grabbed = false;
      node.clone.reset();
      node.refused = true;
    }
  }
  return true;
}

void EvdevMouseInput::UpdateGrab(Node& node) {
  const bool wanted = canClone_ && !node.refused && SwallowWanted();
  // Grabbing or releasing with a button down would leave it held on one side.
  if (wanted == node.grabbed || !node.filter.idle()) {
    return;
  }
  if (!wanted) {
    kernel_.Grab(node.fd, false);
    node.grabbed = false;
    return;
  }
  if (!node.clone) {
    node.clone = kernel_.CreateClone(node.fd);
  }
  if (!node.clone || kernel_.Grab(node.fd, true) < 0) {
    node.refused = true;
    return;
  }
  // A press that came after the last read reached the desktop already; its
  // release must too.
  std::uint32_t held = 0;
  if (kernel_.HeldButtons(node.fd, held) == 0 && held != 0) {
    kernel_.Grab(node.fd, false);
    return;
  }
  node.grabbed = true;
}

void EvdevMouseInput::CloseNode(Node& node) {
  if (node.grabbed) {
    kernel_.Grab(node.fd, false);
    node.grabbed = false;
  }
  node.clone.reset();
  kernel_.Close(node.fd);
}

bool EvdevMouseInput::SwallowWanted() const {
  return std::any_of(kButtonSlots.begin(), kButtonSlots.end(), [this](const ButtonSlot& slot) {
    return watchList_.IsWatched(slot.hookIdentity);
  });
}

}  // namespace n63k::platform
