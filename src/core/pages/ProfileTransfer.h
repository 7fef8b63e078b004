#pragma once

#include <filesystem>
#include <string>

#include "core/base/FileAccess.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// What an import or export tells the user: the message the support page
// shows ("... import success!", "... is an invaild Profile!", "... export
// failed!") and, on failure, why in plain words.
struct TransferResult {
  bool ok = false;
  std::string message;
  std::string detail;
};

// Replaces `current` by the profile in `path` only when the file is one
// whole record that passes the start-up's checks; otherwise `current` stays.
TransferResult ImportProfile(const std::filesystem::path& path, ProfileRecord& current,
                             FileAccess& files);

// Writes `current` to `path` whole or not at all.
TransferResult ExportProfile(const std::filesystem::path& path, const ProfileRecord& current,
                             FileAccess& files);

}  // namespace n63k
