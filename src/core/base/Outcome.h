#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace n63k {

// What the program was doing with a data file.
enum class FileTask : std::uint8_t {
  kLoadProfile,
  kWriteDefaultProfile,
  kSaveProfile,
  kImportProfile,
  kLoadProfileTable,
  kSaveProfileTable,
  kLoadMacros,
  kSaveMacros,
  kCreateMacros,
  kDeleteMacro,
  kLoadLanguageNumber,
  kSaveLanguageNumber,
  kProvision,
  kLockDataFolder,
  kLoadStatistics,
  kSaveStatistics,
};

// What went wrong with it.
enum class Problem : std::uint8_t {
  kMissing,       // the file or a folder of its path is not there
  kAccessDenied,  // the system refused it
  kUnreadable,    // there, but not a file that can be read (a folder, a FIFO)
  kDamaged,       // read, but not what the program wrote
  kNoBackup,      // damaged, but left as it is: no backup of it could be made
  kFailed,        // the system failed the operation (disk full, I/O error)
  kInUse,         // a macro that a profile plays
  kBusy,          // another program is writing the data folder
};

// One thing the user is told about a file operation, in the order it
// happened. `detail` says why in plain words (the system's reason, or what is
// damaged).
struct Notice {
  FileTask task;
  Problem problem;
  std::filesystem::path path;
  std::string detail;
};

// The result of a store, macro or language operation: whether it did what was
// asked, and what the user must be told, in order. Operations never show
// messages themselves; their caller hands the outcome to TellUser.
class [[nodiscard]] Outcome {
 public:
  Outcome() = default;
  static Outcome Failure(Notice notice) {
    Outcome outcome;
    outcome.Fail(std::move(notice));
    return outcome;
  }

  // Failed for a reason its caller already knows (a full table): nothing to
  // tell.
  static Outcome Refused() {
    Outcome outcome;
    outcome.failed_ = true;
    return outcome;
  }

  // Something to tell that does not make the operation fail (a missing file
  // replaced by its defaults).
  Outcome& Note(Notice notice) {
    notices_.push_back(std::move(notice));
    return *this;
  }
  Outcome& Fail(Notice notice) {
    failed_ = true;
    return Note(std::move(notice));
  }
  // Appends what another step told; its failure becomes this one's.
  Outcome& Add(Outcome other) {
    failed_ = failed_ || other.failed_;
    for (Notice& notice : other.notices_) {
      notices_.push_back(std::move(notice));
    }
    return *this;
  }

  bool ok() const { return !failed_; }
  const std::vector<Notice>& notices() const { return notices_; }

 private:
  std::vector<Notice> notices_;
  bool failed_ = false;
};

}  // namespace n63k
