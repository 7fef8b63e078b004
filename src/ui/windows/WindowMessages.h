#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "core/base/Timers.h"
#include "core/base/UserMessages.h"
#include "core/i18n/TextTable.h"

namespace n63k::ui {

// The messages to the user in the window program: the program's own info
// box, the system's standard box, and the count-down box. Each is modal and
// returns when it has closed.
class WindowMessages final : public UserMessages {
 public:
  WindowMessages(const Localisation& localisation, Timers& timers,
                 std::filesystem::path programFolder, QWidget* parent = nullptr);

  // The window the boxes belong to; messages of the start-up come before it.
  void SetParent(QWidget* parent) { parent_ = parent; }

  InfoAnswer InfoBox(const std::string& text, bool hasCancel) override;
  void StandardInfo(const std::string& text) override;
  void CountDown(const std::string& text) override;

 private:
  const Localisation& localisation_;
  Timers& timers_;
  std::filesystem::path programFolder_;
  QPointer<QWidget> parent_;
};

}  // namespace n63k::ui
