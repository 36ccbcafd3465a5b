// The hexadecimal field's reading: what it read before reads the same, and
// CSS colours (full-width ones too) read as CSS Color 4 defines them.

#include <QtTest>

#include "color/CssColor.h"

using hb::TReadColor;
Q_DECLARE_METATYPE(TReadColor)

class TestCssColor : public QObject {
  Q_OBJECT

 private slots:
  void read_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<TReadColor>("want");
    const auto row = [](const char* text, int r, int g, int b, bool out = false) {
      QTest::newRow(text) << QString::fromUtf8(text) << TReadColor{{r, g, b}, out};
    };
    // Six hexadecimal characters, as the field has always read them.
    row("FF8000", 255, 128, 0);
    row("ff8000", 255, 128, 0);
    row("aBcDeF", 171, 205, 239);
    // Hexadecimal notations; alpha is dropped.
    row("#f80", 255, 136, 0);
    row("#f808", 255, 136, 0);
    row("#FF8000", 255, 128, 0);
    row("#ff800080", 255, 128, 0);
    row("  #ff8000\t", 255, 128, 0);
    // rgb(): numbers or percents, commas or spaces, 50% of 255 rounds up.
    row("rgb(255, 128, 0)", 255, 128, 0);
    row("rgb(255 128 0)", 255, 128, 0);
    row("rgba(255,128,0,0.5)", 255, 128, 0);
    row("RGB(100% 50% 0% / 50%)", 255, 128, 0);
    row("rgb(300 -5 1e2)", 255, 0, 100);
    row("rgb(none 128 0)", 0, 128, 0);
    // hsl() and hwb().
    row("hsl(30, 100%, 50%)", 255, 128, 0);
    row("hsla(0.5turn 100% 25% / 1)", 0, 128, 128);
    row("hsl(-330deg 100 50)", 255, 128, 0);
    row("hwb(120 20% 20%)", 51, 204, 51);
    row("hwb(0 60% 60%)", 128, 128, 128);
    // Red as CSS Color 4 writes it in its perceptual forms.
    row("lab(54.29 80.80 69.89)", 255, 0, 0);
    row("lch(54.29 106.84 40.86)", 255, 0, 0);
    row("oklch(62.80% 0.2577 29.23)", 255, 0, 0);
    row("oklab(0.628 0.2249 0.1258)", 255, 0, 0);
    // Named colours, any case.
    row("rebeccapurple", 102, 51, 153);
    row("DarkOliveGreen", 85, 107, 47);
    // Full width, as an input method leaves it.
    row("＃ＦＦ８０００", 255, 128, 0);
    row("ｒｇｂ（２５５，１２８，０）", 255, 128, 0);
    row("ｏｒａｎｇｅ", 255, 165, 0);
    row("hsl(30　100%　50%)", 255, 128, 0);
    // Outside sRGB: white and black at the ends of lightness.
    row("oklch(100% 0.3 30)", 255, 255, 255, true);
    row("oklch(0% 0.2 30)", 0, 0, 0, true);
    row("lab(100 0 0)", 255, 255, 255);
  }
  void read() {
    QFETCH(QString, text);
    QFETCH(TReadColor, want);
    const std::optional<TReadColor> got = hb::ReadColorText(text.toStdString());
    QVERIFY(got);
    QCOMPARE(got->Color.R, want.Color.R);
    QCOMPARE(got->Color.G, want.Color.G);
    QCOMPARE(got->Color.B, want.Color.B);
    QCOMPARE(got->OutOfGamut, want.OutOfGamut);
  }

  void refused_data() {
    QTest::addColumn<QString>("text");
    for (const char* text :
         {"", "12345", "#ff800", "#gg8000", "rgb(255,128)", "rgb(1,2,3,4,5)", "rgb(1deg 2 3)", "rgb(255 128 0",
          "rgb((1,2,3))", "rgb(nan 0 0)", "rgb(inf,0,0)", "rgb(1 2 3 / 4deg)", "rgb(1 / 2 3 4)", "hsl(30% 50% 50%)",
          "lab(50 20)", "notacolour", "transparent", "ＦＦ８０", "ＦＦ８０００", "  ff8000", "rgb(1 2 3) x", "#ff8000é"})
      QTest::newRow(text) << QString::fromUtf8(text);
    QTest::newRow("over the length cap") << "rgb(255, 128, 0" + QString(600, ' ') + ")";
  }
  void refused() {
    QFETCH(QString, text);
    QVERIFY(!hb::ReadColorText(text.toStdString()));
  }

  // A colour well outside sRGB keeps its lightness and hue roughly, with less chroma.
  void gamutMapped() {
    const std::optional<TReadColor> got = hb::ReadColorText("oklch(60% 0.4 145)");
    QVERIFY(got && got->OutOfGamut);
    QVERIFY(got->Color.G > 120 && got->Color.R < got->Color.G && got->Color.B < got->Color.G);
  }
};

QTEST_GUILESS_MAIN(TestCssColor)
#include "tst_CssColor.moc"
