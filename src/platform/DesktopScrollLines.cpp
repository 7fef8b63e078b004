#include "platform/DesktopScrollLines.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace n63k {
namespace {

constexpr std::int32_t kMostLines = 100;

bool RunsKde() {
  const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
  return desktop != nullptr && std::string_view(desktop).find("KDE") != std::string_view::npos;
}

// Runs a program found on PATH and waits for it; true when it exited with 0.
bool Run(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    return false;
  }
  int status = 0;
  pid_t waited = 0;
  do {
    waited = waitpid(pid, &status, 0);
  } while (waited < 0 && errno == EINTR);
  return waited == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

void SetDesktopScrollLines(std::int32_t lines) {
  if (lines < 1 || lines > kMostLines || !RunsKde()) {
    return;
  }
  // Plasma 6 and Plasma 5 name their configuration writer differently.
  for (const char* writer : {"kwriteconfig6", "kwriteconfig5"}) {
    if (Run({writer, "--file", "kdeglobals", "--group", "KDE", "--key", "WheelScrollLines",
             std::to_string(lines)})) {
      return;
    }
  }
}

}  // namespace n63k
