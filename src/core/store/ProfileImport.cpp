#include "core/store/ProfileImport.h"

#include <cstring>
#include <vector>

#include "core/base/Files.h"

namespace n63k {

std::optional<ProfileRecord> ReadImportedProfile(const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes;
  if (ReadFileBytes(path, bytes, sizeof(ProfileRecord)) != FileError::kNone) {
    return std::nullopt;
  }
  ProfileRecord record{};
  std::memcpy(&record, bytes.data(), bytes.size());
  if (bytes.size() < sizeof record.magic || record.magic != kProfileMagic) {
    return std::nullopt;
  }
  return record;
}

}  // namespace n63k
