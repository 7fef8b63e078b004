#include "core/pages/StatsPage.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/buttons/MouseInput.h"
#include "core/stats/StatsFile.h"

namespace n63k {

using stats_page::Figure;

namespace {

struct LabelPair {
  std::string_view chinese;
  std::string_view other;
};

constexpr std::array<LabelPair, stats_page::kFigureCount> kLabels = {{
    {"左键", "Left button"},
    {"中键", "Middle button"},
    {"右键", "Right button"},
    {"点击总数", "All clicks"},
    {"滚轮前滚", "Wheel forward"},
    {"滚轮后滚", "Wheel backward"},
    {"滚轮总数", "All wheel steps"},
    {"移动距离", "Distance"},
}};

}  // namespace

StatsPage::StatsPage(StatsPageSettings settings) : settings_(std::move(settings)) {
  const Outcome loaded = LoadStats(FilePath(), settings_.files, record_, &guard_);
  settings_.tell(loaded);
  shownDistance_ = record_.distance;
  UpdateLevel();
  distanceTimer_ = settings_.timers.Start(kDistancePeriodMs, [this] {
    if (shownDistance_ != record_.distance) {
      shownDistance_ = record_.distance;
      Notify(StatsPart::kDistance);
    }
  });
  saveTimer_ = settings_.timers.Start(kSavePeriodMs, [this] {
    if (changedSinceSave_) {
      SaveRecord(SaveKind::kTimed);
    }
  });
}

StatsPage::~StatsPage() {
  settings_.timers.Stop(distanceTimer_);
  settings_.timers.Stop(saveTimer_);
}

std::filesystem::path StatsPage::FilePath() const {
  return settings_.dataFolder / kStatsFileName;
}

void StatsPage::CountClick(std::uint32_t identity) {
  switch (identity) {
    case mouse_identity::kLeft:
      ++record_.left;
      break;
    case mouse_identity::kMiddle:
      ++record_.middle;
      break;
    case mouse_identity::kRight:
      ++record_.right;
      break;
    case mouse_identity::kWheelForward:
      ++record_.wheelForward;
      break;
    case mouse_identity::kWheelBackward:
      ++record_.wheelBackward;
      break;
    default:
      return;
  }
  changedSinceSave_ = true;
  shownDistance_ = record_.distance;
  Notify(StatsPart::kFigures);
  UpdateLevel();
}

void StatsPage::AddTravel(std::uint64_t pixels) {
  if (pixels == 0) {
    return;
  }
  // The stored distance wraps at 2^32 like every count.
  record_.distance += static_cast<std::uint32_t>(pixels);
  changedSinceSave_ = true;
}

void StatsPage::PressReset() {
  const char* question = settings_.localisation.chineseUi ? "确定要重置奖杯和统计数据么？"
                                                          : "Do you want to reset trophy data ?";
  if (settings_.messages.InfoBox(question, true) != InfoAnswer::kOk) {
    return;
  }
  record_ = {};
  level_ = 0;
  shownLevel_ = kNoLevelShown;
  shownDistance_ = 0;
  SaveRecord(SaveKind::kAsked);
  Notify(StatsPart::kFigures);
  UpdateLevel();
}

void StatsPage::Save() {
  SaveRecord(SaveKind::kAsked);
}

void StatsPage::SaveRecord(SaveKind kind) {
  Outcome saved;
  settings_.holdData([&] { saved = SaveStats(FilePath(), settings_.files, record_, &guard_); });
  if (saved.ok()) {
    changedSinceSave_ = false;
    timedFailureTold_ = false;
    return;
  }
  // A failing disk is told once, not every five minutes.
  if (kind == SaveKind::kTimed) {
    if (timedFailureTold_) {
      return;
    }
    timedFailureTold_ = true;
  }
  settings_.tell(saved);
}

void StatsPage::UpdateLevel() {
  level_ = std::max(level_, LevelOfRecord(record_));
  if (level_ != shownLevel_) {
    shownLevel_ = level_;
    Notify(StatsPart::kTrophies);
  }
}

void StatsPage::MouseMove(Point point) {
  if (stats_page::kTrophy.Contains(point)) {
    settings_.showHint(stats_page::kTrophyHint);
  }
  if (stats_page::kReset.Contains(point)) {
    settings_.showHint(stats_page::kResetHint);
  }
}

void StatsPage::ReapplyCaptions() {
  Notify(StatsPart::kCaptions);
}

Rect StatsPage::LevelBarRect() const {
  return {stats_page::kLevelBarLeft, stats_page::kLevelBarTop,
          stats_page::kLevelBarLeft + LevelBarWidth(level_), stats_page::kLevelBarBottom};
}

std::string StatsPage::FigureText(Figure figure) const {
  switch (figure) {
    case Figure::kLeft:
      return CountText(record_.left);
    case Figure::kMiddle:
      return CountText(record_.middle);
    case Figure::kRight:
      return CountText(record_.right);
    case Figure::kClicks:
      return CountText(ClickTotal(record_));
    case Figure::kWheelForward:
      return CountText(record_.wheelForward);
    case Figure::kWheelBackward:
      return CountText(record_.wheelBackward);
    case Figure::kWheel:
      return CountText(WheelTotal(record_));
    case Figure::kDistance:
      return DistanceText(shownDistance_);
  }
  return {};
}

Rect StatsPage::FigureRect(Figure figure) const {
  return stats_page::FigureRect(figure, settings_.localisation.startupChineseUi);
}

std::string_view StatsPage::Label(Figure figure) const {
  const LabelPair& pair = kLabels[static_cast<std::size_t>(figure)];
  return settings_.localisation.chineseUi ? pair.chinese : pair.other;
}

void StatsPage::Notify(StatsPart part) {
  if (observer_ != nullptr) {
    observer_->StatsChanged(part);
  }
}

}  // namespace n63k
