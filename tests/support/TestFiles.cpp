#include "support/TestFiles.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace n63k::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "n63k-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("mkdtemp failed");
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& path, std::string_view text) {
  WriteBytes(path, {text.begin(), text.end()});
}

std::vector<std::string> RecordingMessages::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown) {
    texts.push_back(s.text);
  }
  return texts;
}

}  // namespace n63k::test
