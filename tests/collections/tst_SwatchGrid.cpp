// The grid of the keep and history views: cells fill a row until the next one
// would stick out of the panel, then the next row starts at the left.

#include <QtTest>

#include "collections/SwatchGrid.h"

class TestSwatchGrid : public QObject {
  Q_OBJECT
 private slots:
  void firstSwatchAtOrigin() {
    const hb::TGridCell c = hb::NextGridCell(nullptr, 121);
    QCOMPARE(c.Left, 0);
    QCOMPARE(c.Top, 0);
  }

  void cellsOfTheNthSwatch_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    // Four to a row at the design width of 121.
    QTest::newRow("121: fourth in row") << 121 << 3 << 75 << 0;
    QTest::newRow("121: fifth wraps") << 121 << 4 << 0 << 25;
    QTest::newRow("121: ninth") << 121 << 8 << 0 << 50;
    QTest::newRow("121: 33rd") << 121 << 32 << 0 << 200;
    // A cell whose right edge meets the width exactly still fits.
    QTest::newRow("100: edge fits") << 100 << 3 << 75 << 0;
    QTest::newRow("100: then wraps") << 100 << 4 << 0 << 25;
    QTest::newRow("99: edge passes") << 99 << 3 << 0 << 25;
    // Narrower than a swatch: one per row, the first still at (0, 0).
    QTest::newRow("10: one per row") << 10 << 2 << 0 << 50;
    QTest::newRow("0: one per row") << 0 << 1 << 0 << 25;
  }

  void cellsOfTheNthSwatch() {
    QFETCH(int, width);
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    hb::TGridCell cell = hb::NextGridCell(nullptr, width);
    for (int i = 0; i < index; ++i) cell = hb::NextGridCell(&cell, width);
    QCOMPARE(cell.Left, left);
    QCOMPARE(cell.Top, top);
  }
};

QTEST_GUILESS_MAIN(TestSwatchGrid)
#include "tst_SwatchGrid.moc"
