// The kernel-clock ticker: ticks come through the event loop, a stall gives
// one tick however many expirations it let pass, and a stop (even from a
// tick) ends them.

#include <QtTest>
#include <unistd.h>

#include "platform/PunctualTicker.h"

class TestPunctualTicker : public QObject {
  Q_OBJECT

 private slots:
  void ticksCome() {
    int ticks = 0;
    hb::TPunctualTicker ticker(nullptr, [&] { ++ticks; });
    QVERIFY(ticker.Start(1));
    QVERIFY(ticker.Running());
    QTRY_VERIFY(ticks >= 20);
  }

  void refusesIntervalsBelowOne_data() {
    QTest::addColumn<int>("interval");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
  }
  void refusesIntervalsBelowOne() {
    QFETCH(int, interval);
    hb::TPunctualTicker ticker(nullptr, [] {});
    QVERIFY(ticker.Start(2));
    // A refused start leaves no schedule behind, not even the earlier one.
    QVERIFY(!ticker.Start(interval));
    QVERIFY(!ticker.Running());
  }

  // Twenty expirations pass while the thread is busy: the next pass of the
  // event loop gives one tick, not twenty.
  void aStallGivesOneTick_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("stallMs");
    QTest::newRow("1 ms, 20 ms stall") << 1 << 20;
    QTest::newRow("2 ms, 30 ms stall") << 2 << 30;
  }
  void aStallGivesOneTick() {
    QFETCH(int, interval);
    QFETCH(int, stallMs);
    int ticks = 0;
    hb::TPunctualTicker ticker(nullptr, [&] { ++ticks; });
    QVERIFY(ticker.Start(interval));
    usleep(useconds_t(stallMs) * 1000);
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 1);
  }

  void stopEndsTheTicks_data() {
    QTest::addColumn<bool>("fromATick");
    QTest::newRow("from outside") << false;
    QTest::newRow("from its own tick") << true;
  }
  void stopEndsTheTicks() {
    QFETCH(bool, fromATick);
    int ticks = 0;
    hb::TPunctualTicker* self = nullptr;
    hb::TPunctualTicker ticker(nullptr, [&] {
      ++ticks;
      if (fromATick) self->Stop();
    });
    self = &ticker;
    QVERIFY(ticker.Start(1));
    if (fromATick) {
      QTRY_COMPARE(ticks, 1);
    } else {
      usleep(5000);  // expirations waiting when it stops
      ticker.Stop();
    }
    QVERIFY(!ticker.Running());
    const int stoppedAt = ticks;
    QTest::qWait(30);
    QCOMPARE(ticks, stoppedAt);
    // And it starts again.
    QVERIFY(ticker.Start(1));
    QTRY_VERIFY(ticks > stoppedAt);
  }
};

QTEST_GUILESS_MAIN(TestPunctualTicker)
#include "tst_PunctualTicker.moc"
