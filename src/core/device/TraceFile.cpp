#include "core/device/TraceFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace n63k {

TraceFile::~TraceFile() {
  ::close(fd_);
}

std::unique_ptr<TraceFile> TraceFile::Open(const std::filesystem::path& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<TraceFile>(new TraceFile(fd));
}

void TraceFile::Write(std::string_view line) {
  std::string whole(line);
  whole += '\n';
  const std::lock_guard lock(mutex_);
  // One write per line, so lines of two programs tracing into the same file
  // do not interleave.
  const char* next = whole.data();
  std::size_t left = whole.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, next, left);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return;
    }
    next += written;
    left -= static_cast<std::size_t>(written);
  }
}

std::unique_ptr<TraceFile> OpenRequestedTrace(const char* requested, UserMessages& messages,
                                              bool chineseUi) {
  if (requested == nullptr || *requested == '\0') {
    return nullptr;
  }
  std::string error;
  std::unique_ptr<TraceFile> file = TraceFile::Open(requested, error);
  if (!file) {
    messages.InfoBox(chineseUi ? std::string("无法打开跟踪文件 ") + requested + ": " + error +
                                     ". 程序将在不记录跟踪的情况下继续运行."
                               : std::string("The trace file ") + requested +
                                     " cannot be opened: " + error +
                                     ". The program goes on without a trace.",
                     false);
  }
  return file;
}

}  // namespace n63k
