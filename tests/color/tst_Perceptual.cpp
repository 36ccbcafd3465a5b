#include <QtTest>

#include "color/Perceptual.h"

using namespace hb;

class TestPerceptual : public QObject {
  Q_OBJECT

  static void Near(const char* what, long double got, double want, double tolerance) {
    QVERIFY2(std::fabs(double(got) - want) <= tolerance,
             qPrintable(QString("%1: %2, want %3").arg(what).arg(double(got), 0, 'f', 6).arg(want)));
  }

 private slots:
  // Sharma, Wu and Dalal (2005), "The CIEDE2000 color-difference formula:
  // implementation notes, supplementary test data, and mathematical
  // observations", Table 1: all 34 pairs, ΔE00 given to 4 decimals. Pairs 7-16
  // cross the hue discontinuities the formula's notes warn about.
  void deltaE2000_data() {
    QTest::addColumn<QList<double>>("pair");  // L1 a1 b1 L2 a2 b2 ΔE00
    static const double table[34][7] = {
        {50.0000, 2.6772, -79.7751, 50.0000, 0.0000, -82.7485, 2.0425},
        {50.0000, 3.1571, -77.2803, 50.0000, 0.0000, -82.7485, 2.8615},
        {50.0000, 2.8361, -74.0200, 50.0000, 0.0000, -82.7485, 3.4412},
        {50.0000, -1.3802, -84.2814, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, -1.1848, -84.8006, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, -0.9009, -85.5211, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, 0.0000, 0.0000, 50.0000, -1.0000, 2.0000, 2.3669},
        {50.0000, -1.0000, 2.0000, 50.0000, 0.0000, 0.0000, 2.3669},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0009, 7.1792},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0010, 7.1792},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0011, 7.2195},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0012, 7.2195},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0009, -2.4900, 4.8045},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0010, -2.4900, 4.8045},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0011, -2.4900, 4.7461},
        {50.0000, 2.5000, 0.0000, 50.0000, 0.0000, -2.5000, 4.3065},
        {50.0000, 2.5000, 0.0000, 73.0000, 25.0000, -18.0000, 27.1492},
        {50.0000, 2.5000, 0.0000, 61.0000, -5.0000, 29.0000, 22.8977},
        {50.0000, 2.5000, 0.0000, 56.0000, -27.0000, -3.0000, 31.9030},
        {50.0000, 2.5000, 0.0000, 58.0000, 24.0000, 15.0000, 19.4535},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.1736, 0.5854, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2972, 0.0000, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 1.8634, 0.5757, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2592, 0.3350, 1.0000},
        {60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387, 1.2644},
        {63.0109, -31.0961, -5.8663, 62.8187, -29.7946, -4.0864, 1.2630},
        {61.2901, 3.7196, -5.3901, 61.4292, 2.2480, -4.9620, 1.8731},
        {35.0831, -44.1164, 3.7933, 35.0232, -40.0716, 1.5901, 1.8645},
        {22.7233, 20.0904, -46.6940, 23.0331, 14.9730, -42.5619, 2.0373},
        {36.4612, 47.8580, 18.3852, 36.2715, 50.5065, 21.2231, 1.4146},
        {90.8027, -2.0831, 1.4410, 91.1528, -1.6435, 0.0447, 1.4441},
        {90.9257, -0.5406, -0.9208, 88.6381, -0.8985, -0.7239, 1.5381},
        {6.7747, -0.2908, -2.4247, 5.8714, -0.0985, -2.2286, 0.6377},
        {2.0776, 0.0795, -1.1350, 0.9033, -0.0636, -0.5514, 0.9082}};
    int n = 0;
    for (const auto& row : table) QTest::addRow("pair %d", ++n) << QList<double>(row, row + 7);
  }
  void deltaE2000() {
    QFETCH(QList<double>, pair);
    const TLab x{pair[0], pair[1], pair[2]}, y{pair[3], pair[4], pair[5]};
    // Published to 4 decimals: the result must round to the same value, both ways round.
    Near("x to y", DeltaE2000(x, y), pair[6], 0.00005);
    Near("y to x", DeltaE2000(y, x), pair[6], 0.00005);
  }

  // sRGB primaries and neutrals. OKLab: the values published with OKLab and
  // CSS Color 4 for sRGB red, green and blue, to 5 decimals, then the
  // distance to black worked out from those published coordinates. CIELAB D65: the
  // widely published values, to 2 decimals, from the older 4-digit sRGB
  // matrix (so 0.01 apart at most). CIELAB D50: CSS Color 4's lab() of the
  // same colours as colour references publish them, to 2 decimals.
  void conversions_data() {
    for (const char* c : {"rgb", "oklab", "labD65", "labD50"}) QTest::addColumn<QList<double>>(c);
    QTest::newRow("red") << QList<double>{255, 0, 0} << QList<double>{0.62796, 0.22486, 0.12585, 0.67877}
                         << QList<double>{53.24, 80.09, 67.20} << QList<double>{54.29, 80.80, 69.89};
    QTest::newRow("green") << QList<double>{0, 255, 0} << QList<double>{0.86644, -0.23389, 0.17950, 0.91523}
                           << QList<double>{87.73, -86.18, 83.18} << QList<double>{87.82, -79.27, 80.99};
    QTest::newRow("blue") << QList<double>{0, 0, 255} << QList<double>{0.45201, -0.03246, -0.31153, 0.54993}
                          << QList<double>{32.30, 79.19, -107.86} << QList<double>{29.57, 68.29, -112.03};
    QTest::newRow("white") << QList<double>{255, 255, 255} << QList<double>{1, 0, 0, 1}
                           << QList<double>{100, 0, 0} << QList<double>{100, 0, 0};
    QTest::newRow("black") << QList<double>{0, 0, 0} << QList<double>{0, 0, 0, 0} << QList<double>{0, 0, 0}
                           << QList<double>{0, 0, 0};
  }
  void conversions() {
    QFETCH(QList<double>, rgb);
    QFETCH(QList<double>, oklab);
    QFETCH(QList<double>, labD65);
    QFETCH(QList<double>, labD50);
    const int R = int(rgb[0]), G = int(rgb[1]), B = int(rgb[2]);
    const TOKLab ok = SRGBToOKLab(R, G, B);
    Near("OKLab L", ok.L, oklab[0], 0.000006);
    Near("OKLab a", ok.a, oklab[1], 0.000006);
    Near("OKLab b", ok.b, oklab[2], 0.000006);
    const TLab d65 = SRGBToLabD65(R, G, B), d50 = SRGBToLabD50(R, G, B);
    Near("D65 L", d65.L, labD65[0], 0.01);
    Near("D65 a", d65.a, labD65[1], 0.01);
    Near("D65 b", d65.b, labD65[2], 0.01);
    Near("D50 L", d50.L, labD50[0], 0.005);
    Near("D50 a", d50.a, labD50[1], 0.005);
    Near("D50 b", d50.b, labD50[2], 0.005);
    // Back from OKLab. Ottosson's ten-digit matrices are each other's inverse
    // to about 1e-8 in linear light, which the steep foot of the sRGB curve
    // magnifies near 0: far inside one 8-bit step all the same.
    const TSRGBFloat back = OKLabToSRGB(ok);
    Near("back R", back.R, R / 255.0, 1e-5);
    Near("back G", back.G, G / 255.0, 1e-5);
    Near("back B", back.B, B / 255.0, 1e-5);
    Near("ΔE_OK to black", DeltaEOK(ok, SRGBToOKLab(0, 0, 0)), oklab[3], 0.00001);
  }
};

QTEST_GUILESS_MAIN(TestPerceptual)
#include "tst_Perceptual.moc"
