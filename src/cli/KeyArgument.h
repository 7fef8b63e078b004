#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace n63k::cli {

// A key that `keys:` accepts: the name the key-combination page shows for it.
struct NamedKey {
  std::string name;
  std::uint32_t virtualKey;
  std::uint8_t usage;
};

// Every key the key-combination page can capture and name, in table order.
std::vector<NamedKey> CombinationKeys();

// The virtual-key code of a key by its name, any case.
std::optional<std::uint32_t> FindCombinationKey(std::string_view name);

}  // namespace n63k::cli
