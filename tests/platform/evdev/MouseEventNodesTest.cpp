#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/evdev/MouseEventNodes.h"
#include "support/TestFiles.h"

namespace n63k::platform {

void PrintTo(const MouseEventNode& node, std::ostream* out) {
  *out << node.devicePath << " of " << node.parent << (node.wheelNotches ? " wheel" : " hi-res");
}

namespace {

namespace fs = std::filesystem;

// Capability words as the kernel writes them, most significant first.
constexpr char kMouseKeys[] = "1f0000 0 0 0 0";  // BTN_LEFT to BTN_EXTRA
constexpr char kKeyboardKeys[] = "fffffffffffffffe";
constexpr char kWheelMotion[] = "903";  // REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES
constexpr char kHiResMotion[] = "803";  // REL_X, REL_Y, REL_WHEEL_HI_RES

class MouseEventNodesTest : public ::testing::Test {
 protected:
  // A USB device under the fake /sys/devices.
  fs::path UsbDevice(const std::string& path, const std::string& vendor,
                     const std::string& product) {
    const fs::path device = sys() / "devices" / path;
    fs::create_directories(device);
    test::WriteText(device / "idVendor", vendor + "\n");
    test::WriteText(device / "idProduct", product + "\n");
    return device;
  }

  // An event node below `parent` (an interface's HID device or a virtual
  // folder), listed in /sys/class/input as the kernel lists it.
  void EventNode(const fs::path& parent, const std::string& input, const std::string& event,
                 const std::string& keys, const std::string& rel) {
    const fs::path inputDevice = parent / "input" / input;
    fs::create_directories(inputDevice / event);
    fs::create_directories(inputDevice / "capabilities");
    test::WriteText(inputDevice / "capabilities" / "key", keys + "\n");
    test::WriteText(inputDevice / "capabilities" / "rel", rel + "\n");
    fs::create_directories(sys() / "class" / "input");
    fs::create_symlink(inputDevice / event, sys() / "class" / "input" / event);
  }

  fs::path sys() const { return root_ / "sys"; }

  test::TempDir root_;
};

TEST_F(MouseEventNodesTest, GroupsTheMiceNodesThatReportPointerInputByTheirUsbDevice) {
  const fs::path first = UsbDevice("pci0000:00/usb1/1-2", "24ae", "4110");
  EventNode(first / "1-2:1.0" / "0003:24AE:4110.0001", "input10", "event3", kMouseKeys,
            kWheelMotion);
  EventNode(first / "1-2:1.1" / "0003:24AE:4110.0002", "input11", "event4", kKeyboardKeys, "0");
  EventNode(first / "1-2:1.2" / "0003:24AE:4110.0003", "input12", "event12", "0", kHiResMotion);
  const fs::path second = UsbDevice("pci0000:00/usb2/2-1", "24ae", "4110");
  EventNode(second / "2-1:1.0" / "0003:24AE:4110.0004", "input13", "event7", kMouseKeys,
            kWheelMotion);
  const fs::path other = UsbDevice("pci0000:00/usb1/1-3", "046d", "c077");
  EventNode(other / "1-3:1.0" / "0003:046D:C077.0005", "input14", "event6", kMouseKeys,
            kWheelMotion);
  // A uinput device that copies the mouse, as our own clone does.
  EventNode(sys() / "devices" / "virtual", "input30", "event30", kMouseKeys, kWheelMotion);

  const std::string dev = (root_ / "dev").string();
  const std::vector<MouseEventNode> expected = {
      {dev + "/input/event3", fs::canonical(first).string(), true},
      {dev + "/input/event12", fs::canonical(first).string(), false},
      {dev + "/input/event7", fs::canonical(second).string(), true},
  };
  EXPECT_EQ(FindMouseEventNodes(sys(), root_ / "dev"), expected);
}

TEST_F(MouseEventNodesTest, FindsNothingWithoutInputDevices) {
  EXPECT_TRUE(FindMouseEventNodes(sys(), root_ / "dev").empty());
  UsbDevice("pci0000:00/usb1/1-2", "24ae", "4110");
  EXPECT_TRUE(FindMouseEventNodes(sys(), root_ / "dev").empty());
}

}  // namespace
}  // namespace n63k::platform
