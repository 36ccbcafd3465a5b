// The contrast shown by the main window: the status bar's third panel follows
// every refresh, and a swatch's hint tells its contrast with the colour that
// is current when the hint shows, not when the swatch was made.

#include <QtTest>

#include "app/frmMain.h"
#include "support/Controls.h"

class TestContrastView : public QObject {
  Q_OBJECT

  TfrmMain* w = nullptr;

 private slots:
  void initTestCase() { w = new TfrmMain; }
  void cleanupTestCase() { delete w; }

  void panelFollowsEveryRefresh_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::newRow("SetColors") << "set" << "白 4.5:1 AA ／ 黒 4.6:1 AA";
    QTest::newRow("typed hex") << "hex" << "白 4.4:1 AA Large ／ 黒 4.6:1 AA";
    QTest::newRow("red track bar") << "bar" << "白 3.9:1 AA Large ／ 黒 5.2:1 AA";
  }
  void panelFollowsEveryRefresh() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    w->SetColors(255, 255, 255);
    if (how == "set") w->SetColors(0x76, 0x76, 0x76);
    if (how == "hex") w->SetColorFromHex("777777");
    if (how == "bar") {
      w->SetColors(0, 0, 0);
      w->TrackBar_Red->SetPosition(255);
    }
    QCOMPARE(w->StatusBar1->PanelText(2), text);
    // The panel has room for its longest text.
    QVERIFY(w->StatusBar1->fontMetrics().horizontalAdvance("白 21.0:1 AAA ／ 黒 21.0:1 AA Large") <
            w->StatusBar1->PanelRect(2).width());
  }

  void swatchHintUsesCurrentColour() {
    TPictureButton swatch(w);
    swatch.SetColor(QColor(255, 255, 255));
    w->SetColorHint(&swatch, "Name");
    w->SetColors(0x76, 0x76, 0x76);
    QCOMPARE(swatch.Hint(), QString("R:255 G:255 B:255 Name"));
    QCOMPARE(swatch.ShownHint(), QString("R:255 G:255 B:255 Name ／ 現在の色と 4.5:1 AA"));
    w->SetColors(0, 0, 0);
    QCOMPARE(swatch.ShownHint(), QString("R:255 G:255 B:255 Name ／ 現在の色と 21.0:1 AAA"));
    // The big swatch is the current colour itself: no contrast with itself.
    QCOMPARE(w->cmdColorView->ShownHint(), w->cmdColorView->Hint());
  }
};

QTEST_MAIN(TestContrastView)
#include "tst_ContrastView.moc"
