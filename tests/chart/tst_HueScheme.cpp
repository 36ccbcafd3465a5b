// The hue schemes without a window: the colours each scheme puts beside a
// hue, the wrap of the ring at 360, and where the swatches lie.

#include <QtTest>

#include "chart/HueScheme.h"

using namespace hb;

Q_DECLARE_METATYPE(THueScheme)

namespace {

QString Describe(const QList<TRGBBytes>& colors) {
  QStringList parts;
  for (const TRGBBytes& c : colors) parts << QStringLiteral("(%1,%2,%3)").arg(c.R).arg(c.G).arg(c.B);
  return parts.join(' ');
}

QList<TRGBBytes> SchemeAt(THSVColor hsv, THueScheme scheme) {
  QList<TRGBBytes> colors;
  for (int offset : SchemeOffsets(scheme)) colors << SchemeColorAt(hsv, offset);
  return colors;
}

} // namespace

class TestHueScheme : public QObject {
  Q_OBJECT

 private slots:
  // The five schemes at pure red, H 0, S 100, V 100, left to right.
  void pureRed_data() {
    QTest::addColumn<THueScheme>("scheme");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << THueScheme::None << "";
    QTest::newRow("adjacent") << THueScheme::Adjacent << "(255,64,0) (255,0,64)";
    QTest::newRow("similar") << THueScheme::Similar << "(255,128,0) (255,191,0) (255,0,128) (255,0,191)";
    QTest::newRow("intermediate") << THueScheme::Intermediate
                                  << "(255,255,0) (191,255,0) (128,255,0) (64,255,0) "
                                     "(255,0,255) (191,0,255) (128,0,255) (64,0,255)";
    QTest::newRow("contrasting") << THueScheme::Contrasting
                                 << "(0,255,0) (0,255,64) (0,255,128) (0,0,255) (0,64,255) (0,128,255)";
    QTest::newRow("complementary") << THueScheme::Complementary
                                   << "(0,255,191) (0,255,255) (0,191,255) (0,255,255)";
  }
  void pureRed() {
    QFETCH(THueScheme, scheme);
    QFETCH(QString, expected);
    QCOMPARE(Describe(SchemeAt({0, 1, 1}, scheme)), expected);
  }

  // The sum of hue and offset comes back onto the ring; a sum of exactly 360
  // stays 360 and converts as 0 (red), never as black.
  void wrapsTheRing_data() {
    QTest::addColumn<double>("hue");
    QTest::addColumn<int>("offset");
    QTest::addColumn<double>("sameAs");  // the hue whose colour it must be
    QTest::newRow("345 + 15 = 360 is 0") << 345.0 << 15 << 0.0;
    QTest::newRow("345 + 345 is 330") << 345.0 << 345 << 330.0;
    QTest::newRow("359 + 345 is 344") << 359.0 << 345 << 344.0;
    QTest::newRow("0 + 180") << 0.0 << 180 << 180.0;
    QTest::newRow("180 + 180 = 360 is 0") << 180.0 << 180 << 0.0;
    QTest::newRow("fraction 200.5 + 165") << 200.5 << 165 << 5.5;
  }
  void wrapsTheRing() {
    QFETCH(double, hue);
    QFETCH(int, offset);
    QFETCH(double, sameAs);
    const TRGBBytes got = SchemeColorAt({hue, 0.8, 0.9}, offset);
    const TRGBBytes want = TColorConvert::HSVToRGB(sameAs, 0.8, 0.9);
    QCOMPARE(Describe({got}), Describe({want}));
  }

  void hue345Adjacent() {
    // Hues 0 and 330, as full colours.
    QCOMPARE(Describe(SchemeAt({345, 1, 1}, THueScheme::Adjacent)), QStringLiteral("(255,0,0) (255,0,128)"));
  }

  void complementaryAtHue0HasFourWithSecondEqualToFourth() {
    const QList<TRGBBytes> colors = SchemeAt({0, 0.5, 0.6}, THueScheme::Complementary);
    QCOMPARE(colors.size(), 4);
    QVERIFY(colors[1] == colors[3]);
    QVERIFY(!(colors[0] == colors[2]));
  }

  // Without saturation every swatch is the grey of the value; without value, black.
  void greyAndBlack_data() {
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("level");
    QTest::newRow("S 0 V 100") << 0.0 << 1.0 << 255;
    QTest::newRow("S 0 V 50") << 0.0 << 0.5 << 128;
    QTest::newRow("S 100 V 0") << 1.0 << 0.0 << 0;
    QTest::newRow("S 37 V 0") << 0.37 << 0.0 << 0;
  }
  void greyAndBlack() {
    QFETCH(double, s);
    QFETCH(double, v);
    QFETCH(int, level);
    const auto grey = TRGBBytes{std::uint8_t(level), std::uint8_t(level), std::uint8_t(level)};
    for (THueScheme scheme : {THueScheme::Adjacent, THueScheme::Similar, THueScheme::Intermediate,
                              THueScheme::Contrasting, THueScheme::Complementary})
      for (int hue : {0, 137, 359})
        for (const TRGBBytes& c : SchemeAt({double(hue), s, v}, scheme))
          QVERIFY2(c == grey, qPrintable(Describe({c})));
  }

  // n swatches share the lower half of the 240 x 240 view at (5, 18): y 138
  // to 257, and together never wider than the view.
  void swatchRects_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("width");
    QTest::newRow("2") << 2 << 120;
    QTest::newRow("4") << 4 << 60;
    QTest::newRow("6") << 6 << 40;
    QTest::newRow("8") << 8 << 30;
    QTest::newRow("7 (240 div 7)") << 7 << 34;
  }
  void swatchRects() {
    QFETCH(int, n);
    QFETCH(int, width);
    const QRect view(5, 18, 240, 240);
    for (int i = 0; i < n; ++i) {
      const QRect r = SchemeSwatchRect(view, i, n);
      QCOMPARE(r, QRect(5 + i * width, 138, width, 120));
      QCOMPARE(r.bottom(), 257);
      QVERIFY(view.contains(r));
    }
  }
};

QTEST_GUILESS_MAIN(TestHueScheme)
#include "tst_HueScheme.moc"
