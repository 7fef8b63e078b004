#include "platform/KdeWaylandPointerSettings.h"

#include <QtCore/QStringList>
#include <QtCore/QVariantMap>
#include <QtDBus/QDBusArgument>
#include <QtDBus/QDBusVariant>
#include <string>
#include <variant>

#include "platform/KdeWheelScrollLines.h"
#include "platform/SessionBus.h"

namespace n63k {
namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

class KWinDevices {
 public:
  KWinDevices(SessionBus& bus, PointerReport& report) : bus_(bus), report_(report) {}

  // The system names of KWin's devices, or the reason there are none.
  std::variant<QStringList, std::string> List() {
    QDBusMessage get =
        QDBusMessage::createMethodCall(kService, kManagerPath, kProperties, QStringLiteral("Get"));
    get << kManagerInterface << QStringLiteral("devicesSysNames");
    const QDBusMessage reply = bus_.Call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
      return "KWin did not list its input devices: " + ErrorText(reply);
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toStringList();
  }

  // Every property of a device; empty when it did not answer.
  QVariantMap Properties(const QString& sysName) {
    QDBusMessage getAll = QDBusMessage::createMethodCall(kService, Path(sysName), kProperties,
                                                         QStringLiteral("GetAll"));
    getAll << kDeviceInterface;
    const QDBusMessage reply = bus_.Call(getAll);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
      return {};
    }
    QVariantMap properties;
    reply.arguments().constFirst().value<QDBusArgument>() >> properties;
    return properties;
  }

  void Set(PointerSetting setting, const QString& sysName, const QString& property,
           const QVariant& value, const std::string& valueText) {
    QDBusMessage set =
        QDBusMessage::createMethodCall(kService, Path(sysName), kProperties, QStringLiteral("Set"));
    set << kDeviceInterface << property << QVariant::fromValue(QDBusVariant(value));
    const QDBusMessage reply = bus_.Call(set);
    const std::string target = "KWin " + sysName.toStdString() + ' ' + property.toStdString();
    if (reply.type() == QDBusMessage::ReplyMessage) {
      report_.Set(setting, target, valueText);
    } else {
      report_.Failed(setting, target, valueText, ErrorText(reply));
    }
  }

 private:
  static QString Path(const QString& sysName) { return kManagerPath + '/' + sysName; }

  SessionBus& bus_;
  PointerReport& report_;
};

// A property that says whether the device can take a value; absent means yes.
bool Offers(const QVariantMap& properties, const QString& name) {
  return properties.value(name, true).toBool();
}

void WriteMouse(KWinDevices& devices, const QString& sysName, const QVariantMap& properties,
                const DesktopPointerValues& values, PointerReport& report) {
  if (values.profile) {
    const bool flat = *values.profile == AccelProfile::kFlat;
    const QString property = flat ? QStringLiteral("pointerAccelerationProfileFlat")
                                  : QStringLiteral("pointerAccelerationProfileAdaptive");
    if (Offers(properties, flat ? QStringLiteral("supportsPointerAccelerationProfileFlat")
                                : QStringLiteral("supportsPointerAccelerationProfileAdaptive"))) {
      devices.Set(PointerSetting::kPrecision, sysName, property, true, "true");
    } else {
      report.Failed(PointerSetting::kPrecision,
                    "KWin " + sysName.toStdString() + ' ' + property.toStdString(), "true",
                    "the device does not offer this profile");
    }
  }
  if (values.acceleration) {
    const std::string text = PointerNumberText(*values.acceleration);
    if (Offers(properties, QStringLiteral("supportsPointerAcceleration"))) {
      devices.Set(PointerSetting::kSpeed, sysName, QStringLiteral("pointerAcceleration"),
                  *values.acceleration, text);
    } else {
      report.Failed(PointerSetting::kSpeed,
                    "KWin " + sysName.toStdString() + " pointerAcceleration", text,
                    "the device has no acceleration");
    }
  }
  if (values.scrollFactor) {
    devices.Set(PointerSetting::kLines, sysName, QStringLiteral("scrollFactor"),
                *values.scrollFactor, PointerNumberText(*values.scrollFactor));
  }
}

void NoteMissed(const DesktopPointerValues& values, const std::string& reason,
                PointerReport& report) {
  if (values.profile) {
    report.NotApplied(PointerSetting::kPrecision, reason);
  }
  if (values.acceleration) {
    report.NotApplied(PointerSetting::kSpeed, reason);
  }
  if (values.scrollFactor) {
    report.NotApplied(PointerSetting::kLines, reason);
  }
}

}  // namespace

void KdeWaylandPointerSettings::Write(const DesktopPointerValues& values, PointerReport& report) {
  SessionBus bus(busAddress_);
  if (!bus.connected()) {
    NoteMissed(values, bus.error(), report);
    return;
  }
  KWinDevices devices(bus, report);
  const auto listed = devices.List();
  if (const auto* reason = std::get_if<std::string>(&listed)) {
    NoteMissed(values, *reason, report);
  } else {
    bool anyMouse = false;
    for (const QString& sysName : std::get<QStringList>(listed)) {
      const QVariantMap properties = devices.Properties(sysName);
      if (!properties.value(QStringLiteral("pointer")).toBool() ||
          properties.value(QStringLiteral("touchpad")).toBool()) {
        continue;
      }
      anyMouse = true;
      WriteMouse(devices, sysName, properties, values, report);
    }
    if (!anyMouse) {
      NoteMissed(values, "KWin lists no mouse", report);
    }
  }
  // KDE applications' own lines only matter once KWin scales the wheel.
  if (values.wheelScrollLines && report.Applied(PointerSetting::kLines)) {
    WriteKdeWheelScrollLines(*values.wheelScrollLines, bus, report);
  }
}

}  // namespace n63k
