#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/app/TellUser.h"
#include "core/base/ManualTimers.h"
#include "core/pages/MacroPageModel.h"
#include "core/store/ButtonMacroIds.h"
#include "core/store/ProfileFiles.h"
#include "support/TestFiles.h"

namespace n63k::test {

// Everything the macro page works on, in a temporary data folder whose macro
// file exists (as after the start-up, so saves tell nothing), English texts
// and a virtual clock starting at `start`.
struct MacroPageWorld {
  class Nobody final : public InputReceiver {
   public:
    void CapturedInput(std::uint32_t, std::uint32_t) override {}
    void PcAction(std::uint32_t) override {}
  };

  explicit MacroPageWorld(std::uint32_t start) : clock(start) {
    localisation.chineseUi = false;
    localisation.texts.Set("str_new_macro", "New macro");
    EXPECT_TRUE(store.SaveMacroTable().ok());
    hooks.SetMainWindow(&mainWindow);
  }

  MacroPageSettings Settings() {
    return MacroPageSettings{
        .table = table,
        .store = store,
        .profiles = profileTable,
        .current = current,
        .localisation = localisation,
        .messages = messages,
        .tell = [this](const Outcome& outcome) { TellUser(outcome, messages, localisation); },
        .timers = timers,
        .clock = clock,
        .hooks = hooks,
        .showHint = [this](int hint) { hints.push_back(hint); },
    };
  }

  TempDir dir;
  VirtualClock clock;
  ManualTimers timers{clock};
  MacroTable table;
  FileAccess& files = SystemFiles();
  MacroStore store{dir.path(), table, files, clock};
  Localisation localisation;
  ProfileFiles profileFiles{dir.path(), localisation, files};
  ButtonMacroIds macroIds{};
  ProfileTable profileTable{dir.path(), profileFiles, macroIds, files};
  ProfileRecord current{};
  RecordingMessages messages;
  MouseWatchList watchList;
  InputHooks hooks{watchList};
  Nobody mainWindow;
  std::vector<int> hints;
};

}  // namespace n63k::test
