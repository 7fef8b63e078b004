#include "support/TestFiles.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/base/FolderLock.h"

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

std::map<std::string, std::vector<std::uint8_t>> FolderContents(
    const std::filesystem::path& folder) {
  std::map<std::string, std::vector<std::uint8_t>> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().filename() != FolderLock::kFileName) {
      files[std::filesystem::relative(entry.path(), folder).string()] = ReadBytes(entry.path());
    }
  }
  return files;
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

namespace {

// Sets or clears the immutable attribute; false where that is not possible.
bool SetImmutable(const std::filesystem::path& path, bool on) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

}  // namespace

WriteProtection::WriteProtection(std::filesystem::path path) : path_(std::move(path)) {
  if (::geteuid() == 0) {
    immutable_ = SetImmutable(path_, true);
    active_ = immutable_;
    return;
  }
  std::error_code error;
  saved_ = std::filesystem::status(path_, error).permissions();
  std::filesystem::permissions(path_, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove, error);
  active_ = !error;
}

WriteProtection::~WriteProtection() {
  if (immutable_) {
    SetImmutable(path_, false);
  } else if (active_) {
    std::error_code ignored;
    std::filesystem::permissions(path_, saved_, ignored);
  }
}

std::vector<std::string> RecordingMessages::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown) {
    texts.push_back(s.text);
  }
  return texts;
}

}  // namespace n63k::test
