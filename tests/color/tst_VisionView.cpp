// The colour-vision simulation on screen: a swatch paints the colour the
// chosen deficiency sees while its colour and hint stay the true ones, and
// the status bar says a simulation is on.

#include <QtTest>

#include "color/Swatches.h"
#include "color/VisionSimulation.h"
#include "support/PictureButton.h"
#include "support/StatusBar.h"

using namespace hb;
Q_DECLARE_METATYPE(TColorVision)

class TestVisionView : public QObject {
  Q_OBJECT

 private slots:
  void paintsSimulated_data() {
    QTest::addColumn<TColorVision>("vision");
    QTest::addColumn<QColor>("painted");
    QTest::addColumn<QString>("status");
    QTest::newRow("protan") << TColorVision::Protan << QColor(109, 95, 0) << QString::fromUtf8("P型表示");
    QTest::newRow("tritan") << TColorVision::Tritan << QColor(255, 0, 15) << QString::fromUtf8("T型表示");
    QTest::newRow("none") << TColorVision::Normal << QColor(255, 0, 0) << QString();
  }
  void paintsSimulated() {
    QFETCH(TColorVision, vision);
    QFETCH(QColor, painted);
    QFETCH(QString, status);
    QWidget window;
    window.resize(200, 100);
    auto* current = new TPictureButton(&window);
    auto* bar = new TStatusBar(&window, {50, 50});
    TVisionSimulation simulation(nullptr, {&window, bar});
    TSwatches swatches(nullptr, current, 20, [](QObject*) {});
    swatches.SetPaintedColor(simulation.Painter());
    TPictureButton* swatch = swatches.Create(&window, QColor(255, 0, 0));
    simulation.SetVision(TColorVision::Deutan);
    simulation.SetVision(vision);
    const QImage picture = swatch->grab().toImage();
    QCOMPARE(QColor(picture.pixel(10, 10)), painted);
    QCOMPARE(swatch->Color(), QColor(255, 0, 0));
    QVERIFY(swatch->ShownHint().startsWith(QStringLiteral("R:255 G:0 B:0")));
    QCOMPARE(bar->PanelText(1), status);
  }
};

QTEST_MAIN(TestVisionView)
#include "tst_VisionView.moc"
