#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/base/Clock.h"
#include "core/base/Files.h"

namespace n63k {

// One writer at a time on a data folder: an advisory lock on a file inside it,
// held for the life of the object. Every program that loads, changes and
// saves the folder's files takes it first, so two writers never interleave.
// The lock belongs to its open file, so taking it twice, even in one process,
// makes the second wait.
class FolderLock {
 public:
  static constexpr std::string_view kFileName = ".n63k.lock";
  static constexpr std::uint32_t kWaitMs = 2000;
  static constexpr std::uint32_t kPollMs = 20;

  enum class Status {
    kHeld,
    kBusy,    // another writer kept it for the whole wait
    kFailed,  // the lock file could not be opened or locked; `error()` says why
  };

  // Takes the lock, creating the lock file (0644) when it is missing. While
  // another writer holds it, tries again every kPollMs on `clock` until
  // `waitMs` have passed.
  FolderLock(const std::filesystem::path& folder, Clock& clock, std::uint32_t waitMs = kWaitMs);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  Status status() const { return status_; }
  bool held() const { return status_ == Status::kHeld; }
  FileError error() const { return error_; }

 private:
  int fd_ = -1;
  Status status_ = Status::kFailed;
  FileError error_ = FileError::kNone;
};

}  // namespace n63k
