#include "core/pages/ProfileTransfer.h"

#include "core/store/ProfileImport.h"

namespace n63k {

TransferResult ImportProfile(const std::filesystem::path& path, ProfileRecord& current,
                             FileAccess& files) {
  ImportedProfile imported = ReadImportedProfile(path, files);
  if (!imported.record) {
    std::string detail;
    if (!imported.outcome.notices().empty()) {
      detail = imported.outcome.notices().front().detail;
    }
    return {false, path.string() + " is an invaild Profile!", detail};
  }
  current = *imported.record;
  return {true, path.string() + " import success!", {}};
}

TransferResult ExportProfile(const std::filesystem::path& path, const ProfileRecord& current,
                             FileAccess& files) {
  const FileError error = files.Write(path, RecordBytes(current));
  if (error != FileError::kNone) {
    return {false, path.string() + " export failed!", FileErrorText(error)};
  }
  return {true, path.string() + " export success!", {}};
}

}  // namespace n63k
