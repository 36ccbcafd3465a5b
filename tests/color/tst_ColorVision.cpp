// The colour-vision simulation against the published matrices (Machado,
// Oliveira and Fernandes 2009, severity 1.0), worked by hand in linear light
// for the primaries, white and an orange, and the settings file's words.

#include <QtTest>

#include "color/ColorVision.h"

using namespace hb;
Q_DECLARE_METATYPE(TColorVision)
Q_DECLARE_METATYPE(TRGBBytes)

class TestColorVision : public QObject {
  Q_OBJECT

 private slots:
  void simulated_data() {
    QTest::addColumn<TColorVision>("vision");
    QTest::addColumn<TRGBBytes>("color");
    QTest::addColumn<TRGBBytes>("want");
    using V = TColorVision;
    const struct {
      const char* name;
      V vision;
      TRGBBytes color, want;
    } rows[] = {
        {"protan red", V::Protan, {255, 0, 0}, {109, 95, 0}},
        {"protan green", V::Protan, {0, 255, 0}, {255, 229, 0}},
        {"protan blue", V::Protan, {0, 0, 255}, {0, 89, 255}},
        {"protan orange", V::Protan, {255, 128, 0}, {166, 145, 0}},
        {"deutan red", V::Deutan, {255, 0, 0}, {163, 144, 0}},
        {"deutan green", V::Deutan, {0, 255, 0}, {239, 214, 58}},
        {"deutan blue", V::Deutan, {0, 0, 255}, {0, 61, 251}},
        {"tritan red", V::Tritan, {255, 0, 0}, {255, 0, 15}},
        {"tritan green", V::Tritan, {0, 255, 0}, {0, 247, 217}},
        {"tritan blue", V::Tritan, {0, 0, 255}, {0, 107, 150}},
        {"tritan orange", V::Tritan, {255, 128, 0}, {255, 98, 109}},
        {"white stays white", V::Deutan, {255, 255, 255}, {255, 255, 255}},
        {"no simulation", V::Normal, {12, 34, 56}, {12, 34, 56}},
    };
    for (const auto& r : rows) QTest::newRow(r.name) << r.vision << r.color << r.want;
  }
  void simulated() {
    QFETCH(TColorVision, vision);
    QFETCH(TRGBBytes, color);
    QFETCH(TRGBBytes, want);
    const TRGBBytes got = SimulatedColor(vision, color);
    QCOMPARE(QList<int>({got.R, got.G, got.B}), QList<int>({want.R, want.G, want.B}));
  }

  void settingsWords() {
    QCOMPARE(ColorVisionFromKey("Deutan"), TColorVision::Deutan);
    QCOMPARE(ColorVisionFromKey(ColorVisionKey(TColorVision::Tritan)), TColorVision::Tritan);
    QCOMPARE(ColorVisionFromKey("sepia"), TColorVision::Normal);
    QCOMPARE(std::string(ColorVisionKey(TColorVision::Normal)), std::string("None"));
  }
};

QTEST_GUILESS_MAIN(TestColorVision)
#include "tst_ColorVision.moc"
