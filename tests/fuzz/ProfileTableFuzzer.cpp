// Fuzz target: the bytes of ConfigInfo.cfg, loaded at start-up beside five
// profile files of every kind (valid, damaged, short, missing); then every
// profile button, a save after a write and the next start-up.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/FileAccess.h"
#include "core/i18n/TextTable.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileTable.h"
#include "core/store/ProfileValidation.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace n63k;
using fuzz::Bytes;
using fuzz::Check;

Bytes Record(bool chinese, std::size_t size, std::uint32_t magic) {
  ProfileRecord record;
  BuildDefaultProfile(record, chinese);
  record.magic = magic;
  const auto bytes = RecordBytes(record);
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

// Profile1 to Profile5: valid, a wrong magic, missing, valid in Chinese, cut short.
std::vector<Bytes> WriteProfiles(const std::filesystem::path& folder) {
  const std::vector<Bytes> profiles = {
      Record(false, sizeof(ProfileRecord), kProfileMagic),
      Record(false, sizeof(ProfileRecord), 0x12345678),
      Record(true, sizeof(ProfileRecord), kProfileMagic),
      Record(false, sizeof(ProfileRecord) / 2, kProfileMagic),
  };
  const int numbers[] = {1, 2, 4, 5};
  for (std::size_t i = 0; i < profiles.size(); ++i) {
    fuzz::PutFile(folder / ("Profile" + std::to_string(numbers[i]) + ".cfg"), profiles[i]);
  }
  return profiles;
}

// What holds after every load and switch: the current profile is one the
// mouse may be sent, and the buttons play the current entry's macros.
void CheckCurrent(const ProfileTable& table, const ProfileFiles& profiles,
                  const ButtonMacroIds& macroIds) {
  const int current = table.CurrentIndex();
  Check(current >= 0 && current < kProfileCount);
  Check(ValidateProfile(RecordBytes(profiles.Current())).valid());
  const ProfileTableEntry& entry = table.Entries()[static_cast<std::size_t>(current)];
  Check(std::equal(macroIds.begin(), macroIds.end(), std::begin(entry.macroIds)));
}

bool SameEntries(const ProfileTableEntries& a, const ProfileTableEntries& b) {
  return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFolder scratch("profile-table");
  const std::filesystem::path& dataFolder = scratch.Empty();
  const std::filesystem::path folder = dataFolder / "Profile";
  std::filesystem::create_directory(folder);
  std::vector<Bytes> originals = WriteProfiles(folder);
  originals.push_back(fuzz::ToBytes(data, size));
  fuzz::PutFile(folder / "ConfigInfo.cfg", originals.back());

  Localisation localisation;
  localisation.chineseUi = false;
  ProfileFiles profiles(dataFolder, localisation, SystemFiles());
  ButtonMacroIds macroIds{};
  ProfileTable table(dataFolder, profiles, macroIds, SystemFiles());
  static_cast<void>(table.LoadProfileTable());
  table.UseCurrentMacroIds();
  CheckCurrent(table, profiles, macroIds);
  for (const Bytes& original : originals) {
    Check(fuzz::KeptSomewhere(folder, original));
  }

  for (int entry = 0; entry < kProfileCount; ++entry) {
    const ProfileSwitch switched = table.SwitchProfile(entry);
    Check(!switched.switched || table.CurrentIndex() == entry);
    CheckCurrent(table, profiles, macroIds);
  }

  Check(table.SaveProfileTable().ok());
  const std::optional<Bytes> saved = fuzz::FileBytes(table.TablePath());
  Check(saved && saved->size() == sizeof(ProfileTableEntries));

  // The next start-up finds what was saved, unless a switch made an entry
  // without the valid mark current: start-up skips such an entry.
  if (table.Entries()[static_cast<std::size_t>(table.CurrentIndex())].entryMagic != kEntryMagic) {
    return 0;
  }
  ProfileFiles nextProfiles(dataFolder, localisation, SystemFiles());
  ButtonMacroIds nextMacroIds{};
  ProfileTable next(dataFolder, nextProfiles, nextMacroIds, SystemFiles());
  static_cast<void>(next.LoadProfileTable());
  next.UseCurrentMacroIds();
  Check(next.CurrentIndex() == table.CurrentIndex());
  Check(SameEntries(next.Entries(), table.Entries()));
  Check(nextMacroIds == macroIds);
  Check(std::memcmp(&nextProfiles.Current(), &profiles.Current(), sizeof(ProfileRecord)) == 0);
  return 0;
}
