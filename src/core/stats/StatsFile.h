#pragma once

#include <filesystem>

#include "core/base/FileAccess.h"
#include "core/base/Outcome.h"
#include "core/stats/StatsRecord.h"

namespace n63k {

inline constexpr std::string_view kStatsFileName = "Sts.cfg";

// Reads Sts.cfg into `record`, which starts from zeros. A missing file leaves
// zeros and says so; a file of another length than the record's is read as
// far as it goes and reported as damaged, and with `keepDamaged` kept as a
// numbered backup before a save replaces it.
Outcome LoadStats(const std::filesystem::path& file, FileAccess& files, StatsRecord& record,
                  bool keepDamaged);

// Writes the whole record or nothing.
Outcome SaveStats(const std::filesystem::path& file, FileAccess& files, const StatsRecord& record);

}  // namespace n63k
