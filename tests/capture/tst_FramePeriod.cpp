// The display frame's length from the refresh rate the screen reports, and
// the rates no screen has.

#include <QtTest>
#include <cmath>
#include <limits>

#include "capture/FramePeriod.h"

class TestFramePeriod : public QObject {
  Q_OBJECT

 private slots:
  void period_data() {
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("period");
    // Rounded up: a 16 ms timer would repaint 62.5 times a second on a 60 Hz screen.
    QTest::newRow("60 Hz") << 60.0 << 17;
    QTest::newRow("59.94 Hz") << 59.94 << 17;
    QTest::newRow("75 Hz") << 75.0 << 14;
    QTest::newRow("144 Hz") << 144.0 << 7;
    QTest::newRow("250 Hz, exact") << 250.0 << 4;
    QTest::newRow("1000 Hz, the fastest taken") << 1000.0 << 1;
    QTest::newRow("10 Hz, the slowest taken") << 10.0 << 100;
    // Unknown or impossible: 60 Hz.
    QTest::newRow("0, unknown") << 0.0 << 17;
    QTest::newRow("negative") << -60.0 << 17;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 17;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 17;
    QTest::newRow("1 Hz") << 1.0 << 17;
    QTest::newRow("just above 1000 Hz") << 1000.5 << 17;
    QTest::newRow("huge") << 1e300 << 17;
    QTest::newRow("denormal") << 4.9e-324 << 17;
  }
  void period() {
    QFETCH(double, rate);
    QFETCH(int, period);
    QCOMPARE(hb::FramePeriodMs(rate), period);
  }
};

QTEST_GUILESS_MAIN(TestFramePeriod)
#include "tst_FramePeriod.moc"
