// The main window offscreen: its layout, its start-up, and the current colour
// kept in step across every control whichever the user moves.

#include <QApplication>
#include <QComboBox>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QListWidget>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "app/frmMain.h"
#include "color/CurrentColor.h"
#include "app/frmSplash.h"
#include "editor/frmEditor.h"
#include "support/frmVersion.h"
#include "capture/ScreenColorPicker.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace {

const char* const kHexMessage = "000000～FFFFFFの間で指定してください。";

struct Shown {
  int r, g, b, h, s, v, c, m, y, k;
  bool operator==(const Shown&) const = default;
};

QByteArray Describe(const Shown& x) {
  return QStringLiteral("RGB %1,%2,%3 HSV %4,%5,%6 CMYK %7,%8,%9,%10")
      .arg(x.r).arg(x.g).arg(x.b).arg(x.h).arg(x.s).arg(x.v).arg(x.c).arg(x.m).arg(x.y).arg(x.k)
      .toUtf8();
}

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestFrmMain : public QObject {
  Q_OBJECT

  TfrmMain* w = nullptr;
  QStringList splashTexts;
  QLabel* splashLabel = nullptr;
  QElapsedTimer sinceStart;
  qint64 lastTextShownMs = -1, windowMadeMs = -1;  // the last status first painted; the window made
  // The font looked up beside start-up: awaited before the splash draws a
  // status, and before the main window makes its controls.
  int splashFontWaits = 0;
  bool textBeforeFont = false, controlsBeforeFont = true;

  // Records each text the splash label paints.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == splashLabel && event->type() == QEvent::Paint) {
      const QString text = splashLabel->text();
      if (!text.isEmpty() && (splashTexts.isEmpty() || splashTexts.last() != text)) {
        splashTexts << text;
        if (splashFontWaits == 0) textBeforeFont = true;
        lastTextShownMs = sinceStart.elapsed();
      }
    }
    return false;
  }

  // What the twenty controls show; a spin edit and its track bar that
  // disagree fail the test.
  Shown Controls() {
    const std::pair<hb::TSpinEdit*, hb::TTrackBar*> pairs[] = {
        {w->SpnRed, w->TrackBar_Red},   {w->SpnGreen, w->TrackBar_Green},
        {w->SpnBlue, w->TrackBar_Blue}, {w->SpnH, w->TrackBar_H},
        {w->SpnS, w->TrackBar_S},       {w->SpnV, w->TrackBar_V},
        {w->SpnCyan, w->TrackBar_C},    {w->SpnMagenta, w->TrackBar_M},
        {w->SpnYellow, w->TrackBar_Y},  {w->SpnBlack, w->TrackBar_K}};
    int values[10];
    for (int i = 0; i < 10; ++i) {
      values[i] = pairs[i].first->Value();
      if (pairs[i].second->Position() != values[i])
        QTest::qFail(qPrintable(QStringLiteral("%1 shows %2 but its track bar %3")
                                    .arg(pairs[i].first->objectName())
                                    .arg(values[i])
                                    .arg(pairs[i].second->Position())),
                     __FILE__, __LINE__);
    }
    return {values[0], values[1], values[2], values[3], values[4],
            values[5], values[6], values[7], values[8], values[9]};
  }

  void CheckSwatchFollows() {
    const QColor c = w->cmdColorView->Color();
    QCOMPARE(c, QColor(w->SpnRed->Value(), w->SpnGreen->Value(), w->SpnBlue->Value()));
    QCOMPARE(w->cmdColorView->InColor(), c);
    QCOMPARE(w->cmdColorView->Hint(),
             QStringLiteral("R:%1 G:%2 B:%3").arg(c.red()).arg(c.green()).arg(c.blue()));
  }

 private slots:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Huebrook"));
    // The splash records what its label shows while the main window starts.
    auto* splash = new TfrmSplash;
    splash->show();
    splash->lblStatus->installEventFilter(this);
    splashLabel = splash->lblStatus;
    splash->AwaitFont = [this] { ++splashFontWaits; };
    sinceStart.start();
    w = new TfrmMain(nullptr, [this] { controlsBeforeFont = frmMain->cmbPalletSelect != nullptr; });
    windowMadeMs = sinceStart.elapsed();
    splashLabel = nullptr;
    splash->close();
    delete splash;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
  }

  void cleanupTestCase() { delete w; }

  void splashFollowsStartup() {
    // The label shows a text at each moment start-up lets messages run; the
    // texts it shows keep the order of the steps, and the last one always shows
    // after the pause.
    const QStringList order = {QString::fromUtf8("起動中..."), QString::fromUtf8("HBファイル検索中..."),
                               QString::fromUtf8("キープデータ読み込み..."), QString::fromUtf8("設定完了...")};
    QVERIFY2(!splashTexts.isEmpty(), "the splash showed nothing");
    int last = -1;
    for (const QString& text : splashTexts) {
      const int at = order.indexOf(text);
      QVERIFY2(at > last, qPrintable(splashTexts.join(" | ")));
      last = at;
    }
    QCOMPARE(splashTexts.last(), order.last());
    QVERIFY(!textBeforeFont);
    QVERIFY(!controlsBeforeFont);
    // It shows through the half-second pause, not only as the pause ends.
    QVERIFY2(windowMadeMs - lastTextShownMs >= 100, qPrintable(QString::number(windowMadeMs - lastTextShownMs)));
  }

  void startsWhite() {
    QCOMPARE(Controls(), (Shown{255, 255, 255, 0, 0, 100, 0, 0, 0, 0}));
    QCOMPARE(w->txtHex->text(), QStringLiteral("FFFFFF"));
    QCOMPARE(w->StatusBar1->PanelText(0), QString::fromUtf8("Webセーフカラー"));
    QVERIFY(w->StatusBar1->font().bold());
    QCOMPARE(w->StatusBar1->FontColor(), QColor(128, 0, 0));
    CheckSwatchFollows();
    QCOMPARE(w->cmbPalletSelect->count(), 2);
    QCOMPARE(w->cmbPalletSelect->itemText(0), QString::fromUtf8("【キープデータ】"));
    QCOMPARE(w->cmbPalletSelect->itemText(1), QString::fromUtf8("【履歴データ】"));
    QCOMPARE(w->cmbPalletSelect->currentIndex(), 0);
    QVERIFY(w->timHistory->Enabled());
    QVERIFY(w->scbKeepWork->isVisible());
    QVERIFY(!w->scbPalletWork->isVisible());
    QVERIFY(!w->scbHistoryWork->isVisible());
  }

  void setColors_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("webSafe");
    QTest::newRow("12,34,56") << 12 << 34 << 56 << Shown{12, 34, 56, 210, 78, 21, 44, 22, 0, 199}
                              << "0C2238" << false;
    QTest::newRow("orange") << 255 << 128 << 0 << Shown{255, 128, 0, 30, 100, 100, 0, 127, 255, 0}
                            << "FF8000" << false;
    QTest::newRow("web-safe") << 51 << 102 << 153 << Shown{51, 102, 153, 210, 66, 59, 102, 51, 0, 102}
                              << "336699" << true;
    QTest::newRow("one off web-safe") << 51 << 102 << 154 << Shown{51, 102, 154, 210, 66, 60, 103, 52, 0, 101}
                                      << "33669A" << false;
    QTest::newRow("hue 123") << 0 << 100 << 5 << Shown{0, 100, 5, 123, 100, 39, 100, 0, 95, 155}
                             << "006405" << false;
    QTest::newRow("black") << 0 << 0 << 0 << Shown{0, 0, 0, 123, 0, 0, 0, 0, 0, 255} << "000000" << true;
  }
  void setColors() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(Shown, shown);
    QFETCH(QString, hex);
    QFETCH(bool, webSafe);
    w->SetColors(0, 100, 5);  // leaves hue 123 for the grey rows
    w->SetColors(r, g, b);
    const Shown got = Controls();
    QVERIFY2(got == shown, Describe(got));
    QCOMPARE(w->txtHex->text(), hex);
    QCOMPARE(w->StatusBar1->PanelText(0), webSafe ? QString::fromUtf8("Webセーフカラー") : QString());
    CheckSwatchFollows();
  }

  // Moving one control rebuilds the colour from its group alone; every other
  // control, the moved one included, then shows the colour's own values.
  void userMovesAControl_data() {
    QTest::addColumn<QString>("start");  // hex of the colour before the move
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("position");
    QTest::addColumn<Shown>("shown");
    QTest::newRow("S to 50 at H0 V100") << "FF0000" << "TrackBar_S" << 50
                                        << Shown{255, 128, 128, 0, 49, 100, 0, 127, 127, 0};
    QTest::newRow("H to 45 at S100 V100") << "FF0000" << "TrackBar_H" << 45
                                          << Shown{255, 191, 0, 44, 100, 100, 0, 64, 255, 0};
    QTest::newRow("V to 0") << "FF0000" << "TrackBar_V" << 0 << Shown{0, 0, 0, 0, 0, 0, 0, 0, 0, 255};
    QTest::newRow("cyan 50 magenta 60 yellow 70") << "CDC3B9" << "" << 0
                                                  << Shown{205, 195, 185, 30, 9, 80, 0, 10, 20, 50};
    QTest::newRow("red spin") << "000000" << "SpnRed" << 200 << Shown{200, 0, 0, 0, 100, 78, 0, 200, 200, 55};
    QTest::newRow("black spin") << "FFFFFF" << "SpnBlack" << 255 << Shown{0, 0, 0, 0, 0, 0, 0, 0, 0, 255};
    QTest::newRow("CMYK sum above 255 clamps") << "00FFFF" << "TrackBar_K" << 100
                                               << Shown{0, 155, 155, 180, 100, 60, 155, 0, 0, 100};
    QTest::newRow("hue spin 240") << "FF0000" << "SpnH" << 240 << Shown{0, 0, 255, 240, 100, 100, 255, 255, 0, 0};
  }
  void userMovesAControl() {
    QFETCH(QString, start);
    QFETCH(QString, control);
    QFETCH(int, position);
    QFETCH(Shown, shown);
    w->SetColorFromHex(start.toStdString());
    if (control.isEmpty()) {
      // From white, cyan, then magenta, then yellow, as the user would move them.
      w->SetColors(255, 255, 255);
      w->TrackBar_C->setValue(50);
      w->TrackBar_M->setValue(60);
      w->TrackBar_Y->setValue(70);
    } else if (auto* bar = w->findChild<hb::TTrackBar*>(control)) {
      bar->setValue(position);
    } else {
      auto* spin = w->findChild<hb::TSpinEdit*>(control);
      QVERIFY(spin);
      spin->SetValue(position);
    }
    const Shown got = Controls();
    QVERIFY2(got == shown, Describe(got));
    CheckSwatchFollows();
    QCOMPARE(w->MaxRefreshDepth(), 1);
  }

  void valueToZeroAndBackGivesGrey() {
    w->SetColors(255, 0, 0);
    w->TrackBar_V->setValue(0);
    QCOMPARE(Controls(), (Shown{0, 0, 0, 0, 0, 0, 0, 0, 0, 255}));
    w->TrackBar_V->setValue(50);
    QCOMPARE(Controls(), (Shown{128, 128, 128, 0, 0, 50, 0, 0, 0, 127}));
  }

  // Typed digits take effect at each keystroke; text that is no number reads
  // as the minimum.
  void spinTyping() {
    w->SetColors(0, 0, 0);
    w->SpnGreen->Edit()->selectAll();
    QTest::keyClick(w->SpnGreen->Edit(), Qt::Key_1);
    QCOMPARE(w->TrackBar_Green->Position(), 1);
    const int refreshes = w->RefreshCount();
    QTest::keyClick(w->SpnGreen->Edit(), Qt::Key_2);
    QCOMPARE(w->TrackBar_Green->Position(), 12);
    QCOMPARE(w->RefreshCount(), refreshes + 1);  // one refresh per keystroke
    QTest::keyClick(w->SpnGreen->Edit(), Qt::Key_8);
    QCOMPARE(w->TrackBar_Green->Position(), 128);
    QCOMPARE(w->txtHex->text(), QStringLiteral("008000"));
    w->SpnGreen->Edit()->selectAll();
    QTest::keyClick(w->SpnGreen->Edit(), Qt::Key_Backspace);
    QCOMPARE(w->TrackBar_Green->Position(), 0);  // no number reads as the minimum
    QCOMPARE(w->SpnGreen->Edit()->text(), QStringLiteral("0"));
    QCOMPARE(w->txtHex->text(), QStringLiteral("000000"));
    // The arrows step the value like any other change.
    QTest::keyClick(w->SpnGreen->Edit(), Qt::Key_Up);
    QCOMPARE(w->TrackBar_Green->Position(), 1);
  }

  // Typing a number digit by digit: each keystroke is one change, read from
  // the typed text, and the colour is the one the track bar gives at that
  // value, also when the refresh rewrites the text the user typed. Text beyond
  // the range reads as the range's end.
  void spinTypingEqualsTrackBar_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position");  // where the track bar is moved for comparison
    QTest::newRow("S 50 shown 49") << "FF0000" << "SpnS" << "TrackBar_S" << "50" << 50;
    QTest::newRow("H 45 shown 44") << "FF0000" << "SpnH" << "TrackBar_H" << "45" << 45;
    QTest::newRow("V 33") << "FF8000" << "SpnV" << "TrackBar_V" << "33" << 33;
    QTest::newRow("red 128") << "000000" << "SpnRed" << "TrackBar_Red" << "128" << 128;
    QTest::newRow("green 77") << "102030" << "SpnGreen" << "TrackBar_Green" << "77" << 77;
    QTest::newRow("blue 9") << "FFFFFF" << "SpnBlue" << "TrackBar_Blue" << "9" << 9;
    // Under-colour removal moves cyan back to 0 and black up.
    QTest::newRow("cyan 5 shown 0") << "CDC3B9" << "SpnCyan" << "TrackBar_C" << "5" << 5;
    QTest::newRow("magenta 15") << "CDC3B9" << "SpnMagenta" << "TrackBar_M" << "15" << 15;
    QTest::newRow("yellow 3") << "FFFFFF" << "SpnYellow" << "TrackBar_Y" << "3" << 3;
    QTest::newRow("black 128") << "FFFFFF" << "SpnBlack" << "TrackBar_K" << "128" << 128;
    QTest::newRow("red 300 reads 255") << "000000" << "SpnRed" << "TrackBar_Red" << "300" << 255;
    QTest::newRow("hue 999 reads 359") << "FF0000" << "SpnH" << "TrackBar_H" << "999" << 359;
    QTest::newRow("S 150 reads 100") << "FF8080" << "SpnS" << "TrackBar_S" << "150" << 100;
  }
  void spinTypingEqualsTrackBar() {
    QFETCH(QString, start);
    QFETCH(QString, spin);
    QFETCH(QString, bar);
    QFETCH(QString, typed);
    QFETCH(int, position);
    auto* edit = w->findChild<hb::TSpinEdit*>(spin);
    auto* slider = w->findChild<hb::TTrackBar*>(bar);
    QVERIFY(edit && slider);

    w->SetColorFromHex(start.toStdString());
    QVERIFY(slider->Position() != position);
    slider->setValue(position);
    const Shown byBar = Controls();
    const QColor colorByBar = w->cmdColorView->Color();

    w->SetColorFromHex(start.toStdString());
    edit->setFocus();
    edit->Edit()->selectAll();
    const int before = w->RefreshCount();
    for (int i = 0; i < typed.size(); ++i) {
      QTest::keyClick(edit->Edit(), typed.at(i).toLatin1());
      QCOMPARE(w->RefreshCount(), before + i + 1);
    }
    QCOMPARE(w->cmdColorView->Color(), colorByBar);
    const Shown got = Controls();
    QVERIFY2(got == byBar, Describe(got));
    QCOMPARE(edit->Edit()->text(), QString::number(edit->Value()));
    QCOMPARE(w->MaxRefreshDepth(), 1);
  }

  // A single step always moves the shown value on: from pure red one step
  // right on the hue shows 1, not 0 again. Drags keep the colour of the
  // position they reach.
  void singleStepMovesShownValue_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("action");  // right, left, up, pageup, wheelup, groove, drag:N
    QTest::addColumn<QString>("color");
    QTest::addColumn<int>("shown");
    QTest::newRow("hue right from red") << "FF0000" << "TrackBar_H" << "right" << "FF0800" << 1;
    QTest::newRow("hue right again") << "FF0800" << "TrackBar_H" << "right" << "FF0D00" << 3;
    QTest::newRow("hue page up") << "FF0000" << "TrackBar_H" << "pageup" << "FF0800" << 1;
    QTest::newRow("hue wheel") << "FF0000" << "TrackBar_H" << "wheelup" << "FF0800" << 1;
    QTest::newRow("hue click in groove") << "FF0000" << "TrackBar_H" << "groove" << "FF0800" << 1;
    QTest::newRow("hue left from 44") << "FFBF00" << "TrackBar_H" << "left" << "FFB700" << 43;
    QTest::newRow("hue left to the limit") << "FF0800" << "TrackBar_H" << "left" << "FF0000" << 0;
    QTest::newRow("saturation 1 to 3") << "FFFCFC" << "TrackBar_S" << "right" << "FFF7F7" << 3;
    QTest::newRow("hue spin arrow") << "FF0000" << "SpnH" << "up" << "FF0800" << 1;
    QTest::newRow("saturation spin arrow") << "FFFCFC" << "SpnS" << "up" << "FFF7F7" << 3;
    QTest::newRow("red right") << "000000" << "TrackBar_Red" << "right" << "010000" << 1;
    QTest::newRow("hue drag to 1") << "FF0000" << "TrackBar_H" << "drag:1" << "FF0400" << 0;
    QTest::newRow("hue drag to 45") << "FF0000" << "TrackBar_H" << "drag:45" << "FFBF00" << 44;
  }
  void singleStepMovesShownValue() {
    QFETCH(QString, start);
    QFETCH(QString, control);
    QFETCH(QString, action);
    QFETCH(QString, color);
    QFETCH(int, shown);
    w->SetColorFromHex(start.toStdString());
    auto* bar = w->findChild<hb::TTrackBar*>(control);
    auto* spin = w->findChild<hb::TSpinEdit*>(control);
    QWidget* target = bar ? static_cast<QWidget*>(bar) : spin;
    QVERIFY(target);
    target->setFocus();
    if (action == "right") {
      QTest::keyClick(target, Qt::Key_Right);
    } else if (action == "left") {
      QTest::keyClick(target, Qt::Key_Left);
    } else if (action == "up") {
      QTest::keyClick(spin->Edit(), Qt::Key_Up);
    } else if (action == "pageup") {
      QTest::keyClick(target, Qt::Key_PageUp);
    } else if (action == "wheelup") {
      const QPointF at(target->width() / 2.0, target->height() / 2.0);
      QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(target, &wheel);
    } else if (action == "groove") {
      // In the groove, well to the right of the handle, which stands at the left end.
      QStyleOptionSlider option;
      option.initFrom(bar);
      option.orientation = bar->orientation();
      option.minimum = bar->minimum();
      option.maximum = bar->maximum();
      option.sliderPosition = option.sliderValue = bar->value();
      option.tickPosition = bar->tickPosition();
      option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
      const QRect groove = bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, bar);
      const QPoint at(groove.left() + groove.width() * 3 / 4, groove.center().y());
      QTest::mousePress(target, Qt::LeftButton, {}, at);
      QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    } else if (action.startsWith("drag:")) {
      bar->setSliderDown(true);
      bar->setSliderPosition(action.mid(5).toInt());
      bar->setSliderDown(false);
    }
    QCOMPARE(w->txtHex->text(), color);
    const int value = bar ? bar->Position() : spin->Value();
    QCOMPARE(value, shown);
    Controls();
  }

  void hexField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rewritten");  // empty: the message, colour unchanged
    QTest::newRow("lower case") << "ff8000" << "FF8000";
    QTest::newRow("mixed case") << "aBcDeF" << "ABCDEF";
    QTest::newRow("five digits") << "FF800" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("seven digits") << "FF80001" << "";
    QTest::newRow("blank inside") << "FF 800" << "";
    QTest::newRow("leading blank") << " FF800" << "";
    QTest::newRow("G") << "GG0000" << "";
    QTest::newRow("dollar inside") << "$F$F$F" << "";
    QTest::newRow("sign") << "-1FFFF" << "";
    QTest::newRow("full-width digits") << "ＦＦ８０００" << "";
    QTest::newRow("kana") << "あいうえおか" << "";
    QTest::newRow("CSS pasted whole") << "rgb(255 128 0 / 50%)" << "FF8000";
    QTest::newRow("CSS in full width") << "＃ｆｆ８０００" << "FF8000";
    QTest::newRow("CSS name") << "rebeccapurple" << "663399";
  }
  void hexField() {
    QFETCH(QString, text);
    QFETCH(QString, rewritten);
    hb::ScopedMessageBoxes boxes;
    w->SetColors(1, 2, 3);
    if (text.size() <= w->txtHex->maxLength()) {
      w->txtHex->setText(text);
      QTest::mouseClick(w->cmdSetHex, Qt::LeftButton);
    } else {
      w->SetColorFromHex(text.toStdString());  // more than the field holds
    }
    if (rewritten.isEmpty()) {
      QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
      QCOMPARE(QString::fromStdString(boxes.boxes.shown[0].text), QString::fromUtf8(kHexMessage));
      QCOMPARE(boxes.boxes.shown[0].buttons, hb::TMsgDlgButtons(hb::mbOK));
      QCOMPARE(w->cmdColorView->Color(), QColor(1, 2, 3));
    } else {
      QVERIFY(boxes.boxes.shown.empty());
      QCOMPARE(w->txtHex->text(), rewritten);
      QCOMPARE(w->cmdColorView->Color(), QColor(QLatin1Char('#') + rewritten));
    }
  }

  void resetGivesWhite() {
    w->SetColors(10, 20, 30);
    QTest::mouseClick(w->cmdReset, Qt::LeftButton);
    QCOMPARE(w->cmdColorView->Color(), QColor(Qt::white));
    QCOMPARE(w->StatusBar1->PanelText(0), QString::fromUtf8("Webセーフカラー"));
  }

  // A refresh that fails part-way still leaves every control answering the user.
  void handlersAttachedAfterFailedRefresh_data() {
    QTest::addColumn<int>("failingStep");
    for (int step = 1; step <= 9; ++step) QTest::addRow("step %d", step) << step;
  }
  void handlersAttachedAfterFailedRefresh() {
    QFETCH(int, failingStep);
    w->SetColors(0, 0, 0);
    w->CurrentColor->StepHookForTesting = [failingStep](int step) {
      if (step == failingStep) throw std::runtime_error("refresh failed");
    };
    w->SetColors(10, 20, 30);
    w->CurrentColor->StepHookForTesting = nullptr;
    QCOMPARE(w->RefreshDepth(), 0);
    for (hb::TTrackBar* bar : w->findChildren<hb::TTrackBar*>()) QVERIFY(bar->OnChange);
    for (hb::TSpinEdit* spin : w->findChildren<hb::TSpinEdit*>()) QVERIFY(spin->OnChange);
    w->TrackBar_Blue->setValue(200);
    QCOMPARE(w->cmdColorView->Color().blue(), 200);
    QCOMPARE(w->txtHex->text().right(2), QStringLiteral("C8"));
  }

  void hookingIsIdempotent() {
    w->HookChangeEvents(false);
    w->HookChangeEvents(false);
    const int before = w->RefreshCount();
    w->TrackBar_Red->setValue(w->TrackBar_Red->Position() ^ 1);
    QCOMPARE(w->RefreshCount(), before);
    w->HookChangeEvents(true);
    w->HookChangeEvents(true);
    w->TrackBar_Red->setValue(w->TrackBar_Red->Position() ^ 1);
    QCOMPARE(w->RefreshCount(), before + 1);
  }

  void schemeTimerIsOneShot() {
    w->SetColors(1, 1, 1);
    QVERIFY(w->timOptionPanel->Enabled());
    QCOMPARE(w->timOptionPanel->Interval(), 1);
    QTRY_VERIFY(!w->timOptionPanel->Enabled());
    QTest::mouseClick(w->btnHSVOption_Ruiji, Qt::LeftButton);
    QVERIFY(w->timOptionPanel->Enabled());
    QVERIFY(w->btnHSVOption_Ruiji->isChecked());
    QVERIFY(!w->btnHSVOption_None->isChecked());
    QTest::mouseClick(w->btnHSVOption_Ruiji, Qt::LeftButton);  // stays down
    QVERIFY(w->btnHSVOption_Ruiji->isChecked());
    QTRY_VERIFY(!w->timOptionPanel->Enabled());
    QTest::mouseClick(w->btnHSVOption_None, Qt::LeftButton);
  }

  void layout_data() {
    QTest::addColumn<QWidget*>("control");
    QTest::addColumn<QWidget*>("parent");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("visible");
    auto row = [](const char* name, QWidget* c, QWidget* p, QRect r, bool visible = true) {
      QTest::newRow(name) << c << p << r << visible;
    };
    TfrmMain* f = w;
    row("TBDock1", f->TBDock1, f, {0, 0, 672, 26});
    row("GroupBox9", f->GroupBox9, f, {8, 32, 385, 329});
    row("cmdColorView", f->cmdColorView, f->GroupBox9, {5, 18, 240, 240});
    row("GroupBox4", f->GroupBox4, f->GroupBox9, {248, 16, 129, 241});
    row("cmbPalletSelect", f->cmbPalletSelect, f->Panel3, {5, 3, 113, 20});
    row("btnKeepAdd", f->btnKeepAdd, f->pnlKeepButton, {8, 2, 97, 25});
    row("btnKeepClear", f->btnKeepClear, f->pnlKeepButton, {8, 27, 97, 25});
    row("GroupBox5", f->GroupBox5, f->GroupBox9, {248, 264, 129, 57});
    row("btnColorCapture", f->btnColorCapture, f->GroupBox5, {8, 16, 105, 33});
    row("btn_StaticCapture", f->btn_StaticCapture, f->GroupBox5, {64, 16, 105, 25}, false);
    row("btn_DynamicCapture", f->btn_DynamicCapture, f->GroupBox5, {64, 40, 105, 25}, false);
    row("cmdGetColorFromDisplay_Dynamic", f->cmdGetColorFromDisplay_Dynamic, f->GroupBox5, {16, 20, 145, 45}, false);
    row("GroupBox3", f->GroupBox3, f->GroupBox9, {8, 264, 137, 57});
    row("txtHex", f->txtHex, f->GroupBox3, {8, 21, 57, 20});
    row("cmdSetHex", f->cmdSetHex, f->GroupBox3, {72, 24, 57, 17});
    row("cmdReset", f->cmdReset, f->GroupBox9, {152, 272, 89, 41});
    row("GroupBox2", f->GroupBox2, f, {400, 32, 265, 153});
    row("GroupBox1", f->GroupBox1, f, {400, 192, 265, 169});
    row("GroupBox8", f->GroupBox8, f, {8, 368, 657, 281});
    row("imgHSV", f->imgHSV, f->GroupBox8, {8, 16, 361, 256});
    row("imgHue", f->imgHue, f->GroupBox8, {464, 24, 121, 9});
    row("imgSaturation", f->imgSaturation, f->GroupBox8, {464, 72, 121, 9});
    row("imgValue", f->imgValue, f->GroupBox8, {464, 120, 121, 9});
    row("GroupBox10", f->GroupBox10, f->GroupBox8, {392, 168, 241, 97});
    row("StatusBar1", f->StatusBar1, f, {0, 654, 672, 17});
    // Track bars and spin edits, row by row.
    const int rgbTops[] = {24, 64, 104};
    hb::TTrackBar* rgbBars[] = {f->TrackBar_Red, f->TrackBar_Green, f->TrackBar_Blue};
    hb::TSpinEdit* rgbSpins[] = {f->SpnRed, f->SpnGreen, f->SpnBlue};
    for (int i = 0; i < 3; ++i) {
      QTest::addRow("rgb bar %d", i) << static_cast<QWidget*>(rgbBars[i]) << static_cast<QWidget*>(f->GroupBox2)
                                     << QRect(64, rgbTops[i], 137, 25) << true;
      QTest::addRow("rgb spin %d", i) << static_cast<QWidget*>(rgbSpins[i]) << static_cast<QWidget*>(f->GroupBox2)
                                      << QRect(208, rgbTops[i] + 6, 41, 21) << true;
    }
    hb::TTrackBar* cmykBars[] = {f->TrackBar_C, f->TrackBar_M, f->TrackBar_Y, f->TrackBar_K};
    hb::TSpinEdit* cmykSpins[] = {f->SpnCyan, f->SpnMagenta, f->SpnYellow, f->SpnBlack};
    for (int i = 0; i < 4; ++i) {
      QTest::addRow("cmyk bar %d", i) << static_cast<QWidget*>(cmykBars[i]) << static_cast<QWidget*>(f->GroupBox1)
                                      << QRect(64, 24 + 32 * i, 137, 25) << true;
      QTest::addRow("cmyk spin %d", i) << static_cast<QWidget*>(cmykSpins[i]) << static_cast<QWidget*>(f->GroupBox1)
                                       << QRect(208, 30 + 32 * i, 41, 21) << true;
    }
    hb::TTrackBar* hsvBars[] = {f->TrackBar_H, f->TrackBar_S, f->TrackBar_V};
    hb::TSpinEdit* hsvSpins[] = {f->SpnH, f->SpnS, f->SpnV};
    for (int i = 0; i < 3; ++i) {
      QTest::addRow("hsv bar %d", i) << static_cast<QWidget*>(hsvBars[i]) << static_cast<QWidget*>(f->GroupBox8)
                                     << QRect(456, 32 + 48 * i, 137, 25) << true;
      QTest::addRow("hsv spin %d", i) << static_cast<QWidget*>(hsvSpins[i]) << static_cast<QWidget*>(f->GroupBox8)
                                      << QRect(600, 38 + 48 * i, 41, 21) << true;
    }
    QPushButton* options[] = {f->btnHSVOption_None, f->btnHSVOption_Ruisetu, f->btnHSVOption_Ruiji,
                              f->btnHSVOption_Chuusa, f->btnHSVOption_Taisyo, f->btnHSVOption_Hosyoku};
    for (int i = 0; i < 6; ++i)
      QTest::addRow("option %d", i) << static_cast<QWidget*>(options[i]) << static_cast<QWidget*>(f->GroupBox10)
                                    << QRect(i < 3 ? 16 : 128, 24 + 24 * (i % 3), 97, 17) << true;
  }
  void layout() {
    QFETCH(QWidget*, control);
    QFETCH(QWidget*, parent);
    QFETCH(QRect, bounds);
    QFETCH(bool, visible);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), parent);
    QCOMPARE(control->geometry(), bounds);
    QCOMPARE(control->isVisibleTo(w), visible);
  }

  void window() {
    QCOMPARE(w->size(), QSize(672, 671));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->windowTitle(), QStringLiteral("Huebrook"));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(w->font().pixelSize(), 12);
    // An installed family, so no text waits for the font fallback search;
    // with IPA P Gothic present it is the one.
    if (QFontDatabase::hasFamily(QStringLiteral("IPAPGothic"))) {
      QCOMPARE(QFontInfo(w->font()).family(), w->font().family());
      QVERIFY(QFontDatabase::hasFamily(w->font().family()));
    }
    // The side panel's views are the sizes the swatch grids are laid out for.
    QCOMPARE(w->pnlKeep->size(), QSize(121, 139));
    QCOMPARE(w->pnlPallet->size(), QSize(121, 196));
    QCOMPARE(w->scbKeepWork->viewport()->size(), QSize(121, 139));
    QCOMPARE(w->scbPalletWork->viewport()->size(), QSize(121, 196));
    // Ranges, page steps and captions.
    QCOMPARE(w->TrackBar_H->maximum(), 359);
    QCOMPARE(w->SpnH->maximum(), 359);
    QCOMPARE(w->TrackBar_S->maximum(), 100);
    QCOMPARE(w->TrackBar_V->maximum(), 100);
    QCOMPARE(w->TrackBar_Red->pageStep(), 1);
    QCOMPARE(w->TrackBar_Green->pageStep(), 2);
    QCOMPARE(w->TrackBar_Blue->pageStep(), 2);
    QCOMPARE(w->TrackBar_K->pageStep(), 1);
    QCOMPARE(w->TrackBar_Red->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(w->txtHex->maxLength(), 512);
    QCOMPARE(w->GroupBox10->Caption(), QString::fromUtf8("24色相環 オプション表示"));
    QCOMPARE(w->GroupBox4->Caption(), QString::fromUtf8("キープ・パレット"));
    QCOMPARE(w->GroupBox5->Caption(), QString::fromUtf8("画面から色を取得"));
    QCOMPARE(w->cmdSetHex->text(), QString::fromUtf8("読込み"));
    QCOMPARE(w->cmdReset->Caption(), QString::fromUtf8("リセット"));
    QVERIFY(w->btnColorCapture->ShowHint());
    QVERIFY(!w->StatusProgressBar1->isVisibleTo(w));
    QVERIFY(!w->TBItem5->isVisible());
    QVERIFY(!w->TBItem6->isVisible());
    for (hb::TTimer* timer : {static_cast<hb::TTimer*>(w->abfColorPicker1), w->TimMouseDoun})
      QVERIFY(!timer->Enabled());
    QCOMPARE(w->abfColorPicker1->Interval(), 30);
    QCOMPARE(w->TimMouseDoun->Interval(), 100);
    QCOMPARE(w->timHistory->Interval(), 100);
  }

  void helpOpensPageBesideExecutable() {
    QList<QUrl> opened;
    hb::SetShellOpenHandlerForTesting([&opened](const QUrl& url) {
      opened << url;
      return true;
    });
    const QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/help.htm");
    QFile::remove(page);
    w->TBHelp->trigger();
    QVERIFY(opened.isEmpty());  // no page: nothing happens, nothing is shown
    {
      QFile file(page);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("<html></html>");
    }
    w->TBHelp->trigger();
    QFile::remove(page);
    hb::SetShellOpenHandlerForTesting(nullptr);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0], QUrl::fromLocalFile(page));
  }

  // Start-up makes neither the version dialog nor the editor; the toolbar
  // makes each when first opened, and opens the same window after.
  void secondaryWindowsMadeOnFirstUse_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("version dialog") << "TBItem3";
    QTest::newRow("palette editor") << "TB_PlugInEditor";
  }
  void secondaryWindowsMadeOnFirstUse() {
    QFETCH(QString, command);
    auto made = [&]() -> QWidget* {
      if (command == "TBItem3") return frmVersion;
      return frmEditor;
    };
    QCOMPARE(made(), nullptr);
    QAction* open = w->findChild<QAction*>(command);
    QVERIFY(open);
    open->trigger();
    QWidget* first = made();
    QVERIFY(first && first->isVisible());
    QVERIFY(!w->isEnabled());  // disabled while it is open, enabled when it closes
    first->close();
    QVERIFY(w->isEnabled());
    open->trigger();
    QCOMPARE(made(), first);
    QVERIFY(first->isVisible());
    first->close();
    QVERIFY(w->isEnabled());
  }

  // huebrook FILE: the editor opens over the main window with the file's
  // colours, or, for a file it cannot read, empty, as its open command leaves it.
  void paletteFileFromCommandLine_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("GIMP palette") << QByteArray("GIMP Palette\nName: T\n#\n255 0 0\tRed\n0 255 0\tGreen\n")
                                  << QStringList{"Red", "Green"};
    QTest::newRow("plug-in file") << QByteArray("[Sky]\nR=1\nG=2\nB=3\n") << QStringList{"Sky"};
    QTest::newRow("missing") << QByteArray() << QStringList{};
  }
  void paletteFileFromCommandLine() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, names);
    QTemporaryDir folder;
    const QString path = folder.filePath("palette.gpl");
    if (!content.isEmpty()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    w->OpenPaletteFile(path.toStdString());
    QVERIFY(frmEditor && frmEditor->isVisible());
    QVERIFY(!w->isEnabled());
    QStringList shown;
    for (int i = 0; i < frmEditor->ListBox1->count(); ++i) shown << frmEditor->ListBox1->item(i)->text();
    QCOMPARE(shown, names);
    frmEditor->close();
    QVERIFY(w->isEnabled());
  }

  void exitClosesTheWindow() {
    QVERIFY(w->isVisible());
    w->TB_End->trigger();
    QVERIFY(!w->isVisible());
    w->show();
  }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
