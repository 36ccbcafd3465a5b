// The controls that repaint on every display frame of a sampling burst draw
// the cheaper way (cached ticks, filled edges, only what the repaint area
// touches); the pixels must be the ones the plain way gives.

#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QtTest>

#include "support/GroupBox.h"
#include "support/PictureButton.h"
#include "support/RawPicture.h"
#include "support/StatusBar.h"
#include "support/TrackBar.h"

namespace {

// The widget drawn whole, or only the area, on a background no widget uses.
QImage Render(QWidget& widget, const QRect& area = QRect()) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(255, 0, 255));
  const QRect drawn = area.isNull() ? widget.rect() : area;
  // The area's corner lands on the offset given.
  widget.render(&image, drawn.topLeft(), QRegion(drawn));
  return image;
}

// The first pixel inside the region where the two images differ, or "".
QString FirstDifference(const QImage& a, const QImage& b, const QRegion& region) {
  for (const QRect& r : region)
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y))
          return QStringLiteral("(%1, %2): %3 against %4")
              .arg(x)
              .arg(y)
              .arg(QColor(a.pixel(x, y)).name(), QColor(b.pixel(x, y)).name());
  return {};
}

// Where a repaint of only the area differs, inside it, from a whole one.
QString PartAgainstWhole(QWidget& widget, const QRect& area) {
  return FirstDifference(Render(widget, area), Render(widget), area);
}

// A plain slider set up as the track bar is.
void Match(QSlider& plain, const hb::TTrackBar& bar) {
  plain.setRange(bar.minimum(), bar.maximum());
  plain.setPageStep(bar.pageStep());
  plain.setSingleStep(bar.singleStep());
  plain.setTickPosition(bar.tickPosition());
  plain.setTickInterval(bar.tickInterval());
  plain.setValue(bar.value());
  plain.setEnabled(bar.isEnabled());
  plain.setPalette(bar.palette());
  plain.resize(bar.size());
}

} // namespace

class TestControlPainting : public QObject {
  Q_OBJECT

 private slots:
  // The pictures compiled in as raw pixels are their PNGs' pixels, in the
  // format the PNGs read as; anything else reads as no picture.
  void rawPictureIsItsPng_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("png");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << ":/splash.raw" << ":/splash.png" << QSize(400, 200);
    QTest::newRow("window icon, 32") << ":/icon-32.raw" << ":/icon-32.png" << QSize(32, 32);
    QTest::newRow("window icon, 64") << ":/icon-64.raw" << "" << QSize(64, 64);
    QTest::newRow("window icon, 128") << ":/icon-128.raw" << "" << QSize(128, 128);
    QTest::newRow("a PNG is no raw picture") << ":/splash.png" << "" << QSize(0, 0);
    QTest::newRow("missing") << ":/none.raw" << "" << QSize(0, 0);
  }
  void rawPictureIsItsPng() {
    QFETCH(QString, raw);
    QFETCH(QString, png);
    QFETCH(QSize, size);
    const QImage picture = hb::RawPicture(raw);
    QCOMPARE(picture.size(), size);
    if (!png.isEmpty()) QCOMPARE(picture, QImage(png));
  }

  // Whatever changed since the ticks were cached, the track bar shows what a
  // plain slider shows.
  void trackBarLikeAPlainSlider_data() {
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("change");
    QTest::newRow("RGB, at 0") << 255 << 0 << 137 << "";
    QTest::newRow("RGB, in the middle") << 255 << 128 << 137 << "";
    QTest::newRow("hue, at the end") << 360 << 360 << 137 << "";
    QTest::newRow("percent, narrow") << 100 << 37 << 60 << "";
    QTest::newRow("disabled after a paint") << 255 << 200 << 137 << "disable";
    QTest::newRow("range changed after a paint") << 255 << 90 << 137 << "range";
    QTest::newRow("resized after a paint") << 100 << 50 << 137 << "resize";
    QTest::newRow("palette changed after a paint") << 360 << 10 << 137 << "palette";
    QTest::newRow("ticks above after a paint") << 100 << 50 << 137 << "ticks";
  }
  void trackBarLikeAPlainSlider() {
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, change);
    hb::TTrackBar bar(nullptr, 0, maximum, 10);
    bar.resize(width, 25);
    bar.SetPosition(value);
    Render(bar);  // ticks cached for the first look
    if (change == "disable") bar.setEnabled(false);
    if (change == "range") bar.setRange(0, 100);
    if (change == "resize") bar.resize(width + 41, 25);
    if (change == "ticks") bar.setTickPosition(QSlider::TicksAbove);
    if (change == "palette") {
      QPalette palette = bar.palette();
      palette.setColor(QPalette::Window, QColor(40, 90, 160));
      bar.setPalette(palette);
    }
    QSlider plain(Qt::Horizontal);
    Match(plain, bar);
    const QImage mine = Render(bar);
    const QImage expected = Render(plain);
    const QString difference = FirstDifference(mine, expected, QRegion(bar.rect()));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // A repaint of part of the bar gives the same pixels there as a whole one.
  void statusBarPartlyRepainted_data() {
    QTest::addColumn<QRect>("area");
    QTest::newRow("inside the second panel") << QRect(120, 5, 30, 8);
    QTest::newRow("across two panels") << QRect(90, 0, 30, 17);
    QTest::newRow("the gap between panels") << QRect(100, 0, 2, 17);
    QTest::newRow("one pixel of a panel's edge") << QRect(102, 2, 1, 1);
    QTest::newRow("the whole bar") << QRect(0, 0, 400, 17);
  }
  void statusBarPartlyRepainted() {
    QFETCH(QRect, area);
    hb::TStatusBar bar(nullptr, {100, 150, 140});
    bar.resize(400, 17);
    bar.SetPanelText(0, QStringLiteral("Webセーフカラー"));
    bar.SetPanelText(1, QStringLiteral("コントラスト比 21.0:1"));
    bar.SetPanelText(2, QStringLiteral("R:255 G:128 B:0"));
    const QString difference = PartAgainstWhole(bar, area);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  void groupBoxPartlyRepainted_data() {
    QTest::addColumn<QRect>("area");
    QTest::newRow("inside, clear of the lines") << QRect(20, 30, 100, 60);
    QTest::newRow("across the left lines") << QRect(0, 30, 10, 20);
    QTest::newRow("the inner left line and inward") << QRect(1, 30, 4, 10);
    QTest::newRow("on the caption only") << QRect(12, 0, 20, 6);
    QTest::newRow("the caption's lower half, inside the frame") << QRect(10, 9, 20, 4);
    QTest::newRow("the bottom-right corner") << QRect(190, 110, 10, 10);
    QTest::newRow("the right lines, one pixel wide") << QRect(199, 50, 1, 1);
    QTest::newRow("the whole box") << QRect(0, 0, 200, 120);
  }
  void groupBoxPartlyRepainted() {
    QFETCH(QRect, area);
    hb::TGroupBox box(nullptr, QStringLiteral("RGB値"));
    box.resize(200, 120);
    const QString difference = PartAgainstWhole(box, area);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // The etched frame gives the pixels of two plain outlines.
  void groupBoxFrameLikePlainOutlines() {
    hb::TGroupBox box(nullptr, QString());
    box.resize(200, 120);
    QImage plain = Render(box);
    QPainter p(&plain);
    p.fillRect(box.rect(), box.palette().window());
    const int lineY = QFontMetrics(box.font()).height() / 2;
    p.setPen(box.palette().color(QPalette::Mid));
    p.drawRect(QRect(0, lineY, 198, 118 - lineY));
    p.setPen(box.palette().color(QPalette::Light));
    p.drawRect(QRect(1, lineY + 1, 198, 118 - lineY));
    p.end();
    const QString difference = FirstDifference(Render(box), plain, QRegion(box.rect()));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // The bevel's two frames: the top and left edges in one colour, the bottom
  // and right ones, drawn after, in the other, so they win at two corners.
  void bevelEdges_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("down");
    QTest::newRow("raised") << int(TPictureButton::bsRaised) << false;
    QTest::newRow("lowered") << int(TPictureButton::bsLowered) << false;
    QTest::newRow("groove") << int(TPictureButton::bsGroove) << false;
    QTest::newRow("raised, held down") << int(TPictureButton::bsRaised) << true;
    QTest::newRow("flat") << int(TPictureButton::bsFlat) << false;
  }
  void bevelEdges() {
    QFETCH(int, style);
    QFETCH(bool, down);
    TPictureButton button(nullptr);
    button.resize(30, 120);
    const QColor face(200, 40, 90);
    button.SetColor(face);
    button.SetInColor(face);
    button.SetButtonStyle(TPictureButton::TButtonStyle(style));
    button.setDown(down);
    const QPalette& p = button.palette();
    const QColor light = p.color(QPalette::Light), shadow = p.color(QPalette::Dark), dark = p.color(QPalette::Shadow);
    // Outer top-left, outer bottom-right, inner top-left, inner bottom-right.
    std::array<QColor, 4> edges{face, face, face, face};
    switch (down ? TPictureButton::bsLowered : TPictureButton::TButtonStyle(style)) {
      case TPictureButton::bsFlat: break;
      case TPictureButton::bsRaised: edges = {light, dark, face.lighter(115), shadow}; break;
      case TPictureButton::bsLowered: edges = {shadow, light, dark, face}; break;
      case TPictureButton::bsGroove: edges = {shadow, light, light, shadow}; break;
    }
    const QImage image = Render(button);
    const int r = button.width() - 1, b = button.height() - 1;
    const struct {
      QPoint at;
      QColor expected;
    } pixels[] = {
        {{0, 0}, edges[0]},         {{15, 0}, edges[0]},         {{0, 60}, edges[0]},
        {{r, 0}, edges[1]},         {{0, b}, edges[1]},          {{r, 60}, edges[1]},
        {{15, b}, edges[1]},        {{r, b}, edges[1]},          {{1, 1}, edges[2]},
        {{15, 1}, edges[2]},        {{1, 60}, edges[2]},         {{r - 1, 1}, edges[3]},
        {{1, b - 1}, edges[3]},     {{r - 1, 60}, edges[3]},     {{15, b - 1}, edges[3]},
        {{2, 2}, face},             {{15, 60}, face},            {{r - 2, b - 2}, face},
    };
    for (const auto& pixel : pixels)
      QVERIFY2(image.pixel(pixel.at) == pixel.expected.rgb(),
               qPrintable(QStringLiteral("(%1, %2): %3, expected %4")
                              .arg(pixel.at.x())
                              .arg(pixel.at.y())
                              .arg(QColor(image.pixel(pixel.at)).name(), pixel.expected.name())));
  }
};

QTEST_MAIN(TestControlPainting)
#include "tst_ControlPainting.moc"
