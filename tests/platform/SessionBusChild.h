#pragma once

#include <string>
#include <vector>

namespace n63k::test {

// Whether this process is the child that RunUnderSessionBus started.
bool InSessionBusChild();

// Runs the current test once more, in a child process under
// dbus-run-session with `environment` ("NAME=VALUE") added, so that what it
// changes stays in a session of its own. The child's exit status: 0 when the
// test passed there.
int RunUnderSessionBus(const std::vector<std::string>& environment);

}  // namespace n63k::test
