#pragma once

#include <string>

namespace n63k {

// What the computer does for a control set to a PC action. Each call returns
// at once; what the started program, handler or sound does later is never
// observed.
class PcActions {
 public:
  virtual ~PcActions() = default;
  // Plays a WAV file without waiting for its end.
  virtual void PlaySound(const std::string& path) = 0;
  // Starts the program at `path`, without arguments.
  virtual void StartProgram(const std::string& path) = 0;
  // Opens a file or folder with the desktop's default handler.
  virtual void OpenWithDefaultHandler(const std::string& path) = 0;
};

}  // namespace n63k
