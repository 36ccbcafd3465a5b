// The portal client against a fake portal on a private session bus that the
// test starts: the real client code, the real D-Bus daemon, only the desktop
// side is played by the test.

#include <QtTest>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QProcess>

#include "platform/ColorPortal.h"

using namespace hb;

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

class TestColorPortal : public QObject {
  Q_OBJECT

  QProcess daemon_;
  QString address_;
  int serial_ = 0;

  struct Outcome {
    QString kind;  // picked, cancelled, failed
    TRGBBytes colour{};
    TPortalFailure failure{};
  };

  // Runs one pick with the client on its own connection and waits for its end.
  Outcome Pick(TColorPortal& portal, int waitMs = 5000) {
    Outcome out;
    QEventLoop loop;
    connect(&portal, &TColorPortal::Picked, &loop, [&](TRGBBytes c) { out = {"picked", c, {}}; loop.quit(); });
    connect(&portal, &TColorPortal::Cancelled, &loop, [&] { out.kind = "cancelled"; loop.quit(); });
    connect(&portal, &TColorPortal::Failed, &loop, [&](TPortalFailure f) { out = {"failed", {}, f}; loop.quit(); });
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    if (!portal.PickColor()) return {"refused to start"};
    loop.exec();
    return out;
  }

  QDBusConnection Connect(const QString& name) { return QDBusConnection::connectToBus(address_, name); }

 private slots:
  void initTestCase() {
    qDBusRegisterMetaType<WireColour>();
    qDBusRegisterMetaType<WireTwo>();
    daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QVERIFY2(daemon_.waitForStarted(5000), "dbus-daemon is not installed (scripts/install-deps.sh)");
    QVERIFY(daemon_.waitForReadyRead(5000));
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    QVERIFY(!address_.isEmpty());
  }
  void cleanupTestCase() {
    daemon_.terminate();
    daemon_.waitForFinished(5000);
  }

  void answers_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<uint>("response");
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("colour");
    QTest::addColumn<int>("failure");

    auto colour = [](double r, double g, double b) {
      return QVariantMap{{"color", QVariant::fromValue(WireColour{r, g, b})}};
    };
    const int none = -1;
    QTest::newRow("picked") << int(FakePortal::Answer) << 0u << colour(1.0, 128 / 255.0, 0.0) << "picked"
                            << QList<int>{255, 128, 0} << none;
    QTest::newRow("picked, rounded") << int(FakePortal::Answer) << 0u << colour(0.2, 0.4, 0.6) << "picked"
                                     << QList<int>{51, 102, 153} << none;
    QTest::newRow("old portal, own request path") << int(FakePortal::OtherPath) << 0u << colour(0.0, 0.0, 1.0)
                                                  << "picked" << QList<int>{0, 0, 255} << none;
    QTest::newRow("cancelled by the user") << int(FakePortal::Answer) << 1u << QVariantMap{} << "cancelled"
                                           << QList<int>{} << none;
    QTest::newRow("cancelled otherwise") << int(FakePortal::Answer) << 2u << QVariantMap{} << "cancelled"
                                         << QList<int>{} << none;
    QTest::newRow("unknown response") << int(FakePortal::Answer) << 3u << colour(0.0, 0.0, 1.0) << "failed"
                                      << QList<int>{} << int(TPortalFailure::Unavailable);
    QTest::newRow("refused with an error") << int(FakePortal::Refuse) << 0u << QVariantMap{} << "failed"
                                           << QList<int>{} << int(TPortalFailure::Unavailable);
    QTest::newRow("success without colour") << int(FakePortal::Answer) << 0u << QVariantMap{} << "failed"
                                            << QList<int>{} << int(TPortalFailure::Malformed);
    QTest::newRow("colour out of range") << int(FakePortal::Answer) << 0u << colour(255.0, 128.0, 0.0)
                                         << "failed" << QList<int>{} << int(TPortalFailure::Malformed);
    QTest::newRow("two components") << int(FakePortal::Answer) << 0u << QVariantMap{{"color", QVariant::fromValue(WireTwo{0.5, 0.5})}} << "failed"
                                    << QList<int>{} << int(TPortalFailure::Malformed);
    QTest::newRow("colour as text") << int(FakePortal::Answer) << 0u << QVariantMap{{"color", "#FF8000"}}
                                    << "failed" << QList<int>{} << int(TPortalFailure::Malformed);
    QTest::newRow("signal of the wrong shape") << int(FakePortal::BadSignature) << 0u << QVariantMap{} << "failed"
                                               << QList<int>{} << int(TPortalFailure::Malformed);
  }
  void answers() {
    QFETCH(int, mode);
    QFETCH(uint, response);
    QFETCH(QVariantMap, results);
    QFETCH(QString, kind);
    QFETCH(QList<int>, colour);
    QFETCH(int, failure);

    const QString n = QString::number(++serial_);
    QDBusConnection desktop = Connect("desktop" + n);
    FakePortal fake(desktop);
    fake.mode = FakePortal::Mode(mode);
    fake.response = response;
    fake.results = results;
    QVERIFY(desktop.registerObject("/org/freedesktop/portal/desktop", &fake, QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService("org.freedesktop.portal.Desktop"));

    {
      TColorPortal portal(Connect("client" + n), nullptr);
      const Outcome out = Pick(portal);
      QCOMPARE(out.kind, kind);
      QCOMPARE(fake.calls, 1);
      QVERIFY(!fake.lastToken.isEmpty());
      if (kind == "picked")
        QCOMPARE((QList<int>{out.colour.R, out.colour.G, out.colour.B}), colour);
      if (kind == "failed") QCOMPARE(int(out.failure), failure);
      QVERIFY(!portal.Busy());
    }
    desktop.unregisterService("org.freedesktop.portal.Desktop");
    desktop.unregisterObject("/org/freedesktop/portal/desktop");
    QDBusConnection::disconnectFromBus("desktop" + n);
    QDBusConnection::disconnectFromBus("client" + n);
  }

  // No portal on the bus: the call fails at once, it does not wait a minute.
  void missingService() {
    TColorPortal portal(Connect("lonely"), nullptr);
    QElapsedTimer t;
    t.start();
    const Outcome out = Pick(portal);
    QCOMPARE(out.kind, QString("failed"));
    QCOMPARE(out.failure, TPortalFailure::Unavailable);
    QVERIFY(t.elapsed() < 5000);
  }

  // No session bus at all (DBUS_SESSION_BUS_ADDRESS unusable).
  void missingBus() {
    TColorPortal portal(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "nobus"), nullptr);
    const Outcome out = Pick(portal);
    QCOMPARE(out.kind, QString("failed"));
    QCOMPARE(out.failure, TPortalFailure::Unavailable);
  }

  // A portal that never answers: the client gives up after its time-out,
  // and a second pick can start afterwards; the second request is ignored
  // while the first runs.
  void neverAnswers() {
    QDBusConnection desktop = Connect("silent");
    FakePortal fake(desktop);
    fake.mode = FakePortal::Silent;
    QVERIFY(desktop.registerObject("/org/freedesktop/portal/desktop", &fake, QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService("org.freedesktop.portal.Desktop"));
    TColorPortal portal(Connect("waiting"), nullptr);
    portal.SetTimeout(300);
    QSignalSpy failed(&portal, &TColorPortal::Failed);
    QVERIFY(portal.PickColor());
    QVERIFY(!portal.PickColor());
    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed[0][0].value<TPortalFailure>(), TPortalFailure::TimedOut);
    QCOMPARE(fake.calls, 1);
    QVERIFY(!portal.Busy());
    QVERIFY(portal.PickColor());
    QVERIFY(failed.wait(5000));
    QCOMPARE(fake.calls, 2);
    desktop.unregisterService("org.freedesktop.portal.Desktop");
  }

  void messagesAreJapanese() {
    for (TPortalFailure f : {TPortalFailure::Unavailable, TPortalFailure::Malformed, TPortalFailure::TimedOut})
      QVERIFY(QString::fromStdString(PortalFailureMessage(f)).contains("ポータル"));
  }
};

QTEST_GUILESS_MAIN(TestColorPortal)
#include "tst_ColorPortal.moc"
