#pragma once

#include <string>

namespace n63k {

// The answer of an info box: OK, or Cancel (also the close button).
enum class InfoAnswer { kOk = 1, kCancel = 2 };

// Every message that core shows the user goes through here; the window, the
// command-line tool and the tests each answer it in their own way.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // The program's own message box; with `hasCancel` it asks a question.
  virtual InfoAnswer InfoBox(const std::string& text, bool hasCancel) = 0;
  // The system's standard message box with caption "Info" and an OK button.
  virtual void StandardInfo(const std::string& text) = 0;
  // The info box in count-down mode, closing itself after about six seconds.
  virtual void CountDown(const std::string& text) = 0;
};

}  // namespace n63k
