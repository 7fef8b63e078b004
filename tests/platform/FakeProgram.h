#pragma once

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "support/TestFiles.h"

namespace n63k::test {

// A program `name` in `dir` that notes each call with its arguments in the
// file "calls" beside it and exits with `status`.
inline void FakeProgram(const TempDir& dir, const std::string& name, int status = 0) {
  const auto path = dir / name;
  std::ofstream(path) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << (dir / "calls").string()
                      << "'\nexit " << status << '\n';
  ::chmod(path.c_str(), 0755);
}

inline std::string Calls(const TempDir& dir) {
  const auto bytes = ReadBytes(dir / "calls");
  return {bytes.begin(), bytes.end()};
}

}  // namespace n63k::test
