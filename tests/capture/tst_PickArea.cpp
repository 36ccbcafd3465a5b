// The sampled area's mean (rounding, pixels off the screen), the areas a
// user steps through, and where the magnifier stands beside the cursor.

#include <QtTest>

#include "capture/PickArea.h"
#include "values/ColorValue.h"

using hb::kNoPixel;

namespace {
// A square from rows of packed colours.
hb::TPixelSquare Square(int side, std::vector<std::uint32_t> pixels) { return {side, std::move(pixels)}; }
constexpr std::uint32_t N = kNoPixel;
constexpr std::uint32_t C(int r, int g, int b) { return hb::ColorValue(r, g, b); }
} // namespace

class TestPickArea : public QObject {
  Q_OBJECT

 private slots:
  void mean_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<std::vector<std::uint32_t>>("pixels");
    QTest::addColumn<int>("area");
    QTest::addColumn<uint>("mean");
    const std::uint32_t z = C(0, 0, 0);
    QTest::newRow("1x1 is the centre pixel")
        << 3 << std::vector<std::uint32_t>{z, z, z, z, C(12, 34, 56), z, z, z, z} << 1 << uint(C(12, 34, 56));
    // The cursor on the screen's top-left pixel: four of nine on the screen,
    // red 42/4 = 10.5 rounds up, green 1/4 down, blue 1019/4 = 254.75 up.
    QTest::newRow("3x3 at a corner, half up")
        << 3 << std::vector<std::uint32_t>{N, N, N, N, C(10, 0, 255), C(11, 0, 255), N, C(10, 0, 255), C(11, 1, 254)}
        << 3 << uint(C(11, 0, 255));
    QTest::newRow("nothing on the screen is black") << 3 << std::vector<std::uint32_t>(9, N) << 3 << 0u;
    QTest::newRow("centre off the screen, 1x1") << 3 << std::vector<std::uint32_t>(9, N) << 1 << 0u;
    // 5x5: red 255/25 = 10.2, green 200, blue 13 * 255 / 25 = 132.6.
    std::vector<std::uint32_t> big(25, C(0, 200, 0));
    big[0] = C(255, 200, 0);
    for (std::size_t i = 0; i < 13; ++i) big[i] |= C(0, 0, 255);
    QTest::newRow("5x5") << 5 << big << 5 << uint(C(10, 200, 133));
    // A white ring around a black 5x5: the ring is not in the area.
    std::vector<std::uint32_t> ringed(49, C(255, 255, 255));
    for (std::size_t y = 1; y < 6; ++y)
      for (std::size_t x = 1; x < 6; ++x) ringed[y * 7 + x] = z;
    QTest::newRow("5x5 of a 7x7 leaves the ring out") << 7 << ringed << 5 << 0u;
    QTest::newRow("an area the square cannot hold is its centre")
        << 1 << std::vector<std::uint32_t>{C(1, 2, 3)} << 5 << uint(C(1, 2, 3));
    QTest::newRow("an area that is none reads as 1")
        << 3 << std::vector<std::uint32_t>{z, z, z, z, C(9, 9, 9), z, z, z, z} << 4 << uint(C(9, 9, 9));
  }
  void mean() {
    QFETCH(int, side);
    QFETCH(std::vector<std::uint32_t>, pixels);
    QFETCH(int, area);
    QFETCH(uint, mean);
    QCOMPARE(uint(hb::AreaMean(Square(side, pixels), area)), mean);
  }

  void steps_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("next");
    QTest::newRow("1 up") << 1 << 1 << 3;
    QTest::newRow("3 up") << 3 << 1 << 5;
    QTest::newRow("5 up stays") << 5 << 1 << 5;
    QTest::newRow("5 down") << 5 << -1 << 3;
    QTest::newRow("1 down stays") << 1 << -1 << 1;
    QTest::newRow("stored 4 is 1, up") << 4 << 1 << 3;
    QTest::newRow("stored -3 is 1") << -3 << 0 << 1;
  }
  void steps() {
    QFETCH(int, area);
    QFETCH(int, step);
    QFETCH(int, next);
    QCOMPARE(hb::NextPickArea(area, step), next);
  }

  void place_data() {
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("middle: below right") << QPoint(640, 512) << screen << QPoint(653, 525);
    QTest::newRow("right edge: to the left") << QPoint(1200, 512) << screen << QPoint(1066, 525);
    QTest::newRow("bottom edge: above") << QPoint(640, 1000) << screen << QPoint(653, 848);
    QTest::newRow("bottom-right corner") << QPoint(1279, 1023) << screen << QPoint(1145, 871);
    QTest::newRow("top-left corner") << QPoint(0, 0) << screen << QPoint(13, 13);
    QTest::newRow("second monitor") << QPoint(3190, 5) << QRect(1280, 0, 1920, 1080) << QPoint(3056, 18);
  }
  void place() {
    QFETCH(QPoint, cursor);
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    const QRect placed = hb::MagnifierPlace(cursor, QSize(122, 140), screen);
    QCOMPARE(placed, QRect(topLeft, QSize(122, 140)));
    // Never over the pixels it shows, which would show itself.
    QVERIFY(!placed.intersects(QRect(cursor - QPoint(7, 7), QSize(15, 15))));
    QVERIFY(screen.contains(placed));
  }
};

QTEST_GUILESS_MAIN(TestPickArea)
#include "tst_PickArea.moc"
