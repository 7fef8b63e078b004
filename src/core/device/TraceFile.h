#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "core/base/UserMessages.h"

namespace n63k {

// A file that trace lines are appended to, from any thread. Each line reaches
// the file as it is written, so a trace survives a crash and can be read while
// the program runs.
class TraceFile {
 public:
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;
  ~TraceFile();

  // Opens `path` for appending, creating it; null with the system's reason in
  // `error` when it cannot.
  static std::unique_ptr<TraceFile> Open(const std::filesystem::path& path, std::string& error);

  // Appends `line` and a line feed. A failing write is dropped: tracing never
  // stops the program.
  void Write(std::string_view line);

 private:
  explicit TraceFile(int fd) : fd_(fd) {}

  std::mutex mutex_;
  int fd_;
};

// The trace file that the environment asks for (N63K_TRACE's value; unset or
// empty: none). When it cannot be opened the user is told once, and the
// program goes on without a trace.
std::unique_ptr<TraceFile> OpenRequestedTrace(const char* requested, UserMessages& messages,
                                              bool chineseUi);

}  // namespace n63k
