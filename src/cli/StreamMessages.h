#pragma once

#include <ostream>

#include "core/base/UserMessages.h"

namespace n63k::cli {

// Shows each message as a line on a stream. Nobody is there to answer a
// question, so every question is answered Cancel.
class StreamMessages final : public UserMessages {
 public:
  explicit StreamMessages(std::ostream& stream) : stream_(stream) {}
  InfoAnswer InfoBox(const std::string& text, bool hasCancel) override;
  void StandardInfo(const std::string& text) override;
  void CountDown(const std::string& text) override;

 private:
  std::ostream& stream_;
};

}  // namespace n63k::cli
