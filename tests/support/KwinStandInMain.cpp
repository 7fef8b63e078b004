// A stand-in for KWin's input devices, for the tests, on the session bus it
// is started on (dbus-run-session). It owns org.kde.KWin, offers the device
// manager and one device object per argument, prints each property set and
// each KGlobalSettings notice on standard output, and ends when standard
// input closes.
//
// Arguments: [--anonymous] SYSNAME:KIND[:noflat|:refuse]...; --anonymous:
// the stand-in takes no name, a bus without KWin. KIND mouse, touchpad or
// keyboard; noflat: the device offers no flat profile; refuse: every set
// fails. Output: "address ADDRESS", "ready", then "set SYSNAME PROPERTY TYPE
// VALUE" and "signal notifyChange TYPE ARG" lines.

#include <unistd.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLocale>
#include <QtCore/QMap>
#include <QtCore/QSocketNotifier>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusVariant>
#include <QtDBus/QDBusVirtualObject>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");

void Print(const QString& line) {
  std::printf("%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

QString Text(const QVariant& value) {
  if (value.typeId() == QMetaType::Double) {
    return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
  }
  return value.toString();
}

struct Device {
  QVariantMap properties;
  bool refuse = false;
};

class InputDevices final : public QDBusVirtualObject {
 public:
  explicit InputDevices(const QStringList& deviceArgs) {
    for (const QString& deviceArg : deviceArgs) {
      const QStringList parts = deviceArg.split(':');
      Device device;
      const QString kind = parts.value(1);
      device.properties = {
          {QStringLiteral("sysName"), parts.value(0)},
          {QStringLiteral("name"), QStringLiteral("Stand-in ") + kind},
          {QStringLiteral("pointer"), kind != QStringLiteral("keyboard")},
          {QStringLiteral("keyboard"), kind == QStringLiteral("keyboard")},
          {QStringLiteral("touchpad"), kind == QStringLiteral("touchpad")},
          {QStringLiteral("supportsPointerAcceleration"), kind != QStringLiteral("keyboard")},
          {QStringLiteral("supportsPointerAccelerationProfileFlat"),
           !parts.contains(QStringLiteral("noflat"))},
          {QStringLiteral("supportsPointerAccelerationProfileAdaptive"), true},
          {QStringLiteral("pointerAcceleration"), 0.0},
          {QStringLiteral("pointerAccelerationProfileFlat"), false},
          {QStringLiteral("pointerAccelerationProfileAdaptive"), true},
          {QStringLiteral("scrollFactor"), 1.0},
      };
      device.refuse = parts.contains(QStringLiteral("refuse"));
      names_.append(parts.value(0));
      devices_.insert(parts.value(0), device);
    }
  }

  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.interface() != QStringLiteral("org.freedesktop.DBus.Properties")) {
      return false;
    }
    const QList<QVariant> args = message.arguments();
    if (message.path() == kManagerPath) {
      if (message.member() == QStringLiteral("Get") &&
          args.value(1).toString() == QStringLiteral("devicesSysNames")) {
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(names_))));
        return true;
      }
      return false;
    }
    const QString sysName = message.path().mid(kManagerPath.size() + 1);
    auto device = devices_.find(sysName);
    if (device == devices_.end()) {
      return false;
    }
    if (message.member() == QStringLiteral("GetAll")) {
      connection.send(message.createReply(QVariant::fromValue(device->properties)));
    } else if (message.member() == QStringLiteral("Get")) {
      connection.send(message.createReply(
          QVariant::fromValue(QDBusVariant(device->properties.value(args.value(1).toString())))));
    } else if (message.member() == QStringLiteral("Set")) {
      const QString property = args.value(1).toString();
      const QVariant value = args.value(2).value<QDBusVariant>().variant();
      if (device->refuse) {
        connection.send(message.createErrorReply(QStringLiteral("org.kde.KWin.Error"),
                                                 QStringLiteral("refused")));
        return true;
      }
      device->properties.insert(property, value);
      Print(QStringLiteral("set %1 %2 %3 %4")
                .arg(sysName, property, QString::fromLatin1(value.typeName()), Text(value)));
      connection.send(message.createReply());
    } else {
      return false;
    }
    return true;
  }

 private:
  QStringList names_;
  QMap<QString, Device> devices_;
};

class Notices final : public QObject {
  Q_OBJECT
 public slots:
  void NotifyChange(int type, int arg) {
    Print(QStringLiteral("signal notifyChange %1 %2").arg(type).arg(arg));
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList deviceArgs = app.arguments();
  deviceArgs.removeFirst();
  const bool anonymous = deviceArgs.removeAll(QStringLiteral("--anonymous")) > 0;
  InputDevices devices(deviceArgs);
  Notices notices;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerVirtualObject(kManagerPath, &devices, QDBusConnection::SubPath) ||
      !bus.connect(QString(), QStringLiteral("/KGlobalSettings"),
                   QStringLiteral("org.kde.KGlobalSettings"), QStringLiteral("notifyChange"),
                   &notices, SLOT(NotifyChange(int, int))) ||
      (!anonymous && !bus.registerService(QStringLiteral("org.kde.KWin")))) {
    return 1;
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&app] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
      app.quit();
    }
  });
  Print(QStringLiteral("address ") + QString::fromUtf8(std::getenv("DBUS_SESSION_BUS_ADDRESS")));
  Print(QStringLiteral("ready"));
  return app.exec();
}

#include "KwinStandInMain.moc"
