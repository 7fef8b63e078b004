#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace n63k::test {

// Reads and prepares what the pointer settings change on an X display, kept
// apart from the tests because Xlib's macros clash with GoogleTest.
class XProbe {
 public:
  explicit XProbe(const std::string& display);
  ~XProbe();
  XProbe(const XProbe&) = delete;
  XProbe& operator=(const XProbe&) = delete;

  bool connected() const { return display_ != nullptr; }

  struct Acceleration {
    int numerator;
    int denominator;
    int threshold;
  };
  Acceleration PointerAcceleration();

  // The XTEST slave pointer and keyboard every X server has.
  int TestPointer();
  int TestKeyboard();

  // Gives a device the libinput speed property, as libinput devices have it.
  void SetSpeedProperty(int device, float value);
  std::optional<float> SpeedProperty(int device);

  // Byte-list properties such as "libinput Accel Profile Enabled".
  void SetByteProperty(int device, const std::string& name, const std::vector<std::uint8_t>& bytes);
  std::optional<std::vector<std::uint8_t>> ByteProperty(int device, const std::string& name);

  // A further master pointer named `name`; its XTEST pointer, a second slave
  // pointer of the server.
  int AddTestPointer(const std::string& name);

 private:
  int DeviceId(int use);

  _XDisplay* display_;
};

}  // namespace n63k::test
