#pragma once

#include <string_view>

namespace n63k {

// What the system says about a HID device node's parents. Empty when it does
// not say.
struct HidNodeProperties {
  std::string_view hidId;       // the hid parent's HID_ID: "BUS:VENDOR:PRODUCT" in hexadecimal
  std::string_view usbVendor;   // the usb_device parent's idVendor
  std::string_view usbProduct;  // the usb_device parent's idProduct
};

// True when the node belongs to the mouse: by the hid parent's identity when
// there is one, else by the USB device's.
bool IsMouseNode(const HidNodeProperties& properties);

}  // namespace n63k
