#pragma once

#include <linux/input.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace n63k::platform {

// One event node of the mouse that reports pointer input.
struct MouseEventNode {
  std::string devicePath;     // /dev/input/eventN
  std::string parent;         // the USB device it belongs to; nodes of one mouse share it
  bool wheelNotches = false;  // reports REL_WHEEL; otherwise notches come from hi-res units
  bool operator==(const MouseEventNode&) const = default;
};

// The mouse's buttons as a bit set, in the order of kMouseButtonCodes.
inline constexpr std::uint16_t kMouseButtonCodes[] = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE,
                                                      BTN_EXTRA};

// A uinput device that copies the mouse's capabilities and carries on what
// the program does not swallow.
class CloneDevice {
 public:
  virtual ~CloneDevice() = default;
  // Events of one frame, SYN_REPORT last; false when the device refused them.
  virtual bool Write(const input_event* events, std::size_t count) = 0;
};

// The kernel calls of the evdev backend, so that tests can feed recorded
// event streams through pipes. Calls that fail give -errno.
class EvdevKernel {
 public:
  virtual ~EvdevKernel() = default;

  virtual std::vector<MouseEventNode> FindNodes() = 0;
  // Readable when event nodes may have come or gone; -1 when nobody says.
  virtual int HotplugFd() = 0;
  // Takes what made HotplugFd readable; true when an input node came or went.
  virtual bool TakeHotplug() = 0;

  // Read-only and non-blocking.
  virtual int Open(const std::string& devicePath) = 0;
  virtual long Read(int fd, void* buffer, std::size_t size) = 0;
  virtual int Grab(int fd, bool grab) = 0;
  // The buttons held now, as bits of kMouseButtonCodes.
  virtual int HeldButtons(int fd, std::uint32_t& held) = 0;
  virtual void Close(int fd) = 0;

  // Whether this user may create uinput devices at all.
  virtual bool CanCreateClones() = 0;
  // A clone of the open node's device; none when uinput refuses.
  virtual std::unique_ptr<CloneDevice> CreateClone(int fd) = 0;
};

}  // namespace n63k::platform
