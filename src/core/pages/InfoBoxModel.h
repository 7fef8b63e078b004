#pragma once

#include <optional>
#include <string>

#include "core/base/Geometry.h"
#include "core/base/Timers.h"
#include "core/base/UserMessages.h"
#include "core/pages/SkinFiles.h"

namespace n63k {

// What the info box's window follows.
class InfoBoxObserver {
 public:
  virtual ~InfoBoxObserver() = default;
  // The OK button's caption changed (the count-down).
  virtual void OkCaptionChanged() = 0;
  // The box has its answer: the window closes.
  virtual void Ended(InfoAnswer answer) = 0;
};

// One info box: the program's own message box, either informing or asking
// (with Cancel), or counting down five seconds in the screen's corner and
// then closing itself as Cancel. Nothing of it outlives the box.
class InfoBoxModel {
 public:
  enum class Mode { kModal, kCountDown };

  InfoBoxModel(std::string text, bool hasCancel, Mode mode, bool chineseUi, Timers& timers);
  InfoBoxModel(const InfoBoxModel&) = delete;
  InfoBoxModel& operator=(const InfoBoxModel&) = delete;
  ~InfoBoxModel();

  void SetObserver(InfoBoxObserver* observer) { observer_ = observer; }

  // The box is on the screen: the count-down starts.
  void Open();
  void PressOk() { End(InfoAnswer::kOk); }
  void PressCancel() { End(InfoAnswer::kCancel); }
  void PressClose() { End(InfoAnswer::kCancel); }
  // The window is closed in any other way (the window manager's close).
  void CloseWindow() { End(InfoAnswer::kCancel); }

  const std::string& Text() const { return text_; }
  bool HasCancel() const { return hasCancel_; }
  Mode GetMode() const { return mode_; }
  // Seconds the count-down still shows; 0 outside the count-down.
  int Remaining() const { return remaining_; }
  // The answer once the box has ended.
  std::optional<InfoAnswer> Answer() const { return answer_; }

  std::string Title() const;
  const std::string& OkCaption() const { return okCaption_; }
  std::string CancelCaption() const;
  // The close button has no caption; screen readers say this.
  std::string CloseName() const;
  // The OK button moves left to make room for Cancel.
  Rect OkButton() const;
  // The box's three pictures, with or without the Cancel button.
  const skin_files::BoxLooks& Looks() const;

  // The box's top-left corner on a screen whose work area is `workArea`:
  // centred, or in the bottom-right corner while counting down.
  Point Position(const Rect& workArea) const;

 private:
  void Tick();
  void SetCountDownCaption(int seconds);
  void End(InfoAnswer answer);

  std::string text_;
  bool hasCancel_;
  Mode mode_;
  bool chineseUi_;
  Timers& timers_;
  InfoBoxObserver* observer_ = nullptr;
  std::string okCaption_;
  int remaining_ = 0;
  Timers::Id timer_ = 0;
  std::optional<InfoAnswer> answer_;
};

}  // namespace n63k
