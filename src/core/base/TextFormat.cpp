#include "core/base/TextFormat.h"

namespace n63k {

std::string FormatText(std::string_view format, std::string_view argument) {
  std::string out;
  out.reserve(format.size() + argument.size());
  bool used = false;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      const char next = format[i + 1];
      if (next == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (next == 's' && !used) {
        out += argument;
        used = true;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

}  // namespace n63k
