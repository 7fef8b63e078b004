#pragma once

#include <cstdint>
#include <string>

#include "core/stats/PointerTravel.h"

struct _XDisplay;

namespace n63k {

// The pointer's travel on an X display, in screen pixels: its position read
// on a connection of its own (so the sampling thread shares nothing with the
// windows), compared with the position of the previous reading. The first
// reading is taken when the object is made.
class X11PointerTravel final : public PointerTravel {
 public:
  // An empty name means $DISPLAY. Without a display every travel is 0.
  explicit X11PointerTravel(const std::string& displayName = {});
  ~X11PointerTravel() override;
  X11PointerTravel(const X11PointerTravel&) = delete;
  X11PointerTravel& operator=(const X11PointerTravel&) = delete;

  bool Connected() const { return display_ != nullptr; }
  // Call from one thread at a time.
  std::uint64_t TakeTravel() override;

 private:
  bool ReadPosition(int& x, int& y);

  _XDisplay* display_ = nullptr;
  int lastX_ = 0;
  int lastY_ = 0;
  bool known_ = false;
};

}  // namespace n63k
