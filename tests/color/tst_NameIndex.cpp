// The nearest named colour: the index answers what comparing every name by
// CIEDE2000 answers, and the status text tells an exact match apart.

#include <QtTest>
#include <random>

#include "color/NameIndex.h"

using namespace hb;

namespace {

std::vector<TNamedColor> RandomNames(unsigned seed, int count) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<TNamedColor> names;
  for (int i = 0; i < count; ++i)
    names.push_back({std::to_string(i), {std::uint8_t(byte(gen)), std::uint8_t(byte(gen)), std::uint8_t(byte(gen))}});
  return names;
}

} // namespace

class TestNameIndex : public QObject {
  Q_OBJECT

 private slots:
  // Every colour of a grid against palettes of several sizes, with repeated
  // colours (the first name wins) and greys, whose hue means nothing.
  void sameAsEveryComparison_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("count");
    QTest::newRow("one name") << 1u << 1;
    QTest::newRow("12 names") << 2u << 12;
    QTest::newRow("300 names") << 3u << 300;
    QTest::newRow("1000 names") << 4u << 1000;
  }
  void sameAsEveryComparison() {
    QFETCH(unsigned, seed);
    QFETCH(int, count);
    std::vector<TNamedColor> names = RandomNames(seed, count);
    names.push_back(names.front());
    for (std::uint8_t v : {0, 77, 128, 255}) names.push_back({"grey", {v, v, v}});
    const TNameIndex index(names);
    for (int r = 0; r < 256; r += 17)
      for (int g = 0; g < 256; g += 51)
        for (int b = 0; b < 256; b += 15) {
          const TRGBBytes q{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
          const TLab lab = SRGBToLabD65(r, g, b);
          std::size_t want = 0;
          long double best = INFINITY;
          for (std::size_t i = 0; i < names.size(); ++i) {
            const TRGBBytes c = names[i].Color;
            const long double d = DeltaE2000(lab, SRGBToLabD65(c.R, c.G, c.B));
            if (d < best) best = d, want = i;
          }
          const std::optional<TNearestColor> got = index.Nearest(q);
          QVERIFY(got);
          QCOMPARE(got->Index, want);
          QCOMPARE(double(got->DeltaE), double(best));
        }
  }

  void noNames() { QVERIFY(!TNameIndex().Nearest({1, 2, 3})); }

  void text_data() {
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("want");
    QTest::newRow("the very colour") << 0xE16B8Cu << QString::fromUtf8("＝紅梅色");
    QTest::newRow("near") << 0xE06B8Cu << QString::fromUtf8("近い色：紅梅色 (ΔE 0.2)");
    QTest::newRow("nearer to the other") << 0x0000F0u << QString::fromUtf8("近い色：blue (ΔE 1.9)");
  }
  void text() {
    QFETCH(uint, color);
    QFETCH(QString, want);
    const TNameIndex index({{"紅梅色", {0xE1, 0x6B, 0x8C}}, {"blue", {0, 0, 255}}});
    const TRGBBytes q{std::uint8_t(color >> 16), std::uint8_t(color >> 8), std::uint8_t(color)};
    const std::optional<TNearestColor> got = index.Nearest(q);
    QVERIFY(got);
    QCOMPARE(QString::fromStdString(NearestNameText(index.At(got->Index), q, got->DeltaE)), want);
  }
};

QTEST_GUILESS_MAIN(TestNameIndex)
#include "tst_NameIndex.moc"
