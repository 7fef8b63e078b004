#include "platform/DeviceEnvironment.h"

#include <cstdlib>
#include <string_view>

namespace n63k {

bool SimulatedMouseRequested() {
  const char* device = std::getenv("N63K_DEVICE");
  return device != nullptr && std::string_view(device) == "simulated";
}

}  // namespace n63k
