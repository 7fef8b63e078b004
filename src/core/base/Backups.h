#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/base/Files.h"

namespace n63k {

// What became of a backup.
enum class BackupOutcome {
  kWritten,             // `path` is the new backup
  kNoFile,              // nothing to keep: the file is missing
  kSameAsReplacement,   // the file already holds what replaces it
  kSameAsNewestBackup,  // `path`, the newest backup, already holds it
  kUnreadable,          // the file cannot be read (`error` says why); nothing written
  kTooLarge,            // larger than any data file; nothing written
  kWriteFailed,         // the backup could not be written (`error` says why)
};

struct BackupResult {
  BackupOutcome outcome = BackupOutcome::kNoFile;
  std::filesystem::path path;
  FileError error = FileError::kNone;
};

// Keeps a copy of `file` beside it before the caller replaces it with
// `replacement` (defaults, a rebuilt table). Backups are numbered and never
// overwritten: "NAME.bak", then "NAME.bak.2", "NAME.bak.3", ..., one past the
// highest number present; the highest is the newest.
BackupResult KeepBackup(const std::filesystem::path& file,
                        std::span<const std::uint8_t> replacement);

}  // namespace n63k
