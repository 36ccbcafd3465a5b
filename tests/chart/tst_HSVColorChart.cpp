// The chart's pixels: sample points, band boundaries and images of other heights.

#include <QtTest>

#include "chart/HSVColorChart.h"
#include "support/Controls.h"

class TestHSVColorChart : public QObject {
  Q_OBJECT

  QImage chart;

 private slots:
  void initTestCase() {
    hb::TImage image(nullptr);
    image.resize(361, 256);
    THSVColorChart::DrawChart(&image);
    chart = image.Picture();
    QCOMPARE(chart.size(), QSize(361, 256));
  }

  void pixels_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("color");
    QTest::newRow("top left white") << 0 << 0 << QColor(255, 255, 255);
    QTest::newRow("top right white") << 360 << 2 << QColor(255, 255, 255);
    QTest::newRow("tie rounds to even") << 30 << 255 << QColor(255, 128, 0);
    QTest::newRow("45 degrees") << 45 << 255 << QColor(255, 191, 0);
    QTest::newRow("90 degrees") << 90 << 255 << QColor(128, 255, 0);
    QTest::newRow("200 degrees") << 200 << 255 << QColor(0, 170, 255);
    QTest::newRow("359 degrees") << 359 << 255 << QColor(255, 0, 4);
    QTest::newRow("column 360 is red") << 360 << 255 << QColor(255, 0, 0);
    QTest::newRow("column 0 is red") << 0 << 255 << QColor(255, 0, 0);
    QTest::newRow("pure green") << 120 << 255 << QColor(0, 255, 0);
    QTest::newRow("pure blue") << 240 << 255 << QColor(0, 0, 255);
    QTest::newRow("band 42") << 0 << 126 << QColor(255, 129, 129);
    QTest::newRow("band 43") << 180 << 129 << QColor(126, 255, 255);
    QTest::newRow("band 84") << 0 << 252 << QColor(255, 3, 3);
    QTest::newRow("band 84 last row") << 0 << 254 << QColor(255, 3, 3);
    QTest::newRow("band 1 first row") << 0 << 3 << QColor(255, 252, 252);
  }
  void pixels() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, color);
    QCOMPARE(QColor(chart.pixel(x, y)), color);
  }

  void bandsAreThreeRowsOfOneColour() {
    for (int x = 0; x <= 360; x += 7)
      for (int b = 0; b < 85; ++b) {
        const QRgb top = chart.pixel(x, 3 * b);
        QCOMPARE(chart.pixel(x, 3 * b + 1), top);
        QCOMPARE(chart.pixel(x, 3 * b + 2), top);
      }
    for (int x = 0; x <= 360; ++x) QCOMPARE(chart.pixel(x, 0), qRgb(255, 255, 255));
  }

  // Band count (H - 1) div 3 + 1 with the last band fully saturated; below
  // four rows there is a single white band.
  void otherHeights_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("lastBandTop");
    QTest::addColumn<QColor>("lastBandAt120");
    QTest::newRow("1 row") << 1 << 0 << QColor(255, 255, 255);
    QTest::newRow("3 rows") << 3 << 0 << QColor(255, 255, 255);
    QTest::newRow("4 rows") << 4 << 3 << QColor(0, 255, 0);
    QTest::newRow("10 rows") << 10 << 9 << QColor(0, 255, 0);
    QTest::newRow("100 rows") << 100 << 99 << QColor(0, 255, 0);
  }
  void otherHeights() {
    QFETCH(int, height);
    QFETCH(int, lastBandTop);
    QFETCH(QColor, lastBandAt120);
    hb::TImage image(nullptr);
    image.resize(361, height);
    THSVColorChart::DrawChart(&image);
    QCOMPARE(image.Picture().height(), height);
    QCOMPARE(QColor(image.Picture().pixel(120, lastBandTop)), lastBandAt120);
    QCOMPARE(QColor(image.Picture().pixel(120, 0)), QColor(255, 255, 255));
  }

  void narrowImageIsClipped() {
    QImage narrow(100, 256, QImage::Format_RGB32);
    narrow.fill(Qt::black);
    THSVColorChart::DrawChart(narrow, 256);
    QCOMPARE(QColor(narrow.pixel(90, 255)), QColor(128, 255, 0));
  }
};

QTEST_MAIN(TestHSVColorChart)
#include "tst_HSVColorChart.moc"
