#pragma once
// A fake desktop portal for tests: a private D-Bus daemon started by the test
// and the desktop side of org.freedesktop.portal.Screenshot.PickColor on it.

#include <signal.h>
#include <sys/prctl.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QProcess>
#include <QTimer>

namespace {

// The colour structure as the portal sends it, (ddd), and a faulty
// portal's (dd). D-Bus types have one fixed signature each, hence two types.
struct WireColour {
  double R = 0, G = 0, B = 0;
};
struct WireTwo {
  double A = 0, B = 0;
};

QDBusArgument& operator<<(QDBusArgument& arg, const WireColour& c) {
  arg.beginStructure();
  arg << c.R << c.G << c.B;
  arg.endStructure();
  return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, WireColour&) { return arg; }
QDBusArgument& operator<<(QDBusArgument& arg, const WireTwo& c) {
  arg.beginStructure();
  arg << c.A << c.B;
  arg.endStructure();
  return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, WireTwo&) { return arg; }

// A private session bus: dbus-daemon runs as long as this object.
class PrivateBus {
 public:
  PrivateBus() {
    qDBusRegisterMetaType<WireColour>();
    qDBusRegisterMetaType<WireTwo>();
    // Ends with the test even when the test dies without cleaning up.
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(5000))
      address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  }
  ~PrivateBus() {
    daemon_.terminate();
    daemon_.waitForFinished(5000);
  }
  // Empty when dbus-daemon could not start (scripts/install-deps.sh installs it).
  const QString& Address() const { return address_; }
  QDBusConnection Connect(const QString& name) const { return QDBusConnection::connectToBus(address_, name); }

 private:
  QProcess daemon_;
  QString address_;
};

} // namespace

Q_DECLARE_METATYPE(WireColour)
Q_DECLARE_METATYPE(WireTwo)

// The desktop side of org.freedesktop.portal.Screenshot.PickColor.
class FakePortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
 public:
  enum Mode { Answer, Silent, Refuse, OtherPath, BadSignature };
  explicit FakePortal(QDBusConnection bus) : bus_(bus) {}
  // Serves on bus as the desktop portal.
  bool Register() {
    return bus_.registerObject("/org/freedesktop/portal/desktop", this, QDBusConnection::ExportAllSlots) &&
           bus_.registerService("org.freedesktop.portal.Desktop");
  }
  ~FakePortal() override {
    bus_.unregisterService("org.freedesktop.portal.Desktop");
    bus_.unregisterObject("/org/freedesktop/portal/desktop");
  }
  Mode mode = Answer;
  uint response = 0;
  QVariantMap results;
  int calls = 0;
  QString lastToken;

 public slots:
  QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options) {
    Q_UNUSED(parentWindow);
    ++calls;
    lastToken = options.value("handle_token").toString();
    if (mode == Refuse) {
      sendErrorReply(QDBusError::AccessDenied, "not allowed");
      return {};
    }
    QString sender = message().service();
    sender.remove(0, 1).replace('.', '_');
    QString path = "/org/freedesktop/portal/desktop/request/" + sender + "/" + lastToken;
    if (mode == OtherPath) path = "/org/freedesktop/portal/desktop/request/" + sender + "/legacy" + QString::number(calls);
    if (mode != Silent) {
      // The answer comes after the reply, when the user has clicked.
      QTimer::singleShot(10, this, [this, path] {
        QDBusMessage signal = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        if (mode == BadSignature)
          signal << QString("0") << QString("color");
        else
          signal << response << results;
        bus_.send(signal);
      });
    }
    return QDBusObjectPath(path);
  }

 private:
  QDBusConnection bus_;
};

