#include <QtTest>

#include <limits>

#include "desktop/PortalColor.h"
#include "desktop/Session.h"

using namespace hb;

class TestPortalColor : public QObject {
  Q_OBJECT

 private slots:
  void conversion_data() {
    QTest::addColumn<QList<double>>("components");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("bounds") << QList<double>{0.0, 1.0, 0.5} << true << 0 << 255 << 128;
    // What a portal sends for 8-bit pixels comes back exactly.
    QTest::newRow("exact eighths") << QList<double>{128 / 255.0, 1 / 255.0, 254 / 255.0} << true << 128 << 1 << 254;
    // Rounded, not truncated: 0.00196 * 255 = 0.4998 -> 0, 0.998 * 255 = 254.49 -> 254.
    QTest::newRow("rounding") << QList<double>{0.00196, 0.998, 0.0039} << true << 0 << 254 << 1;
    QTest::newRow("float slack") << QList<double>{-1e-9, 1 + 1e-9, 0.25} << true << 0 << 255 << 64;
    QTest::newRow("above one") << QList<double>{1.01, 0.0, 0.0} << false << 0 << 0 << 0;
    QTest::newRow("0..255 scale") << QList<double>{255.0, 128.0, 0.0} << false << 0 << 0 << 0;
    QTest::newRow("negative") << QList<double>{0.5, -0.1, 0.0} << false << 0 << 0 << 0;
    QTest::newRow("NaN") << QList<double>{0.5, nan, 0.0} << false << 0 << 0 << 0;
    QTest::newRow("infinity") << QList<double>{inf, 0.0, 0.0} << false << 0 << 0 << 0;
    QTest::newRow("two values") << QList<double>{0.5, 0.5} << false << 0 << 0 << 0;
    QTest::newRow("four values") << QList<double>{0.5, 0.5, 0.5, 1.0} << false << 0 << 0 << 0;
    QTest::newRow("none") << QList<double>{} << false << 0 << 0 << 0;
  }
  void conversion() {
    QFETCH(QList<double>, components);
    QFETCH(bool, ok);
    const auto c = PortalColorBytes(std::vector<double>(components.begin(), components.end()));
    QCOMPARE(bool(c), ok);
    if (!ok) return;
    QFETCH(int, r);
    QCOMPARE(int(c->R), r);
    QFETCH(int, g);
    QCOMPARE(int(c->G), g);
    QFETCH(int, b);
    QCOMPARE(int(c->B), b);
  }

  void session_data() {
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<bool>("wayland");
    QTest::newRow("plain X11") << "" << "x11" << false;
    QTest::newRow("nothing set (startx)") << "" << "" << false;
    QTest::newRow("tty type") << "" << "tty" << false;
    QTest::newRow("Wayland display") << "wayland-0" << "" << true;
    // XWayland: Qt may run on X11, the screen still belongs to the compositor.
    QTest::newRow("XWayland with both") << "wayland-0" << "wayland" << true;
    QTest::newRow("type only") << "" << "wayland" << true;
    QTest::newRow("type in capitals") << "" << "Wayland" << true;
    QTest::newRow("display set, type x11") << "wayland-1" << "x11" << true;
  }
  void session() {
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(bool, wayland);
    QCOMPARE(IsWaylandSession(waylandDisplay.toStdString(), sessionType.toStdString()), wayland);
  }
};

QTEST_GUILESS_MAIN(TestPortalColor)
#include "tst_PortalColor.moc"
