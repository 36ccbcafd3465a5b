// Taking colours from the screen, offscreen with a fake screen: the sampling
// bursts and their renewal, the dynamic mode, picking from the chart and the
// still capture.

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/frmMain.h"
#include "capture/Magnifier.h"
#include "capture/PickingLens.h"
#include "capture/ScreenColorPicker.h"
#include "capture/frmCaption.h"
#include "platform/FakeScreen.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenCursor.h"
#include "settings/AppPaths.h"
#include "settings/IniFile.h"
#include "values/ColorValue.h"

namespace {

// The fake screen, of the primary screen's size: a diagonal gradient, so that
// every pixel tells where it is.
QImage Gradient(int shift) {
  QImage image(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb((x + shift) & 255, y & 255, (x + y) & 255));
  return image;
}

// Black and white pixels in turn, white where x + y is even.
QImage Checkers() {
  QImage image(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  return image;
}

QColor At(const QImage& image, QPoint p) { return QColor(image.pixel(p)); }

void SendMove(QWidget* widget, Qt::MouseButtons buttons) {
  const QPointF local(5, 5);
  QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

} // namespace

class TestCapture : public QObject {
  Q_OBJECT

  hb::FakeScreen screen;
  hb::ScopedScreen* scoped = nullptr;
  TfrmMain* w = nullptr;

  bool BurstOver() const {
    return !w->abfColorPicker1->Enabled() && !w->TimMouseDoun->Enabled() && w->abfColorPicker1->Interval() == 30;
  }

  void PointAt(QPoint p) {
    screen.cursor = p;
  }

 private slots:
  void initTestCase() {
    screen.image = Gradient(0);
    scoped = new hb::ScopedScreen(screen);
    w = new TfrmMain;
    w->AttachStillCapture(new TfrmCaption(w));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
  }

  void cleanupTestCase() {
    delete w;
    delete scoped;
  }

  void init() {
    QTRY_VERIFY(BurstOver());
    screen.image = Gradient(0);
  }

  void eyedropperPressSamplesOneBurst() {
    PointAt({100, 50});
    QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    QCOMPARE(w->btnColorCapture->PictureLeft(), 100);
    QCOMPARE(hb::CurrentScreenCursor(), int(hb::crEyedropper));
    QCOMPARE(w->abfColorPicker1->Interval(), 1);
    QVERIFY(w->abfColorPicker1->Enabled());
    QVERIFY(w->TimMouseDoun->Enabled());
    // The burst's samples come on the kernel's clock.
    QVERIFY(w->abfColorPicker1->Punctual());
    QTRY_COMPARE(w->cmdColorView->Color(), At(screen.image, {100, 50}));
    QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    QCOMPARE(w->btnColorCapture->PictureLeft(), -1);
    QCOMPARE(hb::CurrentScreenCursor(), int(hb::crDefault));
    // The burst's tail samples the pixel under the now free cursor.
    PointAt({300, 200});
    QTRY_COMPARE(w->cmdColorView->Color(), At(screen.image, {300, 200}));
    QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
    QVERIFY(!w->abfColorPicker1->Punctual());
    QVERIFY(!w->abfColorPicker1->Running());
    // Without a burst nothing samples.
    PointAt({10, 10});
    const int reads = screen.pixelReads;
    QTest::qWait(60);
    QCOMPARE(screen.pixelReads, reads);
  }

  // A move with the left button held renews the burst; any other move does not.
  void renewal_data() {
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("heldWhileMoving");
    QTest::addColumn<bool>("renewed");
    QTest::newRow("left drag") << int(Qt::LeftButton) << int(Qt::LeftButton) << true;
    QTest::newRow("right drag") << int(Qt::RightButton) << int(Qt::RightButton) << false;
    QTest::newRow("middle drag") << int(Qt::MiddleButton) << int(Qt::MiddleButton) << false;
    QTest::newRow("right press, left also held") << int(Qt::RightButton) << int(Qt::RightButton | Qt::LeftButton)
                                                 << true;
  }
  void renewal() {
    QFETCH(int, pressed);
    QFETCH(int, heldWhileMoving);
    QFETCH(bool, renewed);
    for (QWidget* target : {static_cast<QWidget*>(w->btnColorCapture), static_cast<QWidget*>(w->imgHSV)}) {
      QTest::mousePress(target, Qt::MouseButton(pressed));
      QVERIFY(w->abfColorPicker1->Enabled());  // every button starts one burst
      QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
      SendMove(target, Qt::MouseButtons(heldWhileMoving));
      QCOMPARE(w->abfColorPicker1->Enabled(), renewed);
      QCOMPARE(w->TimMouseDoun->Enabled(), renewed);
      QCOMPARE(w->abfColorPicker1->Interval(), renewed ? 1 : 30);
      QTest::mouseRelease(target, Qt::MouseButton(pressed));
      QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
    }
  }

  // The timer's rules that the bursts rely on: setting what it already holds
  // does nothing, any change starts it afresh, and it runs only when enabled
  // with an interval and a handler.
  void timerRules() {
    hb::TTimer timer(nullptr, 100);
    timer.SetEnabled(true);
    QVERIFY(!timer.Running());  // no handler yet
    timer.SetOnTimer([](QObject*) {});
    QVERIFY(timer.Running());
    const int starts = timer.Starts();
    timer.SetEnabled(true);
    timer.SetInterval(100);
    QCOMPARE(timer.Starts(), starts);
    timer.SetInterval(50);
    QCOMPARE(timer.Starts(), starts + 1);
    QVERIFY(timer.Running());
    timer.SetEnabled(false);
    QVERIFY(!timer.Running());
    timer.SetInterval(1);
    QCOMPARE(timer.Starts(), starts + 1);  // a disabled timer stays off
    timer.SetInterval(0);
    timer.SetEnabled(true);
    QVERIFY(!timer.Running());  // nor does an interval of 0 run
  }

  // Moves while the stop timer runs do not restart it: a drag samples in
  // windows of 100 ms, each reopened by the next move after it closed.
  void movesDoNotRestartTheStopTimer() {
    QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    const int stopStarts = w->TimMouseDoun->Starts();
    const int samplerStarts = w->abfColorPicker1->Starts();
    for (int i = 0; i < 5; ++i) SendMove(w->btnColorCapture, Qt::LeftButton);
    SendMove(w->imgHSV, Qt::LeftButton);
    QCOMPARE(w->TimMouseDoun->Starts(), stopStarts);
    QCOMPARE(w->abfColorPicker1->Starts(), samplerStarts);
    // The stop timer's tick ends the burst; the next move opens a new one.
    w->TimMouseDounTimer(w->TimMouseDoun);
    QVERIFY(BurstOver());
    SendMove(w->btnColorCapture, Qt::LeftButton);
    QVERIFY(w->abfColorPicker1->Enabled());
    QCOMPARE(w->abfColorPicker1->Interval(), 1);
    QCOMPARE(w->TimMouseDoun->Starts(), stopStarts + 1);
    QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    // Left alone, the burst ends by itself; the bound is loose on purpose.
    QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 5000);
  }

  void chartPickConfinesTheCursor() {
    const QRect chart = screen.WidgetToDevice(w->imgHSV, QRect(0, 0, 361, 256));
    const int releases = screen.releases;
    QTest::mousePress(w->imgHSV, Qt::LeftButton, {}, QPoint(30, 40));
    QVERIFY(screen.confinedTo.has_value());
    QCOMPARE(*screen.confinedTo, chart);
    QCOMPARE(hb::CurrentScreenCursor(), int(hb::crEyedropper));
    screen.MoveCursor(chart.topLeft() + QPoint(500, 500));  // the user pushes past the corner
    QCOMPARE(screen.cursor, chart.bottomRight());
    QTRY_COMPARE(w->cmdColorView->Color(), At(screen.image, chart.bottomRight()));
    QTest::mouseRelease(w->imgHSV, Qt::LeftButton, {}, QPoint(30, 40));
    QCOMPARE(screen.releases, releases + 1);
    QVERIFY(!screen.confinedTo.has_value());
    QCOMPARE(hb::CurrentScreenCursor(), int(hb::crDefault));
  }

  void colorControlsEnabledInOrder() {
    const QList<QWidget*> expected = {
        w->cmdColorView, w->cmdReset,   w->TrackBar_Red, w->TrackBar_Green, w->TrackBar_Blue, w->SpnRed,
        w->SpnGreen,     w->SpnBlue,    w->TrackBar_H,   w->TrackBar_S,     w->TrackBar_V,    w->SpnH,
        w->SpnS,         w->SpnV,       w->TrackBar_C,   w->TrackBar_M,     w->TrackBar_Y,    w->TrackBar_K,
        w->SpnCyan,      w->SpnMagenta, w->SpnYellow,    w->SpnBlack,       w->txtHex,        w->cmdSetHex};
    struct Recorder : QObject {
      QList<QWidget*> seen;
      bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::EnabledChange) seen << static_cast<QWidget*>(o);
        return false;
      }
    } recorder;
    for (QWidget* c : expected) c->installEventFilter(&recorder);
    for (bool enabled : {false, true}) {
      recorder.seen.clear();
      w->SetColorControlsEnabled(enabled);
      QCOMPARE(recorder.seen, expected);
      for (QWidget* c : expected) QCOMPARE(c->isEnabled(), enabled);
      QCOMPARE(w->btn_StaticCapture->isVisible(), enabled);
      QCOMPARE(w->btn_DynamicCapture->isVisible(), enabled);
    }
    for (QWidget* c : expected) c->removeEventFilter(&recorder);
    // Back to how the window starts: the mode buttons hidden.
    w->btn_StaticCapture->hide();
    w->btn_DynamicCapture->hide();
  }

  void dynamicModeDeclined() {
    hb::ScopedMessageBoxes boxes;
    boxes.boxes.answers.push_back(hb::mrNo);
    w->btn_DynamicCaptureClick(nullptr);
    QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
    const hb::TMessageRequest& box = boxes.boxes.shown[0];
    QCOMPARE(box.caption, std::string("情報"));
    QCOMPARE(box.buttons, hb::TMsgDlgButtons(hb::mbYes | hb::mbNo));
    QVERIFY(QString::fromStdString(box.text).startsWith(QString::fromUtf8("ダイナミックキャプチャモードに入ります。")));
    QVERIFY(!w->abfColorPicker1->Enabled());
    QVERIFY(w->TrackBar_Red->isEnabled());
    QVERIFY(!w->cmdGetColorFromDisplay_Dynamic->isVisible());
  }

  void dynamicMode() {
    hb::ScopedMessageBoxes boxes;
    boxes.boxes.answers.push_back(hb::mrYes);
    const std::size_t topMostCalls = screen.topMostCalls.size();
    w->activateWindow();
    w->btn_DynamicCaptureClick(nullptr);
    QCOMPARE(screen.topMostCalls.size(), topMostCalls + 1);
    QVERIFY(screen.topMostCalls.back().topMost);
    // Follows the cursor every 30 ms, without any button held.
    QVERIFY(w->abfColorPicker1->Enabled());
    QCOMPARE(w->abfColorPicker1->Interval(), 30);
    PointAt({200, 100});
    QTRY_COMPARE(w->cmdColorView->Color(), At(screen.image, {200, 100}));
    PointAt({201, 101});
    QTRY_COMPARE(w->cmdColorView->Color(), At(screen.image, {201, 101}));
    QVERIFY(w->cmdGetColorFromDisplay_Dynamic->isVisible());
    QTRY_VERIFY(w->cmdGetColorFromDisplay_Dynamic->hasFocus());
    QVERIFY(!w->TrackBar_Red->isEnabled());
    QVERIFY(!w->btn_StaticCapture->isVisible());
    QVERIFY(w->PickingLens->Magnifier().isVisible());

    // A press on the eyedropper turns the running sampler into a burst.
    QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
    QVERIFY(w->cmdGetColorFromDisplay_Dynamic->isVisible());

    // Enter on the focused button leaves the mode.
    w->abfColorPicker1->SetEnabled(true);
    w->cmdGetColorFromDisplay_Dynamic->setFocus();
    QTest::keyClick(w->cmdGetColorFromDisplay_Dynamic, Qt::Key_Return);
    QVERIFY(!w->PickingLens->Magnifier().isVisible());
    QVERIFY(!screen.topMostCalls.back().topMost);
    QVERIFY(!w->abfColorPicker1->Enabled());
    QVERIFY(!w->cmdGetColorFromDisplay_Dynamic->isVisible());
    QVERIFY(w->TrackBar_Red->isEnabled());
    QVERIFY(w->btn_StaticCapture->isVisible());
    QVERIFY(w->btn_DynamicCapture->isVisible());
    w->btn_StaticCapture->hide();
    w->btn_DynamicCapture->hide();
  }

  // Any button takes the still image's pixel; the window closes and the main
  // window comes back.
  void stillCaptureClick_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
  }
  void stillCaptureClick() {
    QFETCH(int, button);
    hb::ScopedMessageBoxes boxes;
    w->SetColors(1, 2, 3);
    screen.image = Gradient(button);  // a fresh copy is taken at each showing
    frmCaption->show();
    QVERIFY(!w->isVisible());
    QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(boxes.boxes.shown[0].text),
             QString::fromUtf8("色を取得したい場所をクリックしてください"));
    QCOMPARE(boxes.boxes.shown[0].buttons, hb::TMsgDlgButtons(hb::mbOK | hb::mbCancel));
    QCOMPARE(frmCaption->Image1->geometry(), QRect(QPoint(0, 0), screen.image.size()));
    QCOMPARE(frmCaption->Image1->Picture(), screen.image);
    const QImage still = screen.image;
    screen.image = Gradient(99);  // the screen changes; the still image does not
    QTest::mouseClick(frmCaption->Image1, Qt::MouseButton(button), {}, QPoint(321, 123));
    QCOMPARE(w->cmdColorView->Color(), At(still, {321, 123}));
    QVERIFY(!frmCaption->isVisible());
    QVERIFY(w->isVisible());
  }

  // With a primary monitor that does not start at the screen's origin, the
  // still image is that monitor's area: each pixel is where it was shown.
  void stillCaptureOnOffsetPrimary() {
    hb::ScopedMessageBoxes boxes;
    const QSize size = QGuiApplication::primaryScreen()->size();
    const QPoint offset(300, 40);
    QImage desktop(size.width() + offset.x(), size.height() + offset.y(), QImage::Format_RGB32);
    for (int y = 0; y < desktop.height(); ++y)
      for (int x = 0; x < desktop.width(); ++x) desktop.setPixel(x, y, qRgb(x & 255, (x >> 8) * 16 + (y & 15), y >> 4));
    screen.image = desktop;
    screen.primary = QRect(offset, size);
    w->SetColors(1, 2, 3);
    frmCaption->show();
    const QImage still = frmCaption->Image1->Picture();
    screen.primary.reset();
    QCOMPARE(still, desktop.copy(QRect(offset, size)));
    QTest::mouseClick(frmCaption->Image1, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(w->cmdColorView->Color(), At(desktop, offset + QPoint(10, 5)));
    QVERIFY(w->isVisible());
  }

  void stillCaptureCancelled() {
    hb::ScopedMessageBoxes boxes;
    boxes.boxes.answers.push_back(hb::mrCancel);
    w->SetColors(4, 5, 6);
    frmCaption->show();
    QVERIFY(frmCaption->isVisible());  // shown, then closed at the timer's tick
    QVERIFY(frmCaption->Timer1->Enabled());
    QTRY_VERIFY(!frmCaption->isVisible());
    QVERIFY(!frmCaption->Timer1->Enabled());
    QVERIFY(w->isVisible());
    QCOMPARE(w->cmdColorView->Color(), QColor(4, 5, 6));
  }

  // Closed without a click (the window manager's close, or Escape): the
  // colour stays and the main window comes back.
  void stillCaptureClosedWithoutClick_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("close request") << false;
    QTest::newRow("escape") << true;
  }
  void stillCaptureClosedWithoutClick() {
    QFETCH(bool, escape);
    hb::ScopedMessageBoxes boxes;
    w->SetColors(7, 8, 9);
    frmCaption->show();
    if (escape)
      QTest::keyClick(frmCaption, Qt::Key_Escape);
    else
      frmCaption->close();
    QVERIFY(!frmCaption->isVisible());
    QVERIFY(w->isVisible());
    QCOMPARE(w->cmdColorView->Color(), QColor(7, 8, 9));
  }

  // While the dropper is held: the arrow keys move the pointer (Shift: ten
  // pixels) and the colour follows at once; + and the wheel choose the area,
  // whose mean becomes the colour; the area is written at the release, and
  // the still capture takes the same area.
  void pickingKeysAndArea() {
    QTemporaryDir folder;
    hb::TProgramFolders folders;
    folders.settingsRead = folders.settingsWrite = folder.filePath("huebrook.ini").toStdString();
    hb::ScopedProgramFolders standIn(folders);
    screen.image = Checkers();
    PointAt({100, 100});  // white: 5 of 9 and 13 of 25 around it are white
    w->activateWindow();
    QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    hb::TMagnifier& magnifier = w->PickingLens->Magnifier();
    QVERIFY(magnifier.isVisible());
    QCOMPARE(w->cmdColorView->Color(), QColor(255, 255, 255));
    struct Step {
      int key;
      Qt::KeyboardModifiers modifiers;
      QPoint cursor;
      int grey;
    };
    for (const Step& step : {Step{Qt::Key_Right, {}, {101, 100}, 0}, Step{Qt::Key_Down, Qt::ShiftModifier, {101, 110}, 0},
                             Step{Qt::Key_Plus, {}, {101, 110}, 113}, Step{Qt::Key_Plus, {}, {101, 110}, 122},
                             Step{Qt::Key_Plus, {}, {101, 110}, 122}, Step{Qt::Key_Left, {}, {100, 110}, 133}}) {
      QTest::keyClick(w, Qt::Key(step.key), step.modifiers);
      QCOMPARE(screen.cursor, step.cursor);
      QCOMPARE(w->cmdColorView->Color(), QColor(step.grey, step.grey, step.grey));
    }
    QWheelEvent down(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::LeftButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->btnColorCapture, &down);
    QCOMPARE(w->cmdColorView->Color(), QColor(142, 142, 142));
    QCOMPARE(magnifier.Area(), 3);
    QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    QVERIFY(!magnifier.isVisible());
    QCOMPARE(hb::TIniFile(folders.settingsRead).ReadInteger("Picking", "Area", 0), 3);
    QTest::keyClick(w, Qt::Key_Right);
    QCOMPARE(screen.cursor, QPoint(100, 110));  // the keys are the window's again

    hb::ScopedMessageBoxes boxes;
    frmCaption->show();
    QTest::mouseMove(frmCaption->Image1, QPoint(11, 10));
    QTRY_VERIFY(magnifier.isVisible());
    QCOMPARE(magnifier.Color(), uint(hb::ColorValue(113, 113, 113)));
    QTest::mouseClick(frmCaption->Image1, Qt::LeftButton, {}, QPoint(11, 10));
    QCOMPARE(w->cmdColorView->Color(), QColor(113, 113, 113));
    QVERIFY(!magnifier.isVisible());
    QTRY_VERIFY(BurstOver());
    w->PickingLens->SetArea(1);  // as the other cases expect
    w->PickingLens->Remember();
  }
};

QTEST_MAIN(TestCapture)
#include "tst_Capture.moc"
