#include <QtTest>

#include "color/Contrast.h"

using namespace hb;

Q_DECLARE_METATYPE(hb::TRGBBytes)

namespace {
TRGBBytes Hex(quint32 v) { return {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)}; }
constexpr TRGBBytes kWhite{255, 255, 255};
} // namespace

class TestContrast : public QObject {
  Q_OBJECT

 private slots:
  // Published pairs: WebAIM and the W3C working group's #777777 ruling
  // (4.48:1, must fail AA), #767676 (4.54:1, the lightest grey passing AA on
  // white), #595959 (7.0:1), pure red (3.998:1, "4.0" in tools that round
  // to nearest, which would wrongly pass AA for large text at 4.0 but not AA).
  void referencePairs_data() {
    QTest::addColumn<TRGBBytes>("a");
    QTest::addColumn<TRGBBytes>("b");
    QTest::addColumn<double>("ratio");  // as published, two decimals
    QTest::addColumn<QString>("text");

    QTest::newRow("black on white") << Hex(0x000000) << kWhite << 21.0 << "21.0:1 AAA";
    QTest::newRow("#777777 fails AA") << Hex(0x777777) << kWhite << 4.48 << "4.4:1 AA Large";
    QTest::newRow("#767676 passes AA") << Hex(0x767676) << kWhite << 4.54 << "4.5:1 AA";
    QTest::newRow("#595959 AAA") << Hex(0x595959) << kWhite << 7.0 << "7.0:1 AAA";
    QTest::newRow("red just under 4") << Hex(0xFF0000) << kWhite << 4.0 << "3.9:1 AA Large";
    QTest::newRow("blue") << Hex(0x0000FF) << kWhite << 8.59 << "8.5:1 AAA";
    QTest::newRow("lime") << Hex(0x00FF00) << kWhite << 1.37 << "1.3:1";
    QTest::newRow("yellow") << Hex(0xFFFF00) << kWhite << 1.07 << "1.0:1";
    QTest::newRow("same colour") << Hex(0x336699) << Hex(0x336699) << 1.0 << "1.0:1";
    QTest::newRow("order does not matter") << kWhite << Hex(0x767676) << 4.54 << "4.5:1 AA";
  }
  void referencePairs() {
    QFETCH(TRGBBytes, a);
    QFETCH(TRGBBytes, b);
    QFETCH(double, ratio);
    QFETCH(QString, text);
    QVERIFY2(std::fabs(ContrastRatio(a, b) - ratio) < 0.005, qPrintable(QString::number(ContrastRatio(a, b))));
    QCOMPARE(QString::fromStdString(ContrastText(a, b)), text);
  }

  // The shown tenths never exceed the exact ratio, and the level agrees with
  // what is shown: a pair shown at a threshold always reaches it.
  void shownNeverAboveExact() {
    for (int g = 0; g < 256; ++g) {
      for (TRGBBytes other : {kWhite, TRGBBytes{0, 0, 0}, TRGBBytes{255, 0, 0}}) {
        const TRGBBytes c{std::uint8_t(g), std::uint8_t(255 - g), std::uint8_t(g / 2)};
        const double exact = ContrastRatio(c, other);
        const int tenths = ContrastTenths(c, other);
        QVERIFY(tenths / 10.0 <= exact);
        QVERIFY(exact - tenths / 10.0 < 0.1 + 1e-12);
        const TContrastLevel level = ContrastLevelOf(c, other);
        QCOMPARE(level == TContrastLevel::AA || level == TContrastLevel::AAA, tenths >= 45);
        QCOMPARE(level == TContrastLevel::AAA, tenths >= 70);
        QCOMPARE(level != TContrastLevel::None, tenths >= 30);
      }
    }
  }

  // The luminance curve's linear segment: 10/255 is on it, 11/255 is not.
  void luminanceSegments() {
    QCOMPARE(RelativeLuminance(10, 10, 10), 10 / 255.0 / 12.92);
    QVERIFY(std::fabs(RelativeLuminance(11, 11, 11) - std::pow((11 / 255.0 + 0.055) / 1.055, 2.4)) < 1e-15);
    QCOMPARE(RelativeLuminance(-5, 300, 0), RelativeLuminance(0, 255, 0));
  }

  void panelText_data() {
    QTest::addColumn<TRGBBytes>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("white") << kWhite << "白 1.0:1 ／ 黒 21.0:1 AAA";
    QTest::newRow("black") << TRGBBytes{0, 0, 0} << "白 21.0:1 AAA ／ 黒 1.0:1";
    QTest::newRow("#767676") << Hex(0x767676) << "白 4.5:1 AA ／ 黒 4.6:1 AA";
  }
  void panelText() {
    QFETCH(TRGBBytes, colour);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(ContrastPanelText(colour)), text);
  }
};

QTEST_GUILESS_MAIN(TestContrast)
#include "tst_Contrast.moc"
