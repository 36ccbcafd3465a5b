#include <QtTest>

#include "output/ColorNotations.h"

using namespace hb;

class TestColorNotations : public QObject {
  Q_OBJECT

 private slots:
  void notations_data() {
    for (const char* c : {"r", "g", "b"}) QTest::addColumn<int>(c);
    for (const char* c : {"rgb", "hsl", "qcolor", "floats"}) QTest::addColumn<QString>(c);
    QTest::newRow("orange") << 255 << 128 << 0 << "rgb(255 128 0)" << "hsl(30deg 100% 50%)"
                            << "QColor(255, 128, 0)" << "1.000, 0.502, 0.000";
    QTest::newRow("black") << 0 << 0 << 0 << "rgb(0 0 0)" << "hsl(0deg 0% 0%)" << "QColor(0, 0, 0)"
                           << "0.000, 0.000, 0.000";
    QTest::newRow("white") << 255 << 255 << 255 << "rgb(255 255 255)" << "hsl(0deg 0% 100%)"
                           << "QColor(255, 255, 255)" << "1.000, 1.000, 1.000";
    // A grey has no hue; the saturation's denominator is not 0 at L = 50%.
    QTest::newRow("middle grey") << 128 << 128 << 128 << "rgb(128 128 128)" << "hsl(0deg 0% 50%)"
                                 << "QColor(128, 128, 128)" << "0.502, 0.502, 0.502";
    // Hue 359.76 rounds to 360, which is written 0.
    QTest::newRow("hue wraps") << 255 << 0 << 1 << "rgb(255 0 1)" << "hsl(0deg 100% 50%)"
                               << "QColor(255, 0, 1)" << "1.000, 0.000, 0.004";
    // Magenta-side hue from the red sextant: (G - B) / d is negative.
    QTest::newRow("rose") << 255 << 0 << 128 << "rgb(255 0 128)" << "hsl(330deg 100% 50%)"
                          << "QColor(255, 0, 128)" << "1.000, 0.000, 0.502";
    // Light and dark tints: saturation uses 2 - max - min above L = 50%.
    QTest::newRow("light teal") << 200 << 240 << 230 << "rgb(200 240 230)" << "hsl(165deg 57% 86%)"
                                << "QColor(200, 240, 230)" << "0.784, 0.941, 0.902";
    QTest::newRow("dark blue") << 10 << 20 << 60 << "rgb(10 20 60)" << "hsl(228deg 71% 14%)"
                               << "QColor(10, 20, 60)" << "0.039, 0.078, 0.235";
    QTest::newRow("green sextant") << 64 << 200 << 32 << "rgb(64 200 32)" << "hsl(109deg 72% 45%)"
                                   << "QColor(64, 200, 32)" << "0.251, 0.784, 0.125";
  }
  void notations() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, rgb);
    QFETCH(QString, hsl);
    QFETCH(QString, qcolor);
    QFETCH(QString, floats);
    QCOMPARE(QString::fromStdString(CssRgbCode(r, g, b)), rgb);
    QCOMPARE(QString::fromStdString(CssHslCode(r, g, b)), hsl);
    QCOMPARE(QString::fromStdString(QColorCode(r, g, b)), qcolor);
    QCOMPARE(QString::fromStdString(FloatTripleCode(r, g, b)), floats);
  }
};

QTEST_GUILESS_MAIN(TestColorNotations)
#include "tst_ColorNotations.moc"
