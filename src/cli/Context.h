#pragma once

#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/StreamMessages.h"
#include "core/app/ProgramState.h"
#include "core/base/Clock.h"

namespace n63k::cli {

// What every command shares: the output streams, the global options, and the
// program's settings loaded on first use as the window program loads them.
class Context {
 public:
  Context(std::ostream& output, std::ostream& errors)
      : out(output), err(errors), messages_(errors) {}

  std::ostream& out;
  std::ostream& err;
  std::filesystem::path dataFolder;  // empty: the default data folder

  // Provisions and loads the data folder on the first call.
  ProgramState& State();

 private:
  StreamMessages messages_;
  SystemClock clock_;
  std::unique_ptr<ProgramState> state_;
};

}  // namespace n63k::cli
