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

  // Red's three texts are CSS Color 4's published values for sRGB red; the
  // OKLab coordinates of green and blue, and the lab()/lch() of the
  // primaries, match values published in colour references. The other texts
  // were worked out apart from this program, in a throwaway script with
  // 60-digit arithmetic from the same published matrices, rounded half up.
  void perceptual_data() {
    for (const char* c : {"r", "g", "b"}) QTest::addColumn<int>(c);
    for (const char* c : {"oklch", "lab", "lch"}) QTest::addColumn<QString>(c);
    QTest::newRow("red") << 255 << 0 << 0 << "oklch(62.80% 0.2577 29.23)" << "lab(54.29 80.80 69.89)"
                         << "lch(54.29 106.84 40.86)";
    QTest::newRow("green") << 0 << 255 << 0 << "oklch(86.64% 0.2948 142.50)" << "lab(87.82 -79.27 80.99)"
                           << "lch(87.82 113.33 134.38)";
    QTest::newRow("blue") << 0 << 0 << 255 << "oklch(45.20% 0.3132 264.05)" << "lab(29.57 68.29 -112.03)"
                          << "lch(29.57 131.20 301.36)";
    // Greys: a and b are rounding noise of either sign (white's b is below
    // zero), so the chroma is 0 and with it the hue, and no "-0.00".
    QTest::newRow("white") << 255 << 255 << 255 << "oklch(100.00% 0.0000 0.00)" << "lab(100.00 0.00 0.00)"
                           << "lch(100.00 0.00 0.00)";
    QTest::newRow("black") << 0 << 0 << 0 << "oklch(0.00% 0.0000 0.00)" << "lab(0.00 0.00 0.00)"
                           << "lch(0.00 0.00 0.00)";
    QTest::newRow("middle grey") << 128 << 128 << 128 << "oklch(59.99% 0.0000 0.00)" << "lab(53.59 0.00 0.00)"
                                 << "lch(53.59 0.00 0.00)";
    // On the straight foot of both the sRGB curve and CIELAB's f.
    QTest::newRow("near black") << 1 << 1 << 1 << "oklch(6.72% 0.0000 0.00)" << "lab(0.27 0.00 0.00)"
                                << "lch(0.27 0.00 0.00)";
    QTest::newRow("yellow") << 255 << 255 << 0 << "oklch(96.80% 0.2110 109.77)" << "lab(97.61 -15.75 93.39)"
                            << "lch(97.61 94.71 99.57)";
    QTest::newRow("cyan") << 0 << 255 << 255 << "oklch(90.54% 0.1546 194.77)" << "lab(90.67 -50.66 -14.96)"
                          << "lch(90.67 52.82 196.45)";
    QTest::newRow("magenta") << 255 << 0 << 255 << "oklch(70.17% 0.3225 328.36)" << "lab(60.17 93.54 -60.50)"
                             << "lch(60.17 111.40 327.11)";
    QTest::newRow("orange") << 255 << 128 << 0 << "oklch(73.19% 0.1858 52.98)" << "lab(67.82 45.49 74.84)"
                            << "lch(67.82 87.58 58.71)";
    QTest::newRow("dark blue") << 10 << 20 << 60 << "oklch(21.20% 0.0782 268.25)" << "lab(7.61 8.98 -27.67)"
                               << "lch(7.61 29.09 287.97)";
  }
  void perceptual() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, oklch);
    QFETCH(QString, lab);
    QFETCH(QString, lch);
    QCOMPARE(QString::fromStdString(CssOklchCode(r, g, b)), oklch);
    QCOMPARE(QString::fromStdString(CssLabCode(r, g, b)), lab);
    QCOMPARE(QString::fromStdString(CssLchCode(r, g, b)), lch);
  }
};

QTEST_GUILESS_MAIN(TestColorNotations)
#include "tst_ColorNotations.moc"
