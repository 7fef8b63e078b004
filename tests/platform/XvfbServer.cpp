#include "platform/XvfbServer.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

extern char** environ;

namespace n63k::test {

XvfbServer::XvfbServer(const std::string& screen) {
  int fds[2];
  if (::pipe(fds) != 0) {
    return;
  }
  std::string displayFd = std::to_string(fds[1]);
  std::vector<std::string> args = {"Xvfb",     "-displayfd", displayFd, "-nolisten", "tcp",
                                   "-noreset", "-screen",    "0",       screen};
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  const bool spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  if (!spawned) {
    pid_ = -1;
    ::close(fds[0]);
    return;
  }
  // The server writes its display number once it accepts connections.
  std::string number;
  char c = 0;
  while (::read(fds[0], &c, 1) == 1 && c != '\n') {
    number += c;
  }
  ::close(fds[0]);
  if (!number.empty()) {
    display_ = ":" + number;
  }
}

XvfbServer::~XvfbServer() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }
}

}  // namespace n63k::test
