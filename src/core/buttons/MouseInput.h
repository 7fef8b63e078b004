#pragma once

#include <cstdint>
#include <optional>

#include "core/buttons/ButtonSlots.h"

namespace n63k {

// Mouse events as the input hooks take them, numbered as the program's
// settings and the statistics record name them.
namespace mouse_message {
inline constexpr std::uint32_t kMove = 0x200;
inline constexpr std::uint32_t kLeftDown = 0x201;
inline constexpr std::uint32_t kLeftUp = 0x202;
inline constexpr std::uint32_t kRightDown = 0x204;
inline constexpr std::uint32_t kRightUp = 0x205;
inline constexpr std::uint32_t kMiddleDown = 0x207;
inline constexpr std::uint32_t kMiddleUp = 0x208;
inline constexpr std::uint32_t kWheel = 0x20A;
inline constexpr std::uint32_t kExtraDown = 0x20B;
inline constexpr std::uint32_t kExtraUp = 0x20C;
}  // namespace mouse_message

// The extra buttons' numbers in the upper half of an extra-button event's
// data word.
inline constexpr std::uint32_t kBackButtonData = 0x10000;
inline constexpr std::uint32_t kForwardButtonData = 0x20000;

// One press or wheel notch of one control.
namespace mouse_identity {
inline constexpr std::uint32_t kLeft = kButtonSlots[0].hookIdentity;
inline constexpr std::uint32_t kMiddle = kButtonSlots[1].hookIdentity;
inline constexpr std::uint32_t kRight = kButtonSlots[2].hookIdentity;
inline constexpr std::uint32_t kForward = kButtonSlots[3].hookIdentity;
inline constexpr std::uint32_t kBack = kButtonSlots[4].hookIdentity;
inline constexpr std::uint32_t kWheelForward = kButtonSlots[5].hookIdentity;
inline constexpr std::uint32_t kWheelBackward = kButtonSlots[6].hookIdentity;
}  // namespace mouse_identity

static_assert(mouse_identity::kForward == 0x20B + kForwardButtonData);
static_assert(mouse_identity::kBack == 0x20B + kBackButtonData);

// A mouse event: the message and its data word (the extra button's number, or
// the wheel delta as a signed value, both in the upper 16 bits).
struct MouseEvent {
  std::uint32_t message = 0;
  std::uint32_t data = 0;
};

// The identity of a press or notch; none for releases and moves.
std::optional<std::uint32_t> MouseIdentity(const MouseEvent& event);

// The button slot that an identity names, none for an identity of no slot.
std::optional<int> SlotOfIdentity(std::uint32_t identity);

}  // namespace n63k
