#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace n63k::test {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs n63kctl inside the test process.
inline CliRun RunInProcess(const std::vector<std::string>& args,
                           cli::DeviceEnvironment environment = {}) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(args, out, err, environment);
  return {status, out.str(), err.str()};
}

// Runs the built n63kctl through the shell, as a user does: `command` follows
// the program's path and may redirect; standard output is captured.
inline CliRun RunBuiltTool(const std::string& command, const std::string& environment = "") {
  const std::string line = environment + " '" + N63KCTL_PATH + "' " + command;
  FILE* pipe = ::popen(line.c_str(), "r");
  if (pipe == nullptr) {
    return {-1, {}, {}};
  }
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    out.append(buffer, n);
  }
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, {}};
}

}  // namespace n63k::test
