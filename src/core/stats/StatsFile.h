#pragma once

#include <filesystem>

#include "core/base/Backups.h"
#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/stats/StatsRecord.h"

namespace n63k {

inline constexpr std::string_view kStatsFileName = "Sts.cfg";

// Reads Sts.cfg into `record`, which starts from zeros. A missing file leaves
// zeros and says so; a file of another length than the record's is read as
// far as it goes and reported as damaged, and with a `guard` kept as a
// numbered backup before a save replaces it (null: only reading).
Outcome LoadStats(const std::filesystem::path& file, FileAccess& files, StatsRecord& record,
                  BackupGuard* guard);

// Writes the whole record or nothing; with a `guard` nothing, while the
// damaged file it guards could not be kept yet.
Outcome SaveStats(const std::filesystem::path& file, FileAccess& files, const StatsRecord& record,
                  BackupGuard* guard);

}  // namespace n63k
