#include <QtTest>

#include <cmath>
#include <limits>

#include "color/ColorConvert.h"
#include "text/Errors.h"

using namespace hb;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSentinelHue = 77.5;  // what a grey must leave in place

// QCOMPARE on doubles is fuzzy; these must be the exact stored doubles.
QString Exact(double d) { return QString::number(d, 'g', 17); }
QByteArray Str(TRGBBytes c) { return QByteArray::number(c.R) + "," + QByteArray::number(c.G) + "," + QByteArray::number(c.B); }

// A third of all colours: every R and G, B in steps of 3 from an offset that
// varies with R and G, so every B value is met.
template <typename F> void ForDenseSample(F&& check) {
  for (int r = 0; r < 256; ++r)
    for (int g = 0; g < 256; ++g)
      for (int b = (r + g) % 3; b < 256; b += 3) check(r, g, b);
}
} // namespace

class TestColorConvert : public QObject {
  Q_OBJECT

 private slots:
  // Reference colours, black and white included; H = NaN means "not written".
  void rgbConversions_data() {
    for (const char* c : {"r", "g", "b"}) QTest::addColumn<int>(c);
    for (const char* c : {"h", "s", "v"}) QTest::addColumn<double>(c);
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QList<int>>("cmyk");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("webSafe");
    auto row = [](const char* n, int r, int g, int b, double h, double s, double v, QList<int> shown, QList<int> cmyk,
                  const char* text, bool ws) { QTest::newRow(n) << r << g << b << h << s << v << shown << cmyk << QString(text) << ws; };
    row("red", 255, 0, 0, 0, 1, 1, {0, 100, 100}, {0, 255, 255, 0}, "FF0000", true);
    row("grey128", 128, 128, 128, kNaN, 0, 128 / 255.0, {77, 0, 50}, {0, 0, 0, 127}, "808080", false);
    row("navy", 12, 34, 56, 210, 44 / 56.0, 56 / 255.0, {210, 78, 21}, {44, 22, 0, 199}, "0C2238", false);
    row("orange", 255, 128, 0, 30.11764705882352941, 1, 1, {30, 100, 100}, {0, 127, 255, 0}, "FF8000", false);
    row("s truncates to 28", 100, 71, 71, 0, 0.29, 100 / 255.0, {0, 28, 39}, {0, 29, 29, 155}, "644747", false);
    row("v 0.6 shows 59", 153, 153, 153, kNaN, 0, 0.6, {77, 0, 59}, {0, 0, 0, 102}, "999999", true);
    row("hue 123 needs extended", 0, 100, 5, 123, 1, 100 / 255.0, {123, 100, 39}, {100, 0, 95, 155}, "006405", false);
    row("web blue", 51, 102, 153, 210, 102 / 153.0, 0.6, {210, 66, 59}, {102, 51, 0, 102}, "336699", true);
    row("black", 0, 0, 0, kNaN, 0, 0, {77, 0, 0}, {0, 0, 0, 255}, "000000", true);
    row("white", 255, 255, 255, kNaN, 0, 1, {77, 0, 100}, {0, 0, 0, 0}, "FFFFFF", true);
    row("magenta tie", 255, 0, 255, 300, 1, 1, {300, 100, 100}, {0, 255, 0, 0}, "FF00FF", true);
  }

  void rgbConversions() {
    QFETCH(int, r); QFETCH(int, g); QFETCH(int, b);
    QFETCH(double, h); QFETCH(double, s); QFETCH(double, v);
    QFETCH(QList<int>, shown); QFETCH(QList<int>, cmyk); QFETCH(QString, text); QFETCH(bool, webSafe);

    THSVColor hsv{kSentinelHue, -1, -1};
    TColorConvert::RGBToHSV(r, g, b, hsv);
    QCOMPARE(Exact(hsv.H), Exact(std::isnan(h) ? kSentinelHue : h));
    QCOMPARE(Exact(hsv.S), Exact(s));
    QCOMPARE(Exact(hsv.V), Exact(v));
    QCOMPARE((QList<int>{ShownHue(hsv.H), ShownSaturation(hsv.S), ShownValue(hsv.V)}), shown);

    const TCMYKColor c = UnpackCMYK(TColorConvert::RGBToCMYK(r, g, b));
    QCOMPARE((QList<int>{c.C, c.M, c.Y, c.K}), cmyk);
    QCOMPARE(TColorConvert::RGBToCMYK(r, g, b), quint32(cmyk[0] | cmyk[1] << 8 | cmyk[2] << 16 | cmyk[3] << 24));
    QCOMPARE(QString::fromStdString(HexColorText(r, g, b)), text);
    QCOMPARE(IsWebSafe(r, g, b), webSafe);
  }

  void hsvToRgb_data() {
    for (const char* c : {"h", "s", "v"}) QTest::addColumn<double>(c);
    QTest::addColumn<QByteArray>("rgb");
    auto row = [](const char* n, double h, double s, double v, const char* rgb) { QTest::newRow(n) << h << s << v << QByteArray(rgb); };
    // Reference conversions; halves round to even.
    row("t 127.5 -> 128 both", 0, 0.5, 1, "255,128,128");
    row("t 127.5 -> 128", 30, 1, 1, "255,128,0");
    row("t 191.25", 45, 1, 1, "255,191,0");
    row("v 127.5 -> 128, q 85.33", 200, 1, 0.5, "0,85,128");
    row("t 76.5 -> 76", 270, 0.5, 0.4, "76,51,102");
    row("359", 359, 1, 1, "255,0,4");
    row("360 is red", 360, 1, 1, "255,0,0");
    row("grey", 0, 0, 0.5, "128,128,128");
    row("just under 360", std::nextafter(360.0, 0.0), 1, 1, "255,0,0");
    // Exact ties in real numbers (t = 0.5, 77.5) that h and f, rounded to
    // double, put just below.
    row("h as double 2,100,6", 2, 1, 0.06, "15,0,0");
    row("h as double 2,50,59", 2, 0.5, 0.59, "150,77,75");
    // Chart pixels (x, y): hue x, saturation (y div 3) / 85, value 1.
    row("chart 0,0", 0, 0, 1, "255,255,255");
    row("chart 30,255", 30, 1, 1, "255,128,0");
    row("chart 90,255", 90, 85 / 85.0, 1, "128,255,0");
    row("chart 120,255", 120, 1, 1, "0,255,0");
    row("chart 200,255", 200, 1, 1, "0,170,255");
    row("chart 240,255", 240, 1, 1, "0,0,255");
    row("chart 0,126", 0, 42 / 85.0, 1, "255,129,129");
    row("chart 180,129", 180, 43 / 85.0, 1, "126,255,255");
    row("chart 0,252", 0, 84 / 85.0, 1, "255,3,3");
    // Scheme swatches around pure red (hue = offset).
    const struct { int hue; const char* rgb; } swatches[] = {
        {15, "255,64,0"}, {345, "255,0,64"}, {30, "255,128,0"}, {45, "255,191,0"}, {330, "255,0,128"},
        {315, "255,0,191"}, {60, "255,255,0"}, {75, "191,255,0"}, {90, "128,255,0"}, {105, "64,255,0"},
        {300, "255,0,255"}, {285, "191,0,255"}, {270, "128,0,255"}, {255, "64,0,255"}, {120, "0,255,0"},
        {135, "0,255,64"}, {150, "0,255,128"}, {240, "0,0,255"}, {225, "0,64,255"}, {210, "0,128,255"},
        {165, "0,255,191"}, {180, "0,255,255"}, {195, "0,191,255"}};
    for (const auto& sw : swatches)
      QTest::addRow("scheme %d", sw.hue) << double(sw.hue) << 1.0 << 1.0 << QByteArray(sw.rgb);
    // Beyond the documented ranges: clamped, never wrapped.
    row("s 2 clamps p,t", 0, 2, 1, "255,0,0");
    row("s -1 clamps to 255", 0, -1, 0.5, "128,255,255");
    row("v 2", 120, 0.5, 2, "255,255,255");
    row("v huge", 120, 0.5, 1e300, "255,255,255");
    row("grey v negative", 0, 0, -1, "0,0,0");
    row("hue +inf counts as 0", kInf, 1, 1, "255,0,0");
  }

  void hsvToRgb() {
    QFETCH(double, h); QFETCH(double, s); QFETCH(double, v); QFETCH(QByteArray, rgb);
    TRGBBytes out{1, 2, 3};
    TColorConvert::HSVToRGB(h, s, v, out);
    QCOMPARE(Str(out), rgb);
    QCOMPARE(Str(TColorConvert::HSVToRGB(h, s, v)), rgb);
  }

  void hsvToRgbWritesNothing_data() {
    for (const char* c : {"h", "s", "v"}) QTest::addColumn<double>(c);
    QTest::newRow("hue -1") << -1.0 << 1.0 << 1.0;
    QTest::newRow("hue -0.5 (truncates to sector 0)") << -0.5 << 1.0 << 1.0;
    QTest::newRow("hue -inf") << -kInf << 1.0 << 1.0;
    QTest::newRow("hue NaN") << kNaN << 1.0 << 1.0;
    QTest::newRow("s NaN") << 0.0 << kNaN << 1.0;
    QTest::newRow("s inf") << 0.0 << kInf << 1.0;
    QTest::newRow("v NaN") << 0.0 << 1.0 << kNaN;
    QTest::newRow("grey v inf") << 0.0 << 0.0 << kInf;
  }

  void hsvToRgbWritesNothing() {
    QFETCH(double, h); QFETCH(double, s); QFETCH(double, v);
    TRGBBytes out{1, 2, 3};
    TColorConvert::HSVToRGB(h, s, v, out);
    QCOMPARE(Str(out), QByteArray("1,2,3"));
    QCOMPARE(Str(TColorConvert::HSVToRGB(h, s, v)), QByteArray("0,0,0"));
  }

  void hue360IsHue0() {
    for (double s : {0.01, 0.29, 0.5, 0.99, 1.0})
      for (double v : {0.0, 0.21, 0.6, 1.0})
        for (double h : {360.0, 360.5, 720.0})
          QVERIFY2(TColorConvert::HSVToRGB(h, s, v) == TColorConvert::HSVToRGB(0, s, v), qPrintable(QString("%1 %2 %3").arg(h).arg(s).arg(v)));
  }

  void cmykToRgb_data() {
    QTest::addColumn<QList<double>>("cmyk");
    QTest::addColumn<QByteArray>("rgb");
    QTest::newRow("red") << QList<double>{0, 255, 255, 0} << QByteArray("255,0,0");
    QTest::newRow("mixed") << QList<double>{10, 20, 30, 100} << QByteArray("145,135,125");
    QTest::newRow("black") << QList<double>{0, 0, 0, 255} << QByteArray("0,0,0");
    QTest::newRow("white") << QList<double>{0, 0, 0, 0} << QByteArray("255,255,255");
    QTest::newRow("controls 50,60,70,0") << QList<double>{50, 60, 70, 0} << QByteArray("205,195,185");
    QTest::newRow("ties to even") << QList<double>{0.5, 1.5, 2.5, 0} << QByteArray("254,254,252");
    QTest::newRow("sums above 255 clamp") << QList<double>{200, 155, 0, 100} << QByteArray("0,0,155");
    QTest::newRow("all 255") << QList<double>{255, 255, 255, 255} << QByteArray("0,0,0");
    QTest::newRow("negative inputs clamp") << QList<double>{-10, 0, -0.4, 0} << QByteArray("255,255,255");
    QTest::newRow("inf K") << QList<double>{0, 0, 0, kInf} << QByteArray("0,0,0");
  }

  void cmykToRgb() {
    QFETCH(QList<double>, cmyk); QFETCH(QByteArray, rgb);
    QCOMPARE(Str(TColorConvert::CMYKToRGB(cmyk[0], cmyk[1], cmyk[2], cmyk[3])), rgb);
    // A NaN component stops there; earlier ones are written.
    TRGBBytes out{1, 2, 3};
    TColorConvert::CMYKToRGB(cmyk[0], kNaN, cmyk[2], cmyk[3], out);
    QCOMPARE(Str(out), rgb.left(rgb.indexOf(',')) + ",2,3");
  }

  void cmykInvariantsOverDenseSample() {
    int failures = 0;
    ForDenseSample([&](int r, int g, int b) {
      const TCMYKColor c = UnpackCMYK(TColorConvert::RGBToCMYK(r, g, b));
      const TRGBBytes back = TColorConvert::CMYKToRGB(c.C, c.M, c.Y, c.K);
      const bool ok = (c.C == 0 || c.M == 0 || c.Y == 0) && c.C + c.K <= 255 && c.M + c.K <= 255 &&
                      c.Y + c.K <= 255 && back == TRGBBytes{quint8(r), quint8(g), quint8(b)};
      if (!ok && ++failures <= 3) qWarning("CMYK fails for %d,%d,%d", r, g, b);
    });
    QCOMPARE(failures, 0);
  }

  // HSV from RGB keeps enough precision to come back exactly.
  void hsvRoundTripOverDenseSample() {
    int failures = 0;
    ForDenseSample([&](int r, int g, int b) {
      THSVColor hsv{0, 0, 0};
      TColorConvert::RGBToHSV(r, g, b, hsv);
      const bool ok = hsv.H >= 0 && hsv.H < 360 && ShownSaturation(hsv.S) <= 100 &&
                      TColorConvert::HSVToRGB(hsv.H, hsv.S, hsv.V) == TRGBBytes{quint8(r), quint8(g), quint8(b)};
      if (!ok && ++failures <= 3) qWarning("HSV round trip fails for %d,%d,%d", r, g, b);
    });
    QCOMPARE(failures, 0);
  }

  // Control positions -> HSVToRGB -> RGBToHSV -> shown positions.
  void controlScaleChain_data() {
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QByteArray>("rgb");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("S 50 shows 49") << QList<int>{0, 50, 100} << QByteArray("255,128,128") << QList<int>{0, 49, 100};
    QTest::newRow("H 45 shows 44") << QList<int>{45, 100, 100} << QByteArray("255,191,0") << QList<int>{44, 100, 100};
    QTest::newRow("V 0 is black") << QList<int>{200, 80, 0} << QByteArray("0,0,0") << QList<int>{77, 0, 0};
    QTest::newRow("V back up is grey") << QList<int>{77, 0, 60} << QByteArray("153,153,153") << QList<int>{77, 0, 59};
    QTest::newRow("S 29") << QList<int>{0, 29, 100} << QByteArray("255,181,181") << QList<int>{0, 29, 100};
  }

  void controlScaleChain() {
    QFETCH(QList<int>, positions); QFETCH(QByteArray, rgb); QFETCH(QList<int>, shown);
    const TRGBBytes c = TColorConvert::HSVToRGB(HueFromPosition(positions[0]), SaturationFromPosition(positions[1]),
                                                ValueFromPosition(positions[2]));
    QCOMPARE(Str(c), rgb);
    THSVColor hsv{kSentinelHue, 0, 0};
    TColorConvert::RGBToHSV(c.R, c.G, c.B, hsv);
    QCOMPARE((QList<int>{ShownHue(hsv.H), ShownSaturation(hsv.S), ShownValue(hsv.V)}), shown);
  }

  void shownScaleGuards() {
    QCOMPARE(ShownHue(359.999), 359);
    QCOMPARE(ShownSaturation(0.999), 99);
    QCOMPARE(ShownHue(kNaN), 0);
    QCOMPARE(ShownValue(kInf), std::numeric_limits<int>::max());
    QCOMPARE(ShownHue(-1e300), std::numeric_limits<int>::min());
    QCOMPARE(ShownSaturation(-0.015), -1);  // toward zero, not down
  }

  void hexToInt_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("error");
    const QString digits = QStringLiteral("桁数が2桁か4桁ではありません。");
    auto bad = [](const char* g) { return QString::fromUtf8("'$%1' is not a valid integer value").arg(QString::fromUtf8(g)); };
    QTest::newRow("FF") << QByteArray("FF") << 255 << QString();
    QTest::newRow("$1a") << QByteArray("$1a") << 26 << QString();
    QTest::newRow("0102") << QByteArray("0102") << 258 << QString();
    QTest::newRow("$ffFF") << QByteArray("$ffFF") << 65535 << QString();
    QTest::newRow("empty") << QByteArray("") << -1 << QString();
    QTest::newRow("lone $") << QByteArray("$") << -1 << QString();
    QTest::newRow("ABC") << QByteArray("ABC") << 0 << digits;
    QTest::newRow("1") << QByteArray("1") << 0 << digits;
    QTest::newRow("$12345") << QByteArray("$12345") << 0 << digits;
    QTest::newRow("G0") << QByteArray("G0") << 0 << bad("G0");
    QTest::newRow("$$1 strips once") << QByteArray("$$1") << 0 << bad("$1");
    QTest::newRow("second pair") << QByteArray("12g0") << 0 << bad("g0");
    QTest::newRow("first pair first") << QByteArray("x0y0") << 0 << bad("x0");
    QTest::newRow("sign") << QByteArray("-1") << 0 << bad("-1");
    QTest::newRow("blank") << QByteArray(" 1") << 0 << bad(" 1");
    QTest::newRow("multibyte kept whole") << QByteArray("ソソ表1") << 0 << bad("ソソ");
    QTest::newRow("multibyte counts once") << QByteArray("表1") << 0 << bad("表1");
  }

  void hexToInt() {
    QFETCH(QByteArray, text); QFETCH(int, value); QFETCH(QString, error);
    try {
      const int got = HexToInt(std::string_view(text.constData(), text.size()));
      QVERIFY2(error.isEmpty(), "no error raised");
      QCOMPARE(got, value);
    } catch (const ConversionError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), error);
    }
  }

  void webSafe_data() {
    QTest::addColumn<QList<int>>("rgb");
    QTest::addColumn<bool>("safe");
    QTest::newRow("51,102,153") << QList<int>{51, 102, 153} << true;
    QTest::newRow("51,102,154") << QList<int>{51, 102, 154} << false;
    QTest::newRow("204,0,255") << QList<int>{204, 0, 255} << true;
    QTest::newRow("306 is a multiple but no colour") << QList<int>{306, 0, 0} << false;
    QTest::newRow("-51") << QList<int>{0, -51, 0} << false;
  }

  void webSafe() {
    QFETCH(QList<int>, rgb); QFETCH(bool, safe);
    QCOMPARE(IsWebSafe(rgb[0], rgb[1], rgb[2]), safe);
  }
};

QTEST_APPLESS_MAIN(TestColorConvert)
#include "tst_ColorConvert.moc"
