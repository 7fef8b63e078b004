#include "core/buttons/MouseInput.h"

namespace n63k {

std::optional<std::uint32_t> MouseIdentity(const MouseEvent& event) {
  switch (event.message) {
    case mouse_message::kLeftDown:
    case mouse_message::kRightDown:
    case mouse_message::kMiddleDown:
      return event.message;
    case mouse_message::kWheel: {
      const auto delta = static_cast<std::int16_t>(event.data >> 16);
      return delta >= 0 ? mouse_identity::kWheelForward : mouse_identity::kWheelBackward;
    }
    case mouse_message::kExtraDown:
      return event.message + event.data;
    default:
      return std::nullopt;
  }
}

std::optional<int> SlotOfIdentity(std::uint32_t identity) {
  for (std::size_t slot = 0; slot < kButtonSlots.size(); ++slot) {
    if (kButtonSlots[slot].hookIdentity == identity) {
      return static_cast<int>(slot);
    }
  }
  return std::nullopt;
}

}  // namespace n63k
