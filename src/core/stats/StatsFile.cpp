#include "core/stats/StatsFile.h"

#include <string>
#include <vector>

namespace n63k {

Outcome LoadStats(const std::filesystem::path& file, FileAccess& files, StatsRecord& record,
                  BackupGuard* guard) {
  record = {};
  std::vector<std::uint8_t> bytes;
  // One byte more than the record, so that a long file is seen.
  const FileError error = files.Read(file, bytes, kStatsFileSize + 1);
  if (error != FileError::kNone) {
    return Outcome().Note(FileNotice(FileTask::kLoadStatistics, file, error));
  }
  record = DecodeStats(bytes);
  if (bytes.size() == kStatsFileSize) {
    return {};
  }
  const std::string detail =
      bytes.size() < kStatsFileSize
          ? std::to_string(bytes.size()) + " of " + std::to_string(kStatsFileSize) + " bytes"
          : std::to_string(FileSizeAtLeast(file, bytes.size())) + " bytes, expected " +
                std::to_string(kStatsFileSize);
  if (guard != nullptr) {
    const BackupResult backup = guard->Keep(file, EncodeStats(record), files);
    if (!MayReplace(backup)) {
      return Outcome().Note(
          NoBackupNotice(FileTask::kLoadStatistics, file, backup,
                         detail + "; the counts are not saved until a backup can be made"));
    }
  }
  return Outcome().Note({FileTask::kLoadStatistics, Problem::kDamaged, file, detail});
}

Outcome SaveStats(const std::filesystem::path& file, FileAccess& files, const StatsRecord& record,
                  BackupGuard* guard) {
  if (guard != nullptr) {
    const BackupResult backup = guard->BeforeSave(file, EncodeStats(record), files);
    if (!MayReplace(backup)) {
      return Outcome::Failure(
          NoBackupNotice(FileTask::kSaveStatistics, file, backup, "the counts are not saved"));
    }
  }
  const FileError error = files.Write(file, EncodeStats(record));
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kSaveStatistics, file, error));
  }
  return {};
}

}  // namespace n63k
