#pragma once

#include <string_view>

#include "core/base/Geometry.h"
#include "core/base/Timers.h"

namespace n63k {

// What the progress window follows.
class ProgressObserver {
 public:
  virtual ~ProgressObserver() = default;
  // The bar's position changed: repaint at once.
  virtual void ProgressChanged() = 0;
  // The write is over: the window closes.
  virtual void Closed() = 0;
};

// The keys that could dismiss a dialog.
enum class DialogKey { kEnter, kEscape, kSpace, kAltF4, kOther };

// The window shown while a profile is written to the mouse. The user cannot
// dismiss it; it closes half a second after the write reaches 100 %, so the
// full bar is seen, and at once when the write fails.
class ProgressModel {
 public:
  ProgressModel(Timers& timers, bool chineseUi) : timers_(timers), chineseUi_(chineseUi) {}
  ProgressModel(const ProgressModel&) = delete;
  ProgressModel& operator=(const ProgressModel&) = delete;
  ~ProgressModel();

  void SetObserver(ProgressObserver* observer) { observer_ = observer; }
  void SetChineseUi(bool chineseUi) { chineseUi_ = chineseUi; }

  // A write starts: the window opens with an empty bar.
  void Open();
  // The worker's progress in percent; values outside 0-100 are taken as the
  // nearest end. Nothing changes once the window has closed.
  void SetProgress(int percent);
  // The worker reported a failed step; it sends no more progress.
  void WriteFailed();

  bool IsOpen() const { return open_; }
  int Percent() const { return percent_; }
  std::string_view Text() const;
  // Whether the window takes the key away from its default handling.
  static bool Swallows(DialogKey key) { return key != DialogKey::kOther; }
  // Whether a close that the user asks for (the window manager's close)
  // goes through: never while the write runs.
  bool AcceptsUserClose() const { return !open_; }

  // The window's top-left corner, centred on the work area.
  static Point Position(const Rect& workArea, int width, int height);

 private:
  void Close();

  Timers& timers_;
  bool chineseUi_;
  ProgressObserver* observer_ = nullptr;
  bool open_ = false;
  int percent_ = 0;
  Timers::Id closeTimer_ = 0;
};

}  // namespace n63k
