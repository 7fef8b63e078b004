#include "core/base/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace n63k {

FolderLock::FolderLock(const std::filesystem::path& folder, Clock& clock, std::uint32_t waitMs) {
  const std::filesystem::path path = folder / kFileName;
  // Never through a link or into a FIFO: the lock file is ours alone.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    error_ = FileErrorOf(errno);
    return;
  }
  struct stat info {};
  const bool statted = ::fstat(fd_, &info) == 0;
  if (!statted || !S_ISREG(info.st_mode)) {
    error_ = statted ? FileError::kNotRegular : FileErrorOf(errno);
    ::close(fd_);
    fd_ = -1;
    return;
  }
  const std::uint64_t start = clock.NowMs();
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      status_ = Status::kHeld;
      return;
    }
    if (errno == EINTR) {
      continue;
    }
    if (errno != EWOULDBLOCK) {
      error_ = FileErrorOf(errno);
      break;
    }
    const std::uint64_t waited = clock.NowMs() - start;
    if (waited >= waitMs) {
      status_ = Status::kBusy;
      break;
    }
    clock.SleepMs(static_cast<std::uint32_t>(std::min<std::uint64_t>(kPollMs, waitMs - waited)));
  }
  ::close(fd_);
  fd_ = -1;
}

FolderLock::~FolderLock() {
  // Closing the only descriptor of the open file releases the lock.
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

}  // namespace n63k
