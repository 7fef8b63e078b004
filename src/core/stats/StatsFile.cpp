#include "core/stats/StatsFile.h"

#include <string>
#include <vector>

#include "core/base/Backups.h"

namespace n63k {

Outcome LoadStats(const std::filesystem::path& file, FileAccess& files, StatsRecord& record,
                  bool keepDamaged) {
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
  if (keepDamaged) {
    static_cast<void>(KeepBackup(file, EncodeStats(record)));
  }
  const std::string detail =
      bytes.size() < kStatsFileSize
          ? std::to_string(bytes.size()) + " of " + std::to_string(kStatsFileSize) + " bytes"
          : "longer than " + std::to_string(kStatsFileSize) + " bytes";
  return Outcome().Note({FileTask::kLoadStatistics, Problem::kDamaged, file, detail});
}

Outcome SaveStats(const std::filesystem::path& file, FileAccess& files, const StatsRecord& record) {
  const FileError error = files.Write(file, EncodeStats(record));
  if (error != FileError::kNone) {
    return Outcome::Failure(FileNotice(FileTask::kSaveStatistics, file, error));
  }
  return {};
}

}  // namespace n63k
