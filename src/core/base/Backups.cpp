#include "core/base/Backups.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace n63k {
namespace {

namespace fs = std::filesystem;

// Far above any data file (the macro file, the largest, is about 2 MB).
constexpr std::size_t kMaxBackupBytes = 64u << 20;

// At most `maxBytes` of the file; `longer` when it holds more.
FileError ReadUpTo(FileAccess& files, const fs::path& path, std::vector<std::uint8_t>& bytes,
                   bool& longer) {
  const FileError error = files.Read(path, bytes, kMaxBackupBytes + 1);
  longer = bytes.size() > kMaxBackupBytes;
  return error;
}

// The number of a backup name of `base` ("NAME.bak" is 1, "NAME.bak.N" is N),
// or 0 for any other name.
std::uint64_t BackupNumber(std::string_view name, std::string_view base) {
  if (name.substr(0, base.size()) != base) {
    return 0;
  }
  const std::string_view rest = name.substr(base.size());
  if (rest.empty()) {
    return 1;
  }
  if (rest.size() < 2 || rest[0] != '.' || rest[1] == '0') {
    return 0;
  }
  std::uint64_t number = 0;
  const auto [end, error] = std::from_chars(rest.data() + 1, rest.data() + rest.size(), number);
  return error == std::errc() && end == rest.data() + rest.size() ? number : 0;
}

fs::path BackupPath(const fs::path& file, std::uint64_t number) {
  fs::path backup = file;
  backup += ".bak";
  if (number > 1) {
    backup += '.';
    backup += std::to_string(number);
  }
  return backup;
}

std::uint64_t NewestBackupNumber(const fs::path& file) {
  const std::string base = file.filename().string() + ".bak";
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  std::uint64_t newest = 0;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    newest = std::max(newest, BackupNumber(it->path().filename().string(), base));
  }
  return newest;
}

bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

}  // namespace

BackupResult KeepBackup(const fs::path& file, std::span<const std::uint8_t> replacement,
                        FileAccess& files) {
  std::vector<std::uint8_t> bytes;
  bool longer = false;
  const FileError readError = ReadUpTo(files, file, bytes, longer);
  if (readError == FileError::kNotFound) {
    return {BackupOutcome::kNoFile, {}, readError};
  }
  if (readError != FileError::kNone) {
    return {BackupOutcome::kUnreadable, {}, readError};
  }
  if (longer) {
    return {BackupOutcome::kTooLarge, {}, FileError::kNone};
  }
  if (SameBytes(bytes, replacement)) {
    return {BackupOutcome::kSameAsReplacement, {}, FileError::kNone};
  }
  std::uint64_t number = NewestBackupNumber(file);
  if (number > 0) {
    const fs::path newest = BackupPath(file, number);
    std::vector<std::uint8_t> kept;
    bool keptLonger = false;
    if (ReadUpTo(files, newest, kept, keptLonger) == FileError::kNone && !keptLonger &&
        SameBytes(kept, bytes)) {
      return {BackupOutcome::kSameAsNewestBackup, newest, FileError::kNone};
    }
  }
  // Past anything of that name already there, whatever made it.
  do {
    if (number == std::numeric_limits<std::uint64_t>::max()) {
      return {BackupOutcome::kWriteFailed, {}, FileError::kOther};
    }
    ++number;
  } while (Exists(BackupPath(file, number)));
  const fs::path backup = BackupPath(file, number);
  const FileError writeError = files.Write(backup, bytes);
  if (writeError != FileError::kNone) {
    return {BackupOutcome::kWriteFailed, backup, writeError};
  }
  return {BackupOutcome::kWritten, backup, FileError::kNone};
}

bool MayReplace(const BackupResult& backup) {
  switch (backup.outcome) {
    case BackupOutcome::kWritten:
    case BackupOutcome::kNoFile:
    case BackupOutcome::kSameAsReplacement:
    case BackupOutcome::kSameAsNewestBackup:
      return true;
    case BackupOutcome::kUnreadable:
    case BackupOutcome::kTooLarge:
    case BackupOutcome::kWriteFailed:
      break;
  }
  return false;
}

std::string BackupFailureText(const BackupResult& backup) {
  if (backup.outcome == BackupOutcome::kTooLarge) {
    return "it is larger than " + std::to_string(kMaxBackupBytes >> 20) + " MiB";
  }
  if (backup.outcome == BackupOutcome::kUnreadable) {
    return "it cannot be read: " + FileErrorText(backup.error);
  }
  return FileErrorText(backup.error);
}

Notice NoBackupNotice(FileTask task, const fs::path& file, const BackupResult& backup,
                      std::string_view consequence) {
  std::string detail = BackupFailureText(backup);
  if (!consequence.empty()) {
    detail += "; ";
    detail += consequence;
  }
  return {task, Problem::kNoBackup, file, std::move(detail)};
}

BackupResult BackupGuard::Keep(const fs::path& file, std::span<const std::uint8_t> replacement,
                               FileAccess& files) {
  const BackupResult backup = KeepBackup(file, replacement, files);
  owed_ = !MayReplace(backup);
  return backup;
}

BackupResult BackupGuard::BeforeSave(const fs::path& file,
                                     std::span<const std::uint8_t> replacement, FileAccess& files) {
  if (!owed_) {
    return {};
  }
  return Keep(file, replacement, files);
}

}  // namespace n63k
