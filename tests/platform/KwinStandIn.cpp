#include "platform/KwinStandIn.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace n63k::test {
namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kLineTimeoutMs = 5000;

}  // namespace

KwinStandIn::KwinStandIn(const std::vector<std::string>& devices) {
  int in[2];
  int out[2];
  if (::pipe(in) != 0) {
    return;
  }
  if (::pipe(out) != 0) {
    ::close(in[0]);
    ::close(in[1]);
    return;
  }
  std::vector<std::string> args = {"dbus-run-session", "--", KWIN_STANDIN_PATH};
  args.insert(args.end(), devices.begin(), devices.end());
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, in[1]);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const bool spawned =
      posix_spawnp(&pid_, "dbus-run-session", &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  input_ = in[1];
  output_ = out[0];
  if (!spawned) {
    pid_ = -1;
    return;
  }
  std::string line;
  std::string address;
  while (ReadLine(line, kStartTimeoutMs)) {
    if (line.starts_with("address ")) {
      address = line.substr(8);
    } else if (line == "ready") {
      address_ = address;
      break;
    }
  }
}

KwinStandIn::~KwinStandIn() {
  // Closing its input ends the stand-in, and with it the bus.
  if (input_ >= 0) {
    ::close(input_);
  }
  if (pid_ > 0) {
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }
  if (output_ >= 0) {
    ::close(output_);
  }
}

bool KwinStandIn::ReadLine(std::string& line, int timeoutMs) {
  for (;;) {
    const std::size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return true;
    }
    pollfd ready = {output_, POLLIN, 0};
    if (output_ < 0 || ::poll(&ready, 1, timeoutMs) <= 0) {
      return false;
    }
    char buffer[512];
    const ssize_t count = ::read(output_, buffer, sizeof buffer);
    if (count <= 0) {
      return false;
    }
    pending_.append(buffer, static_cast<std::size_t>(count));
  }
}

std::vector<std::string> KwinStandIn::Lines(const std::string& until) {
  std::vector<std::string> lines;
  std::string line;
  while (ReadLine(line, until.empty() ? 0 : kLineTimeoutMs)) {
    lines.push_back(line);
    if (!until.empty() && line == until) {
      break;
    }
  }
  return lines;
}

}  // namespace n63k::test
