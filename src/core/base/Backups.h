#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "core/base/FileAccess.h"

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
                        std::span<const std::uint8_t> replacement, FileAccess& files);

// Whether the file may now be replaced: what it held is kept, or there is
// nothing to keep. Otherwise it must be left as it is.
bool MayReplace(const BackupResult& backup);
// Why no backup could be made, in plain words ("no space left on the disk").
std::string BackupFailureText(const BackupResult& backup);

// A notice for a damaged file that is left as it is because no backup of it
// could be made; `consequence` says what the program does instead.
Notice NoBackupNotice(FileTask task, const std::filesystem::path& file, const BackupResult& backup,
                      std::string_view consequence);

// A damaged file that no save may replace before its backup exists: kept
// when it is found, and tried again before each save for as long as that
// fails (the disk may have room by then).
class BackupGuard {
 public:
  // Keeps `file` as a backup before `replacement` may be saved over it.
  BackupResult Keep(const std::filesystem::path& file, std::span<const std::uint8_t> replacement,
                    FileAccess& files);
  // Before a save of `replacement` over `file`: MayReplace tells whether it
  // may go ahead (kNoFile when no backup is owed).
  BackupResult BeforeSave(const std::filesystem::path& file,
                          std::span<const std::uint8_t> replacement, FileAccess& files);

 private:
  bool owed_ = false;
};

}  // namespace n63k
