// Fuzz target: the bytes of Sts.cfg, loaded by the statistics page; then a
// click counted, the page's figures and trophies shown, and the save that
// the next start reads back.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/base/Clock.h"
#include "core/base/FileAccess.h"
#include "core/base/ManualTimers.h"
#include "core/buttons/MouseInput.h"
#include "core/pages/StatsLayout.h"
#include "core/pages/StatsPage.h"
#include "core/stats/StatsFile.h"
#include "core/stats/StatsRecord.h"
#include "fuzz/FuzzSupport.h"

using namespace n63k;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFolder scratch("stats");
  const std::filesystem::path& folder = scratch.Empty();
  const fuzz::Bytes bytes = fuzz::ToBytes(data, size);
  const std::filesystem::path file = folder / kStatsFileName;
  fuzz::PutFile(file, bytes);

  Localisation localisation;
  localisation.chineseUi = false;
  fuzz::SilentMessages messages;
  VirtualClock clock;
  ManualTimers timers(clock);
  StatsRecord counted;
  {
    StatsPage page(
        {folder, SystemFiles(), messages, localisation, [](const Outcome&) {}, timers, [](int) {}});
    // The page counts on from what the file holds, as far as it goes.
    Check(page.Record() == DecodeStats(bytes));
    Check(page.LitTrophies() >= 1 && page.LitTrophies() <= kTrophyCount);
    page.CountClick(mouse_identity::kLeft);
    page.AddTravel(7);
    for (std::size_t figure = 0; figure < stats_page::kFigureCount; ++figure) {
      static_cast<void>(page.FigureText(static_cast<stats_page::Figure>(figure)));
    }
    const int bar = page.LevelBarRect().Width();
    Check(bar > 0 && bar <= LevelBarWidth(kTopTrophyLevel));
    page.Save();
    counted = page.Record();
  }

  const std::optional<fuzz::Bytes> saved = fuzz::FileBytes(file);
  Check(saved && saved->size() == kStatsFileSize);
  StatsRecord next;
  Check(LoadStats(file, SystemFiles(), next, nullptr).ok());
  Check(next == counted);
  // A damaged file was kept before the save replaced it.
  Check(bytes.size() == kStatsFileSize || fuzz::KeptSomewhere(folder, bytes));
  return 0;
}
