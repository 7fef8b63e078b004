#include "core/device/PointerReport.h"

#include <algorithm>

namespace n63k {

std::string_view PointerSettingName(PointerSetting setting) {
  switch (setting) {
    case PointerSetting::kPrecision:
      return "precision";
    case PointerSetting::kSpeed:
      return "speed";
    case PointerSetting::kLines:
      return "lines";
  }
  return "";
}

void PointerReport::Set(PointerSetting setting, std::string target, std::string value) {
  writes.push_back({setting, std::move(target), std::move(value), {}});
}

void PointerReport::Failed(PointerSetting setting, std::string target, std::string value,
                           std::string error) {
  writes.push_back({setting, std::move(target), std::move(value), std::move(error)});
}

void PointerReport::NotApplied(PointerSetting setting, std::string reason) {
  notApplied.push_back({setting, std::move(reason)});
}

bool PointerReport::Applied(PointerSetting setting) const {
  return std::any_of(writes.begin(), writes.end(), [setting](const Write& write) {
    return write.setting == setting && write.error.empty();
  });
}

bool PointerReport::Missed(PointerSetting setting) const {
  return std::any_of(notApplied.begin(), notApplied.end(),
                     [setting](const Shortfall& missed) { return missed.setting == setting; });
}

}  // namespace n63k
