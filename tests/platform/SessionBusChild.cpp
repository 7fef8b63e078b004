#include "platform/SessionBusChild.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace n63k::test {
namespace {

constexpr char kChildVariable[] = "N63K_SESSION_BUS_CHILD";

}  // namespace

bool InSessionBusChild() {
  return std::getenv(kChildVariable) != nullptr;
}

int RunUnderSessionBus(const std::vector<std::string>& environment) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  // Read here: in the child the link names dbus-run-session.
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::vector<std::string> args = {
      "dbus-run-session", "--", self,
      std::string("--gtest_filter=") + test->test_suite_name() + '.' + test->name()};
  std::vector<std::string> variables = environment;
  variables.push_back(std::string(kChildVariable) + "=1");
  for (char** variable = environ; *variable != nullptr; ++variable) {
    variables.emplace_back(*variable);
  }
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& variable : variables) {
    envp.push_back(variable.data());
  }
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
    return -1;
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      return -1;
    }
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace n63k::test
