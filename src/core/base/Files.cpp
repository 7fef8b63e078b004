#include "core/base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace n63k {
namespace {

FileError FromErrno(int error) {
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

}  // namespace

FileError ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                        std::size_t maxBytes) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return FromErrno(errno);
  }
  out.resize(maxBytes);
  std::size_t done = 0;
  FileError result = FileError::kNone;
  while (done < maxBytes) {
    const ssize_t n = ::read(fd, out.data() + done, maxBytes - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      result = FromErrno(errno);
      break;
    }
    if (n == 0) {
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  out.resize(done);
  return result;
}

FileError WriteFileAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
    return FromErrno(errno);
  }
  std::string temp = path.string() + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    return FromErrno(errno);
  }
  bool ok = ::fchmod(fd, 0644) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return FromErrno(error);
  }
  return FileError::kNone;
}

}  // namespace n63k
