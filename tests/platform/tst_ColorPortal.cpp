// The portal client against a fake portal on a private session bus that the
// test starts: the real client code, the real D-Bus daemon, only the desktop
// side is played by the test.

#include <QtTest>

#include "FakePortal.h"
#include "platform/ColorPortal.h"

using namespace hb;

class TestColorPortal : public QObject {
  Q_OBJECT

  PrivateBus bus_;
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

  QDBusConnection Connect(const QString& name) { return bus_.Connect(name); }

 private slots:
  void initTestCase() { QVERIFY2(!bus_.Address().isEmpty(), "dbus-daemon did not start (scripts/install-deps.sh)"); }

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
    QVERIFY(fake.Register());

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
    QVERIFY(fake.Register());
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
  }

  void messagesAreJapanese() {
    for (TPortalFailure f : {TPortalFailure::Unavailable, TPortalFailure::Malformed, TPortalFailure::TimedOut})
      QVERIFY(QString::fromStdString(PortalFailureMessage(f)).contains("ポータル"));
  }
};

QTEST_GUILESS_MAIN(TestColorPortal)
#include "tst_ColorPortal.moc"
