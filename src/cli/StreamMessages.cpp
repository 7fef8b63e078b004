#include "cli/StreamMessages.h"

namespace n63k::cli {

InfoAnswer StreamMessages::InfoBox(const std::string& text, bool hasCancel) {
  stream_ << "Tips: " << text << '\n';
  if (hasCancel) {
    stream_ << "(answered Cancel)\n";
    return InfoAnswer::kCancel;
  }
  return InfoAnswer::kOk;
}

void StreamMessages::StandardInfo(const std::string& text) {
  stream_ << "Info: " << text << '\n';
}

void StreamMessages::CountDown(const std::string& text) {
  stream_ << "Tips: " << text << '\n';
}

}  // namespace n63k::cli
