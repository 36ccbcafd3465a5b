// What the main window shows for a colour and the colour its controls make,
// without a window: the worked examples of the colour synchronisation.

#include <QtTest>

#include "values/ColorValue.h"
#include "color/ShownColor.h"

using hb::TColorGroup;
using hb::TShownColor;

Q_DECLARE_METATYPE(TColorData)
Q_DECLARE_METATYPE(TShownColor)

namespace {

QByteArray Describe(const TShownColor& s) {
  return QStringLiteral("RGB %1,%2,%3 HSV %4,%5,%6 CMYK %7,%8,%9,%10 %11 %12")
      .arg(s.R).arg(s.G).arg(s.B).arg(s.H).arg(s.S).arg(s.V).arg(s.C).arg(s.M).arg(s.Y).arg(s.K)
      .arg(QString::fromStdString(s.Hex)).arg(s.WebSafe ? "web-safe" : "-")
      .toUtf8();
}

QByteArray Describe(const TColorData& c) {
  return QByteArray::number(c.R) + "," + QByteArray::number(c.G) + "," + QByteArray::number(c.B);
}

} // namespace

class TestShownColor : public QObject {
  Q_OBJECT

 private slots:
  void shownColor_data() {
    QTest::addColumn<TColorData>("color");
    QTest::addColumn<int>("greyHue");
    QTest::addColumn<TShownColor>("shown");
    QTest::newRow("white keeps the hue shown before")
        << TColorData{255, 255, 255} << 123 << TShownColor{255, 255, 255, 123, 0, 100, 0, 0, 0, 0, "FFFFFF", true};
    QTest::newRow("12,34,56") << TColorData{12, 34, 56} << 0
                              << TShownColor{12, 34, 56, 210, 78, 21, 44, 22, 0, 199, "0C2238", false};
    QTest::newRow("orange") << TColorData{255, 128, 0} << 0
                            << TShownColor{255, 128, 0, 30, 100, 100, 0, 127, 255, 0, "FF8000", false};
    QTest::newRow("web-safe") << TColorData{51, 102, 153} << 0
                              << TShownColor{51, 102, 153, 210, 66, 59, 102, 51, 0, 102, "336699", true};
    QTest::newRow("one off web-safe") << TColorData{51, 102, 154} << 0
                                      << TShownColor{51, 102, 154, 210, 66, 60, 103, 52, 0, 101, "33669A", false};
    // Only extended precision gets the hue right here.
    QTest::newRow("hue 123") << TColorData{0, 100, 5} << 0
                             << TShownColor{0, 100, 5, 123, 100, 39, 100, 0, 95, 155, "006405", false};
    QTest::newRow("black, grey hue kept") << TColorData{0, 0, 0} << 359
                                          << TShownColor{0, 0, 0, 359, 0, 0, 0, 0, 0, 255, "000000", true};
    QTest::newRow("S 50 shows 49") << TColorData{255, 128, 128} << 0
                                   << TShownColor{255, 128, 128, 0, 49, 100, 0, 127, 127, 0, "FF8080", false};
    QTest::newRow("CMYK example") << TColorData{205, 195, 185} << 0
                                  << TShownColor{205, 195, 185, 30, 9, 80, 0, 10, 20, 50, "CDC3B9", false};
  }
  void shownColor() {
    QFETCH(TColorData, color);
    QFETCH(int, greyHue);
    QFETCH(TShownColor, shown);
    const TShownColor got = hb::ShownColor(color, greyHue);
    QVERIFY2(got == shown, Describe(got));
  }

  // The colour a group's positions make, from the worked examples.
  void groupColor_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<TColorData>("color");
    QTest::newRow("S 50 at H 0 V 100") << int(TColorGroup::HSV) << QList<int>{0, 50, 100} << TColorData{255, 128, 128};
    QTest::newRow("H 45 at S and V 100") << int(TColorGroup::HSV) << QList<int>{45, 100, 100} << TColorData{255, 191, 0};
    QTest::newRow("V 0") << int(TColorGroup::HSV) << QList<int>{0, 100, 0} << TColorData{0, 0, 0};
    QTest::newRow("grey at V 50") << int(TColorGroup::HSV) << QList<int>{0, 0, 50} << TColorData{128, 128, 128};
    QTest::newRow("cyan 50 magenta 60 yellow 70") << int(TColorGroup::CMYK) << QList<int>{50, 60, 70, 0}
                                                  << TColorData{205, 195, 185};
    QTest::newRow("CMYK black") << int(TColorGroup::CMYK) << QList<int>{0, 0, 0, 255} << TColorData{0, 0, 0};
    QTest::newRow("CMYK sum beyond 255 clamps") << int(TColorGroup::CMYK) << QList<int>{255, 0, 0, 100}
                                                << TColorData{0, 155, 155};
    QTest::newRow("RGB as it is") << int(TColorGroup::RGB) << QList<int>{1, 2, 3} << TColorData{1, 2, 3};
  }
  void groupColor() {
    QFETCH(int, group);
    QFETCH(QList<int>, positions);
    QFETCH(TColorData, color);
    std::array<int, 4> p{};
    for (int i = 0; i < positions.size(); ++i) p[std::size_t(i)] = positions[i];
    const TColorData got = hb::GroupColor(TColorGroup(group), p);
    QVERIFY2(got == color, Describe(got));
  }

  // A step moves on until the stepped control's shown value has moved, and
  // stops at the end of the range.
  void steppedGroupColor_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("positions");  // after the step
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("from");
    QTest::addColumn<TColorData>("color");
    const int hsv = int(TColorGroup::HSV);
    QTest::newRow("hue 0 -> 1 at red") << hsv << QList<int>{1, 100, 100} << 0 << 0 << TColorData{255, 8, 0};
    QTest::newRow("hue 1 -> 2") << hsv << QList<int>{2, 100, 100} << 0 << 1 << TColorData{255, 13, 0};
    QTest::newRow("hue 44 -> 43") << hsv << QList<int>{43, 100, 100} << 0 << 44 << TColorData{255, 183, 0};
    QTest::newRow("saturation 1 -> 2 at white") << hsv << QList<int>{0, 2, 100} << 1 << 1 << TColorData{255, 247, 247};
    QTest::newRow("grey hue moves at once") << hsv << QList<int>{6, 0, 50} << 0 << 5 << TColorData{128, 128, 128};
    QTest::newRow("value 100 -> 99 at red") << hsv << QList<int>{0, 100, 99} << 2 << 100 << TColorData{252, 0, 0};
    // Nothing shows more than hue 359: the step ends at the range's end.
    QTest::newRow("hue at the top") << hsv << QList<int>{359, 100, 100} << 0 << 358 << TColorData{255, 0, 4};
    QTest::newRow("red +1") << int(TColorGroup::RGB) << QList<int>{1, 0, 0} << 0 << 0 << TColorData{1, 0, 0};
    QTest::newRow("cyan at full black") << int(TColorGroup::CMYK) << QList<int>{1, 0, 0, 255} << 0 << 0
                                        << TColorData{0, 0, 0};
  }
  void steppedGroupColor() {
    QFETCH(int, group);
    QFETCH(QList<int>, positions);
    QFETCH(int, index);
    QFETCH(int, from);
    QFETCH(TColorData, color);
    std::array<int, 4> p{};
    for (int i = 0; i < positions.size(); ++i) p[std::size_t(i)] = positions[i];
    const TColorData got = hb::SteppedGroupColor(TColorGroup(group), p, index, from);
    QVERIFY2(got == color, Describe(got));
  }

  void parseHexColor_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<TColorData>("color");
    QTest::newRow("lower case") << "ff8000" << true << TColorData{255, 128, 0};
    QTest::newRow("mixed case") << "aBcDeF" << true << TColorData{171, 205, 239};
    QTest::newRow("black") << "000000" << true << TColorData{0, 0, 0};
    for (const char* bad : {"FF800", "", "FF80001", "FF 800", " FF800", "GG0000", "$F$F$F", "-1FFFF", "0x1234",
                            "ＦＦ８０００", "あいうえおか", "FF80\xE3\x81\x82"})
      QTest::newRow(bad) << QString::fromUtf8(bad) << false << TColorData{};
  }
  void parseHexColor() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(TColorData, color);
    const auto got = hb::ParseHexColor(text.toStdString());
    QCOMPARE(got.has_value(), valid);
    if (valid) QVERIFY2(*got == color, Describe(*got));
  }

  void colorValueLayout() {
    static_assert(hb::ColorValue(0x12, 0x34, 0x56) == 0x563412u);
    // Each component counts by its low byte only.
    QCOMPARE(hb::ColorValue(256 + 1, -1, 0x1FF), 0xFFFF01u);
    const std::uint32_t v = hb::ColorValue(200, 100, 50);
    QCOMPARE(hb::RedOf(v), 200);
    QCOMPARE(hb::GreenOf(v), 100);
    QCOMPARE(hb::BlueOf(v), 50);
    QCOMPARE(hb::BlueOf(0xFF000000u | v), 50);
  }
};

QTEST_GUILESS_MAIN(TestShownColor)
#include "tst_ShownColor.moc"
