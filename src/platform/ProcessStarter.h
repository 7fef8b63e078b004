#pragma once

#include "core/app/Handoffs.h"

namespace n63k {

// Starts the hand-off programs as processes of their own that outlive this
// one.
class ProcessStarter final : public ProgramStarter {
 public:
  bool Start(const std::filesystem::path& program,
             const std::vector<std::string>& arguments) override;
};

}  // namespace n63k
