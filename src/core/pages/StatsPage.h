#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/base/Backups.h"
#include "core/base/FileAccess.h"
#include "core/base/Geometry.h"
#include "core/base/Timers.h"
#include "core/base/UserMessages.h"
#include "core/i18n/TextTable.h"
#include "core/pages/StatsLayout.h"
#include "core/stats/StatsRecord.h"

namespace n63k {

// What of the statistics page changed, so that its view repaints it.
enum class StatsPart {
  kFigures,   // the counts and their totals, with the distance
  kDistance,  // the distance figure alone
  kTrophies,  // the trophy picture, the lit small trophies and the level bar
  kCaptions,  // the language changed
};

class StatsPageObserver {
 public:
  virtual ~StatsPageObserver() = default;
  virtual void StatsChanged(StatsPart part) = 0;
};

// What the statistics page reads and changes.
struct StatsPageSettings {
  std::filesystem::path dataFolder;
  FileAccess& files;
  UserMessages& messages;
  const Localisation& localisation;
  // Shows the user what a load or save told: the program's TellUser.
  std::function<void(const Outcome&)> tell;
  Timers& timers;
  // Shows a hint number in the main window's status line.
  std::function<void(int)> showHint;
  // Runs a save while other writers (n63kctl) are kept out of the data
  // folder; by default the save simply runs.
  std::function<void(const std::function<void()>& save)> holdData =
      [](const std::function<void()>& save) { save(); };
};

// The statistics page: counts the presses, wheel notches and pointer travel
// the program is told of, keeps them in Sts.cfg, and awards trophy levels.
// The counts are saved when the page ends, when the session ends, after a
// reset, and every five minutes while they change, so that a crash loses
// minutes of counting, not days.
class StatsPage {
 public:
  static constexpr std::uint32_t kDistancePeriodMs = 5'000;
  static constexpr std::uint32_t kSavePeriodMs = 5 * 60 * 1000;

  // Loads Sts.cfg and starts the page's timers.
  explicit StatsPage(StatsPageSettings settings);
  ~StatsPage();
  StatsPage(const StatsPage&) = delete;
  StatsPage& operator=(const StatsPage&) = delete;

  void SetObserver(StatsPageObserver* observer) { observer_ = observer; }

  // A press or notch the input hooks reported, by its mouse input identity;
  // other values change nothing.
  void CountClick(std::uint32_t identity);
  // Pointer travel the sampler measured, in pixels.
  void AddTravel(std::uint64_t pixels);
  // The reset button: asks first.
  void PressReset();
  // Writes Sts.cfg now: at the page's end and the session's.
  void Save();
  // The pointer moved over the page (page pixels).
  void MouseMove(Point point);
  // After a language switch.
  void ReapplyCaptions();

  const StatsRecord& Record() const { return record_; }
  // The highest level reached since the page began or was reset.
  int TrophyLevel() const { return level_; }
  // How many small trophies are lit.
  int LitTrophies() const { return level_ + 1; }
  Rect LevelBarRect() const;
  std::string FigureText(stats_page::Figure figure) const;
  // Where a figure stands: by the installation's language.
  Rect FigureRect(stats_page::Figure figure) const;
  // What stands left of it: in the current language's wording.
  std::string_view Label(stats_page::Figure figure) const;
  const std::string& TrophyCaption() const { return settings_.localisation.texts.Get("str_cups"); }
  const std::string& ResetCaption() const {
    return settings_.localisation.texts.Get("str_resetSts");
  }
  std::filesystem::path FilePath() const;

 private:
  enum class SaveKind { kAsked, kTimed };

  void UpdateLevel();
  void SaveRecord(SaveKind kind);
  void Notify(StatsPart part);

  StatsPageSettings settings_;
  StatsPageObserver* observer_ = nullptr;
  BackupGuard guard_;
  StatsRecord record_;
  int level_ = 0;
  int shownLevel_ = kNoLevelShown;
  std::uint32_t shownDistance_ = 0;
  bool changedSinceSave_ = false;
  bool timedFailureTold_ = false;
  Timers::Id distanceTimer_ = 0;
  Timers::Id saveTimer_ = 0;

  static constexpr int kNoLevelShown = 800;
};

}  // namespace n63k
