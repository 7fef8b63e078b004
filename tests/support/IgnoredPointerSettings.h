#pragma once

#include "core/device/PointerSettings.h"

namespace n63k::test {

// Takes the pointer settings and changes nothing on the desktop running the
// tests; a trace still shows them.
class IgnoredPointerSettings final : public PointerSettings {
 public:
  void Apply(const PointerValues&) override {}
};

}  // namespace n63k::test
