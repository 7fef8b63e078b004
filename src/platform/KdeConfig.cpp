#include "platform/KdeConfig.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

extern char** environ;

namespace n63k {
namespace {

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

bool WriteKdeConfig(const std::string& file, const std::string& group, const std::string& key,
                    const std::string& value, bool notify) {
  // Plasma 6 and Plasma 5 name their writer differently.
  for (const char* writer : {"kwriteconfig6", "kwriteconfig5"}) {
    std::vector<std::string> args = {writer, "--file", file, "--group", group, "--key", key};
    if (notify) {
      args.emplace_back("--notify");
    }
    // A negative number would otherwise read as an option.
    args.emplace_back("--");
    args.push_back(value);
    if (Run(std::move(args))) {
      return true;
    }
  }
  return false;
}

}  // namespace n63k
