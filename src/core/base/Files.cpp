#include "core/base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>
#include <system_error>

namespace n63k {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr std::size_t kTemporarySuffix = 6;  // the XXXXXX of mkostemp
// What our temporary files carry before the XXXXXX, so that the clean-up
// tells them from a user's own "Macro.cfg.backup".
constexpr std::string_view kTemporaryMark = ".n63k-";

ssize_t ReadRetrying(int fd, std::uint8_t* data, std::size_t size) {
  ssize_t n = 0;
  do {
    n = ::read(fd, data, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The buffer starts at the size the file has now; a file that grew since is
// read on in small pieces, one byte past the cap telling that it is longer.
FileError ReadOpenFile(int fd, std::vector<std::uint8_t>& out, std::size_t maxBytes, bool& longer) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return FileErrorOf(errno);
  }
  if (!S_ISREG(info.st_mode)) {
    return FileError::kNotRegular;
  }
  const auto expected = static_cast<std::size_t>(
      std::min<std::uintmax_t>(static_cast<std::uintmax_t>(info.st_size), maxBytes));
  // Storage even for an empty file: callers copy `size()` bytes from `data()`.
  out.reserve(std::max<std::size_t>(expected, 1));
  out.resize(expected);
  std::size_t done = 0;
  std::array<std::uint8_t, 4096> piece{};
  for (;;) {
    if (done < out.size()) {
      const ssize_t n = ReadRetrying(fd, out.data() + done, out.size() - done);
      if (n < 0) {
        return FileErrorOf(errno);
      }
      if (n == 0) {
        break;
      }
      done += static_cast<std::size_t>(n);
      continue;
    }
    const std::size_t room = maxBytes - done;
    const ssize_t n = ReadRetrying(fd, piece.data(), room < piece.size() ? room + 1 : piece.size());
    if (n < 0) {
      return FileErrorOf(errno);
    }
    if (n == 0) {
      break;
    }
    const std::size_t kept = std::min(static_cast<std::size_t>(n), room);
    out.insert(out.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(kept));
    done += kept;
    if (static_cast<std::size_t>(n) > room) {
      longer = true;
      break;
    }
  }
  out.resize(done);
  return FileError::kNone;
}

bool IsTemplateCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsDataName(std::string_view name, std::span<const std::string> dataNames) {
  return std::find(dataNames.begin(), dataNames.end(), name) != dataNames.end();
}

// "NAME.n63k-XXXXXX", or "NAME.XXXXXX" as earlier versions named them. Of
// the latter, six lower-case letters are far likelier a word the user chose
// ("backup") than what mkostemp made, so such a name is left alone.
bool IsTemporaryName(std::string_view name, std::span<const std::string> dataNames) {
  if (name.size() < kTemporarySuffix + 2) {
    return false;
  }
  const std::string_view suffix = name.substr(name.size() - kTemporarySuffix);
  if (!std::all_of(suffix.begin(), suffix.end(), IsTemplateCharacter)) {
    return false;
  }
  const std::string_view rest = name.substr(0, name.size() - kTemporarySuffix);
  if (rest.size() > kTemporaryMark.size() && rest.ends_with(kTemporaryMark)) {
    return IsDataName(rest.substr(0, rest.size() - kTemporaryMark.size()), dataNames);
  }
  const bool word =
      std::all_of(suffix.begin(), suffix.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  return !word && rest.ends_with('.') && IsDataName(rest.substr(0, rest.size() - 1), dataNames);
}

}  // namespace

FileError FinalTarget(const fs::path& path, fs::path& target) {
  target = path;
  for (int hops = 0; hops < kMaxLinkHops; ++hops) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return FileError::kNone;
    }
    std::error_code error;
    const fs::path next = fs::read_symlink(target, error);
    if (error) {
      return FileErrorOf(error.value());
    }
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return FileError::kOther;
}

FileError FileErrorOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError::kNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileError::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return FileError::kNoSpace;
    case EIO:
      return FileError::kIoError;
    default:
      return FileError::kOther;
  }
}

FileError ReadFileBytes(const fs::path& path, std::vector<std::uint8_t>& out,
                        std::size_t maxBytes) {
  bool longer = false;
  return ReadFileBytes(path, out, maxBytes, longer);
}

FileError ReadFileBytes(const fs::path& path, std::vector<std::uint8_t>& out, std::size_t maxBytes,
                        bool& longer) {
  out.clear();
  longer = false;
  // Non-blocking, so that a FIFO or a device answers at once instead of
  // waiting in open() for a writer; fstat then refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return FileErrorOf(errno);
  }
  const FileError result = ReadOpenFile(fd, out, maxBytes, longer);
  ::close(fd);
  if (result != FileError::kNone) {
    out.clear();
    longer = false;
  }
  return result;
}

std::uint64_t FileSizeAtLeast(const fs::path& path, std::uint64_t read) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || info.st_size < 0) {
    return read;
  }
  return std::max(read, static_cast<std::uint64_t>(info.st_size));
}

FileError WriteFileAtomic(const fs::path& path, std::span<const std::uint8_t> bytes) {
  fs::path target;
  if (const FileError error = FinalTarget(path, target); error != FileError::kNone) {
    return error;
  }
  mode_t mode = 0644;
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) {
      return FileError::kNotRegular;
    }
    if (::access(target.c_str(), W_OK) != 0) {
      return FileErrorOf(errno);
    }
    mode = info.st_mode & 07777;
  }
  // Beside the target, so the rename stays within one file system.
  std::string temp = target.string() + std::string(kTemporaryMark) + "XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    return FileErrorOf(errno);
  }
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return FileErrorOf(error);
  }
  return FileError::kNone;
}

int RemoveStaleTemporaryFiles(const fs::path& folder, std::span<const std::string> names) {
  int removed = 0;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::directory_entry& entry = *it;
    std::error_code entryError;
    // mkostemp makes plain files; a link or folder of that name is not ours.
    if (entry.symlink_status(entryError).type() == fs::file_type::regular &&
        IsTemporaryName(entry.path().filename().string(), names) &&
        fs::remove(entry.path(), entryError)) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace n63k
