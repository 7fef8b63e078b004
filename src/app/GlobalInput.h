#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/app/Handoffs.h"
#include "core/app/InputNotice.h"
#include "core/app/ProgramState.h"
#include "core/buttons/InputHooks.h"
#include "core/pages/PageHooks.h"
#include "core/pages/PcActionHandler.h"
#include "platform/DesktopPcActions.h"
#include "platform/X11MouseInput.h"
#include "platform/evdev/EvdevMouseInput.h"
#include "ui/KeyCaptureFilter.h"
#include "ui/QueuedInputReceiver.h"

namespace n63k::app {

// The program's global input: the one set of input hooks, the main window's
// receiver of their reports, the PC actions, key capture from our own
// windows, and the backend that feeds the hooks the mouse's presses.
//
// Backends: the mouse's own event nodes on every session; on an X11 session
// the X11 fallback instead when the nodes cannot be read or no clone can be
// made to swallow presses (never through Xwayland, which sees only X
// windows' input); otherwise the nodes as far as they go, or nothing.
class GlobalInput {
 public:
  GlobalInput(ProgramState& state, ProgramStarter& starter, PageHooks& pages);

  // What the capturing pages (key combination, macro recorder) switch.
  InputHooks& hooks() { return hooks_; }

  // The main window takes the reports, clicks are reported, and the backend
  // starts: at start-up and when the mouse is back. The notice to show, if
  // one is due.
  std::string Install(bool chineseUi);
  // The backends stop: when the mouse is gone, and at the end.
  void Remove();
  // A write to the mouse changed the watch list; the notice to show, if due.
  std::string WatchListChanged(bool chineseUi);

 private:
  bool StartX11();

  MouseWatchList& watchList_;
  InputHooks hooks_;
  DesktopPcActions actions_;
  PcActionHandler handler_;
  ui::QueuedInputReceiver receiver_;
  ui::KeyCaptureFilter keyCapture_;
  std::unique_ptr<platform::EvdevMouseInput> evdev_;
  std::unique_ptr<X11MouseInput> x11_;
  std::optional<InputNotice> notice_;
};

}  // namespace n63k::app
