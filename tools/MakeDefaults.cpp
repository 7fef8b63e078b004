// Writes the default data files of the program folder at build time, from the
// same defaults the program uses, then touches a stamp for the build.
#include <fstream>
#include <iostream>
#include <string_view>

#include "core/app/DefaultDataFiles.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: n63k_make_defaults PROGRAM_DIR STAMP\n";
    return 2;
  }
  const auto failed = n63k::WriteDefaultDataFiles(argv[1], false, n63k::SystemFiles());
  if (failed) {
    std::cerr << "n63k_make_defaults: cannot write " << failed->path.string() << ": "
              << n63k::FileErrorText(failed->error) << '\n';
    return 1;
  }
  std::ofstream(argv[2]) << "defaults written\n";
  return 0;
}
