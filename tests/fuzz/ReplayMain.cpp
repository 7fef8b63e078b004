// The main of a fuzz target outside libFuzzer: runs the target once on each
// file named and on each file in each folder named, so the suite keeps the
// seeds and the inputs of mended faults working. A missing path, or no input
// at all, fails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <vector>

#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    if (fs::is_directory(path)) {
      for (const auto& entry : fs::directory_iterator(path)) {
        if (entry.is_regular_file()) {
          inputs.push_back(entry.path());
        }
      }
    } else if (fs::is_regular_file(path)) {
      inputs.push_back(path);
    } else {
      std::cerr << path.string() << ": no such file or folder\n";
      return 1;
    }
  }
  if (inputs.empty()) {
    std::cerr << "no inputs to replay\n";
    return 1;
  }
  std::sort(inputs.begin(), inputs.end());
  // libFuzzer never passes a null pointer, not even for an empty input.
  static const std::uint8_t kNothing = 0;
  for (const fs::path& input : inputs) {
    std::cout << input.string() << std::endl;
    const n63k::fuzz::Bytes bytes = n63k::fuzz::FileBytes(input).value();
    LLVMFuzzerTestOneInput(bytes.empty() ? &kNothing : bytes.data(), bytes.size());
  }
  std::cout << inputs.size() << " inputs replayed\n";
  return 0;
}
