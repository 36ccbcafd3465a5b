// The hue-scheme row offscreen: the option buttons, the swatches each scheme
// lays over the big swatch, and the rebuilds after colour changes and clicks.

#include <QPushButton>
#include <QThread>
#include <QtTest>

#include "app/frmMain.h"
#include "chart/SchemeRow.h"
#include "color/ColorConvert.h"

class TestSchemeSwatches : public QObject {
  Q_OBJECT

  TfrmMain* w = nullptr;

  QPushButton* Option(const QString& name) { return w->findChild<QPushButton*>(name); }
  QColor Current() const { return QColor(w->SpnRed->Value(), w->SpnGreen->Value(), w->SpnBlue->Value()); }
  std::vector<QPointer<TPictureButton>>& Swatches() { return w->SchemeRow->SchemeSwatches; }

  // Lets the one-shot rebuild run.
  void Settle() {
    QTRY_VERIFY(!w->timOptionPanel->Enabled());
    QCoreApplication::processEvents();
  }

  void Choose(const QString& option) {
    QTest::mouseClick(Option(option), Qt::LeftButton);
    Settle();
  }

  QList<QColor> Shown() {
    QList<QColor> colors;
    for (const auto& s : Swatches()) colors << (s ? s->Color() : QColor());
    return colors;
  }

 private slots:
  void initTestCase() {
    w = new TfrmMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    Settle();
  }

  void cleanupTestCase() { delete w; }

  void startsWithNoneAndNoSwatch() {
    QVERIFY(w->btnHSVOption_None->isChecked());
    QVERIFY(Swatches().empty());
    QVERIFY(w->SchemeRow->SchemeColors.empty());
    // The big swatch is not covered anywhere.
    QCOMPARE(w->GroupBox9->childAt(125, 200), w->cmdColorView);
  }

  void optionButtonsAreHandPointers() {
    for (QPushButton* b : {w->btnHSVOption_None, w->btnHSVOption_Ruisetu, w->btnHSVOption_Ruiji,
                           w->btnHSVOption_Chuusa, w->btnHSVOption_Taisyo, w->btnHSVOption_Hosyoku})
      QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
  }

  // Each scheme's row: the number of swatches, their place over the lower
  // half of cmdColorView (y 138 to 257), their colours, above the big swatch.
  void rowPerScheme_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<QColor>>("colors");  // around pure red
    using C = QColor;
    QTest::newRow("adjacent") << "btnHSVOption_Ruisetu" << 2 << 120 << QList<C>{C(255, 64, 0), C(255, 0, 64)};
    QTest::newRow("similar") << "btnHSVOption_Ruiji" << 4 << 60
                             << QList<C>{C(255, 128, 0), C(255, 191, 0), C(255, 0, 128), C(255, 0, 191)};
    QTest::newRow("intermediate") << "btnHSVOption_Chuusa" << 8 << 30
                                  << QList<C>{C(255, 255, 0), C(191, 255, 0), C(128, 255, 0), C(64, 255, 0),
                                              C(255, 0, 255), C(191, 0, 255), C(128, 0, 255), C(64, 0, 255)};
    QTest::newRow("contrasting") << "btnHSVOption_Taisyo" << 6 << 40
                                 << QList<C>{C(0, 255, 0), C(0, 255, 64), C(0, 255, 128), C(0, 0, 255),
                                             C(0, 64, 255), C(0, 128, 255)};
    QTest::newRow("complementary") << "btnHSVOption_Hosyoku" << 4 << 60
                                   << QList<C>{C(0, 255, 191), C(0, 255, 255), C(0, 191, 255), C(0, 255, 255)};
    QTest::newRow("none") << "btnHSVOption_None" << 0 << 0 << QList<C>{};
  }
  void rowPerScheme() {
    QFETCH(QString, option);
    QFETCH(int, count);
    QFETCH(int, width);
    w->SetColors(255, 0, 0);
    Choose(option);
    QVERIFY(Option(option)->isChecked());
    QCOMPARE(int(Swatches().size()), count);
    QTEST(Shown(), "colors");
    for (int i = 0; i < count; ++i) {
      TPictureButton* s = Swatches()[std::size_t(i)];
      QVERIFY(s);
      QCOMPARE(s->parentWidget(), w->GroupBox9);
      QCOMPARE(s->geometry(), QRect(5 + i * width, 138, width, 120));
      QVERIFY(s->isVisible());
      QCOMPARE(s->InColor(), s->Color());
      QCOMPARE(s->cursor().shape(), Qt::PointingHandCursor);
      QCOMPARE(s->Hint(), QStringLiteral("R:%1 G:%2 B:%3").arg(s->Color().red()).arg(s->Color().green())
                              .arg(s->Color().blue()));
      QCOMPARE(w->GroupBox9->childAt(s->geometry().center()), s);
    }
    // The upper half keeps showing the current colour.
    QCOMPARE(w->GroupBox9->childAt(125, 60), w->cmdColorView);
    if (count == 0) QCOMPARE(w->GroupBox9->childAt(125, 200), w->cmdColorView);
  }

  // The handler only asks for the rebuild; the row changes at the timer's tick.
  void rebuildWaitsForTheTick() {
    Choose("btnHSVOption_None");
    QTest::mouseClick(w->btnHSVOption_Ruiji, Qt::LeftButton);
    QVERIFY(w->timOptionPanel->Enabled());
    QVERIFY(Swatches().empty());
    Settle();
    QCOMPARE(int(Swatches().size()), 4);
  }

  void rebuiltAfterColourChange() {
    Choose("btnHSVOption_Ruisetu");
    w->SetColors(255, 0, 0);
    Settle();
    QCOMPARE(Shown(), (QList<QColor>{QColor(255, 64, 0), QColor(255, 0, 64)}));
    w->SetColors(0, 0, 255);  // hue 240
    Settle();
    QCOMPARE(Shown(), (QList<QColor>{QColor(64, 0, 255), QColor(0, 64, 255)}));
    // A track-bar move by the user rebuilds too.
    w->TrackBar_V->setValue(50);
    Settle();
    QCOMPARE(Shown(), (QList<QColor>{QColor(32, 0, 128), QColor(0, 32, 128)}));
  }

  // The row follows the whole degrees the hue bar shows: (0, 100, 5) is hue
  // 122.99..., shown as 123, and the companions are those of 123.
  void followsTheTrackBars() {
    Choose("btnHSVOption_Hosyoku");
    w->SetColors(0, 100, 5);
    Settle();
    QCOMPARE(w->TrackBar_H->Position(), 123);
    QCOMPARE(w->TrackBar_V->Position(), 39);
    QCOMPARE(Shown(), (QList<QColor>{QColor(79, 0, 99), QColor(99, 0, 94), QColor(99, 0, 69), QColor(99, 0, 94)}));
    hb::THSVColor exact{0, 0, 0};
    hb::TColorConvert::RGBToHSV(0, 100, 5, exact);
    QVERIFY(Shown() != (QList<QColor>{w->SchemeColorAt(exact, 165), w->SchemeColorAt(exact, 180),
                                      w->SchemeColorAt(exact, 195), w->SchemeColorAt(exact, 180)}));
  }

  void clickOnTheButtonThatIsDownRebuilds() {
    Choose("btnHSVOption_Taisyo");
    const auto before = Swatches();
    const QList<QColor> colors = Shown();
    QTest::mouseClick(w->btnHSVOption_Taisyo, Qt::LeftButton);
    QVERIFY(w->btnHSVOption_Taisyo->isChecked());
    QVERIFY(w->timOptionPanel->Enabled());
    Settle();
    QCOMPARE(Shown(), colors);
    for (std::size_t i = 0; i < before.size(); ++i) {
      QVERIFY(Swatches()[i] != before[i]);
      QVERIFY(!before[i] || !before[i]->isVisible());
    }
  }

  // A click on a swatch makes its colour current; the row is then rebuilt
  // around it, which frees the clicked swatch only after its click is over.
  void clickOnASwatch_data() {
    QTest::addColumn<bool>("rebuildDueDuringClick");
    QTest::newRow("rebuild at a later tick") << false;
    QTest::newRow("rebuild due while the click runs") << true;
  }
  void clickOnASwatch() {
    QFETCH(bool, rebuildDueDuringClick);
    Choose("btnHSVOption_Chuusa");
    w->SetColors(255, 0, 0);
    Settle();
    QPointer<TPictureButton> clicked = Swatches()[2];
    const QColor color = clicked->Color();
    QCOMPARE(color, QColor(128, 255, 0));
    if (rebuildDueDuringClick) {
      // A colour change whose rebuild is due: the messages the click lets run
      // rebuild the row inside the click.
      w->SetColors(255, 0, 1);
      QThread::msleep(5);
    }
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(Current(), color);
    // Taken off the row inside its own click, yet still there.
    if (rebuildDueDuringClick) QVERIFY(clicked && !clicked->isVisible());
    Settle();
    QCOMPARE(w->TrackBar_H->Position(), 89);  // 89.88 degrees, truncated
    QCOMPARE(Shown(), (QList<QColor>{QColor(0, 255, 123), QColor(0, 255, 187), QColor(0, 255, 251),
                                     QColor(0, 195, 255), QColor(255, 123, 0), QColor(255, 60, 0),
                                     QColor(255, 0, 4), QColor(255, 0, 68)}));
    QVERIFY(!Swatches().empty());
    for (const auto& s : Swatches()) QVERIFY(s != clicked);
    QVERIFY(!clicked || !clicked->isVisible());
    // Freed at the latest with the next rebuild.
    w->SetColors(1, 2, 3);
    Settle();
    QVERIFY(!clicked);
    // And the new swatches answer.
    const QColor next = Swatches()[0]->Color();
    QTest::mouseClick(Swatches()[0], Qt::LeftButton);
    QCOMPARE(Current(), next);
  }
};

QTEST_MAIN(TestSchemeSwatches)
#include "tst_SchemeSwatches.moc"
