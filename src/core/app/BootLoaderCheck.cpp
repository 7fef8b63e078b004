#include "core/app/BootLoaderCheck.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace n63k {
namespace {

// sysfs writes four hexadecimal digits and a line feed; anything longer is
// not an identifier.
constexpr std::size_t kIdFileLimit = 16;

bool SameId(const std::filesystem::path& file, std::string_view expected) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return false;
  }
  std::string text(kIdFileLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
    text.pop_back();
  }
  return std::ranges::equal(text, expected, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

bool BootLoaderCheck::Run() {
  for (int scan = 0; scan < kBootLoaderScans; ++scan) {
    if (Present()) {
      return true;
    }
    clock_.SleepMs(kBootLoaderPauseMs);
  }
  return false;
}

bool BootLoaderCheck::Present() const {
  std::error_code error;
  std::filesystem::directory_iterator entries(usbDevices_, error);
  if (error) {
    return false;
  }
  // A device that goes away during the scan ends the folder's listing
  // without an exception.
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::filesystem::path device = entries->path();
    if (SameId(device / "idVendor", kBootLoaderVendorId) &&
        SameId(device / "idProduct", kBootLoaderProductId)) {
      return true;
    }
  }
  return false;
}

}  // namespace n63k
