#pragma once

#include <string>

#include "core/app/Handoffs.h"
#include "core/buttons/PcActions.h"

struct ca_context;

namespace n63k {

// PC actions on a Linux desktop, without a shell: sounds through libcanberra
// (the desktop's event-sound library, which plays without blocking), programs
// started directly (a file that cannot run is opened instead), files and
// folders through xdg-open with the path as its one argument. A path is never
// quoted: quotes would become part of the name.
class DesktopPcActions final : public PcActions {
 public:
  explicit DesktopPcActions(ProgramStarter& starter);
  ~DesktopPcActions() override;
  DesktopPcActions(const DesktopPcActions&) = delete;
  DesktopPcActions& operator=(const DesktopPcActions&) = delete;

  void PlaySound(const std::string& path) override;
  void StartProgram(const std::string& path) override;
  void OpenWithDefaultHandler(const std::string& path) override;

 private:
  ProgramStarter& starter_;
  ca_context* sound_ = nullptr;
};

}  // namespace n63k
