// The side panel offscreen: swatches as every view sets them up, and a click
// on one making its colour current.

#include <QtTest>

#include <QComboBox>
#include <QTextDocument>

#include "app/frmMain.h"

class TestSidePanel : public QObject {
  Q_OBJECT

  TfrmMain* w = nullptr;

  QColor Current() const { return QColor(w->SpnRed->Value(), w->SpnGreen->Value(), w->SpnBlue->Value()); }

 private slots:
  void initTestCase() {
    w = new TfrmMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
  }

  void cleanupTestCase() { delete w; }

  void swatchIsSetUpTheCommonWay() {
    TPictureButton* s = w->CreateSwatch(w->pnlKeep, QColor(255, 128, 0), "orange");
    QCOMPARE(s->parentWidget(), w->pnlKeep);
    QCOMPARE(s->size(), QSize(25, 25));
    QCOMPARE(s->ButtonStyle(), w->cmdColorView->ButtonStyle());
    QCOMPARE(s->Color(), QColor(255, 128, 0));
    QCOMPARE(s->InColor(), QColor(255, 128, 0));
    QCOMPARE(s->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(s->ShowHint());
    QCOMPARE(s->Hint(), QStringLiteral("R:255 G:128 B:0 orange"));
    QVERIFY(s->isVisible());
    TPictureButton* plain = w->CreateSwatch(w->pnlKeep, QColor(1, 2, 3), "");
    QCOMPARE(plain->Hint(), QStringLiteral("R:1 G:2 B:3"));
    delete plain;
    delete s;
  }

  void hintShowsMarkupAsText() {
    TPictureButton* s = w->CreateSwatch(w->pnlPallet, QColor(1, 2, 3), "<img src=\"/etc/x.png\"><b>bold</b>");
    QTextDocument shown;
    shown.setHtml(s->Hint());
    QCOMPARE(shown.toPlainText(), QStringLiteral("R:1 G:2 B:3 <img src=\"/etc/x.png\"><b>bold</b>"));
    delete s;
  }

  void clickMakesTheColourCurrent() {
    w->SetColors(255, 255, 255);
    TPictureButton* s = w->CreateSwatch(w->pnlKeep, QColor(12, 200, 99), "");
    QTest::mouseClick(s, Qt::LeftButton);
    QCOMPARE(Current(), QColor(12, 200, 99));
    QCOMPARE(w->cmdColorView->Color(), QColor(12, 200, 99));
    QCOMPARE(w->txtHex->text(), QStringLiteral("0CC863"));
    // The swatch itself is unchanged and answers again.
    QVERIFY(s->isEnabled());
    QCOMPARE(s->Color(), QColor(12, 200, 99));
    // The colour controls still follow the user afterwards.
    w->TrackBar_Red->SetPosition(40);
    QCOMPARE(w->SpnRed->Value(), 40);
    delete s;
  }

  void swatchFreedWhileItsClickWaits() {
    // A view rebuilt by the messages the click lets run frees the swatch: the
    // click then leaves the colour alone instead of reading a freed control.
    w->SetColors(1, 1, 1);
    TPictureButton* s = w->CreateSwatch(w->pnlKeep, QColor(200, 0, 0), "");
    QMetaObject::invokeMethod(w, [s] { delete s; }, Qt::QueuedConnection);
    w->btnClicktoColorPanel(s);
    QCOMPARE(Current(), QColor(1, 1, 1));
  }

  void senderThatIsNoSwatchChangesNothing() {
    w->SetColors(7, 8, 9);
    w->btnClicktoColorPanel(nullptr);
    w->btnClicktoColorPanel(w->cmbPalletSelect);
    QCOMPARE(Current(), QColor(7, 8, 9));
  }
};

QTEST_MAIN(TestSidePanel)
#include "tst_SidePanel.moc"
