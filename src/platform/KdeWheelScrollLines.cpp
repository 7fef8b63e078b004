#include "platform/KdeWheelScrollLines.h"

#include <string>

#include "platform/KdeConfig.h"

namespace n63k {
namespace {

// KGlobalSettings' change type "settings changed" and its category "mouse".
constexpr int kSettingsChanged = 3;
constexpr int kMouseSettings = 0;

}  // namespace

void WriteKdeWheelScrollLines(std::int32_t lines, SessionBus& bus, PointerReport& report) {
  const std::string value = std::to_string(lines);
  const std::string target = "kdeglobals [KDE] WheelScrollLines";
  if (!WriteKdeConfig("kdeglobals", "KDE", "WheelScrollLines", value, true)) {
    report.Failed(PointerSetting::kLines, target, value,
                  "neither kwriteconfig6 nor kwriteconfig5 ran");
    return;
  }
  report.Set(PointerSetting::kLines, target, value);

  const std::string signal = "org.kde.KGlobalSettings.notifyChange";
  const std::string arguments = "3 0";
  if (!bus.connected()) {
    report.Failed(PointerSetting::kLines, signal, arguments, bus.error());
    return;
  }
  QDBusMessage notice = QDBusMessage::createSignal(QStringLiteral("/KGlobalSettings"),
                                                   QStringLiteral("org.kde.KGlobalSettings"),
                                                   QStringLiteral("notifyChange"));
  notice << kSettingsChanged << kMouseSettings;
  if (bus.Send(notice)) {
    report.Set(PointerSetting::kLines, signal, arguments);
  } else {
    report.Failed(PointerSetting::kLines, signal, arguments, "the bus did not take it");
  }
}

}  // namespace n63k
