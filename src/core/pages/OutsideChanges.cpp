#include "core/pages/OutsideChanges.h"

#include <cstddef>
#include <cstring>

namespace n63k {

namespace {

std::span<const std::uint8_t> BytesOf(const ProfileRecord& record) {
  return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

bool Same(const std::vector<std::uint8_t>& a, std::span<const std::uint8_t> b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

OutsideChanges::OutsideChanges(ProfileTable& table, ProfileFiles& profiles, MacroTable& macros,
                               std::filesystem::path macroFile, FileAccess& files)
    : table_(table),
      profiles_(profiles),
      macros_(macros),
      macroFile_(std::move(macroFile)),
      files_(files) {}

std::optional<OutsideChanges::Bytes> OutsideChanges::Read(const std::filesystem::path& path,
                                                          std::size_t size) {
  Bytes bytes;
  // A file that is missing, short or long is nothing the window could take:
  // it is left to the next save, as a damaged file at start-up is.
  if (files_.Read(path, bytes, size + 1) != FileError::kNone || bytes.size() != size) {
    return std::nullopt;
  }
  return bytes;
}

bool OutsideChanges::TableDiffers(const Bytes& a, const ProfileTableEntries& b) const {
  if (a.size() != sizeof b) {
    return true;
  }
  ProfileTableEntries fromFile;
  std::memcpy(&fromFile, a.data(), sizeof fromFile);
  // The file paths are rewritten at every load and never used.
  for (std::size_t i = 0; i < fromFile.size(); ++i) {
    const ProfileTableEntry& x = fromFile[i];
    const ProfileTableEntry& y = b[i];
    if (x.entryMagic != y.entryMagic || x.selected != y.selected ||
        std::memcmp(x.label, y.label, sizeof x.label) != 0 ||
        std::memcmp(x.macroIds, y.macroIds, sizeof x.macroIds) != 0) {
      return true;
    }
  }
  return false;
}

void OutsideChanges::Remember() {
  RememberProfiles();
  knownMacros_ = Read(macroFile_, sizeof(MacroSlots)).value_or(Bytes{});
}

void OutsideChanges::RememberProfiles() {
  knownTable_ = Read(table_.TablePath(), sizeof(ProfileTableEntries)).value_or(Bytes{});
  for (int i = 0; i < kProfileCount; ++i) {
    knownProfiles_[static_cast<std::size_t>(i)] =
        Read(table_.ProfilePath(i), sizeof(ProfileRecord)).value_or(Bytes{});
  }
}

OutsideChanges::Found OutsideChanges::Look() {
  Found found;
  const int current = table_.CurrentIndex();
  const auto currentSlot = static_cast<std::size_t>(current);

  // The window's own profiles against the files as it last knew them.
  const Bytes& knownCurrent = knownProfiles_[currentSlot];
  found.unsavedHere = !Same(knownCurrent, BytesOf(profiles_.Current())) ||
                      TableDiffers(knownTable_, table_.Entries());

  for (int i = 0; i < kProfileCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    std::optional<Bytes> seen = Read(table_.ProfilePath(i), sizeof(ProfileRecord));
    if (!seen || *seen == knownProfiles_[slot]) {
      continue;
    }
    // Another profile is read from its file when it is selected, and the
    // window's own save is what it holds.
    if (i != current || Same(*seen, BytesOf(profiles_.Current()))) {
      knownProfiles_[slot] = std::move(*seen);
    } else {
      found.profiles = true;
    }
  }

  if (std::optional<Bytes> seen = Read(table_.TablePath(), sizeof(ProfileTableEntries));
      seen && *seen != knownTable_) {
    if (!TableDiffers(*seen, table_.Entries())) {
      knownTable_ = std::move(*seen);
    } else {
      found.profiles = true;
    }
  }

  if (std::optional<Bytes> seen = Read(macroFile_, sizeof(MacroSlots));
      seen && *seen != knownMacros_) {
    seenMacros_ = std::move(*seen);
    if (Same(seenMacros_, macros_.Bytes())) {
      knownMacros_ = seenMacros_;
    } else {
      found.macros = true;
    }
  }
  return found;
}

Outcome OutsideChanges::TakeProfiles() {
  Outcome outcome = table_.LoadProfileTable();
  table_.UseCurrentMacroIds();
  RememberProfiles();
  return outcome;
}

void OutsideChanges::TakeMacros() {
  macros_.Fill(seenMacros_);
  knownMacros_ = std::move(seenMacros_);
  seenMacros_.clear();
}

void OutsideChanges::KeepOwnProfiles() {
  RememberProfiles();
}

std::string OutsideChangeQuestion(int profile, bool chineseUi) {
  const std::string number = std::to_string(profile);
  if (chineseUi) {
    return "其他程序（如 n63kctl）修改了配置" + number +
           "。要载入该修改吗？本窗口中尚未应用的更改将会丢失。";
  }
  return "Another program (such as n63kctl) changed the profiles; profile " + number +
         " is shown here. Load that change? The changes made in this window that are not "
         "applied yet will be lost.";
}

std::string_view SavedOverOutsideChangeText(bool chineseUi) {
  return chineseUi
             ? "写入鼠标期间，其他程序修改了已保存的配置。鼠标中的当前配置已保存并覆盖了该修改。"
             : "Another program changed the saved profiles while this window wrote to "
               "the mouse. The profile now on the mouse was saved over that change.";
}

}  // namespace n63k
