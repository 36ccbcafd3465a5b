// Taking colours from a real X screen (xvfb-run -s "-screen 0 1280x1024x24"),
// with the pointer driven through XTest as a user's mouse would drive it.

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QtTest>
#include <memory>

#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

#include "XHand.h"
#include "app/frmMain.h"
#include "capture/Magnifier.h"
#include "capture/PickingLens.h"
#include "capture/ScreenColorPicker.h"
#include "capture/frmCaption.h"
#include "values/ColorValue.h"
#include "platform/ScreenX11.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"

namespace {

// A plain-coloured window placed exactly where it is asked to be.
class Patch : public QWidget {
 public:
  Patch(QColor c, QRect g)
      : QWidget(nullptr, Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint), colour(c) {
    setGeometry(g);
  }
  QColor colour;

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

// Each pixel its own colour: (6x, 6y, 77) at (x, y) of the window.
class Pattern : public QWidget {
 public:
  explicit Pattern(QRect g)
      : QWidget(nullptr, Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint) {
    setGeometry(g);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QImage image(size(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) image.setPixel(x, y, qRgb(6 * x, 6 * y, 77));
    QPainter(this).drawImage(0, 0, image);
  }
};

QPoint Centre(const QRect& r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }

QColor FromRef(std::uint32_t c) { return QColor(hb::RedOf(c), hb::GreenOf(c), hb::BlueOf(c)); }

bool Scaled() { return !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"); }

} // namespace

class TestCaptureX11 : public QObject {
  Q_OBJECT

  std::unique_ptr<Hand> hand;
  std::unique_ptr<Patch> backdrop;
  std::unique_ptr<Patch> target;
  TfrmMain* w = nullptr;

  // Moves the pointer in small steps, as a hand does, letting the program run.
  void Glide(QPoint from, QPoint to, int steps = 12) {
    for (int i = 1; i <= steps; ++i) {
      const QPoint p = from + (to - from) * i / steps;
      hand->MoveTo(p);
      // The program sees each position before the next one.
      QVERIFY(QTest::qWaitFor([&] { return hand->Where() == p; }, 1000));
      QCoreApplication::processEvents();
    }
  }

  QRect Device(QWidget* widget) { return hb::TheScreen().WidgetToDevice(widget, widget->rect()); }

  // Whether the cursor the X server shows is the eyedropper: 32 x 32 with its
  // hot spot at the dropper's tip (Qt does not scale cursor pictures).
  bool ShowsEyedropper() const {
    XFixesCursorImage* cursor = XFixesGetCursorImage(hand->d);
    if (!cursor) return false;
    const bool dropper = cursor->width == 32 && cursor->height == 32 && cursor->xhot == 11 && cursor->yhot == 20;
    XFree(cursor);
    return dropper;
  }

  // A key pressed and released on the X server, as the user's keyboard does.
  void Key(KeySym sym) const {
    const KeyCode code = XKeysymToKeycode(hand->d, sym);
    XTestFakeKeyEvent(hand->d, code, True, 0);
    XTestFakeKeyEvent(hand->d, code, False, 0);
    hand->Done();
  }

  // Another client holds the keyboard (huebrook --pick takes it last).
  bool KeyboardHeldElsewhere() const {
    const int status = XGrabKeyboard(hand->d, hand->Root(), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (status == GrabSuccess) XUngrabKeyboard(hand->d, CurrentTime);
    hand->Done();
    return status == AlreadyGrabbed;
  }

  bool BurstOver() const { return !w->abfColorPicker1->Enabled() && w->abfColorPicker1->Interval() == 30; }

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    hand = std::make_unique<Hand>();
    QVERIFY(hand->d);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    backdrop = std::make_unique<Patch>(QColor(10, 20, 30), QRect(QPoint(0, 0), screen));
    target = std::make_unique<Patch>(QColor(12, 200, 34), QRect(screen.width() - 90, 20, 60, 40));
    backdrop->show();
    target->show();
    QVERIFY(QTest::qWaitForWindowExposed(target.get()));
    w = new TfrmMain;
    w->AttachStillCapture(new TfrmCaption(w));
    if (Scaled()) w->move(0, 0);  // twice as big: keep it on the screen
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    target->raise();  // scaled, the main window covers the whole screen
    QTRY_COMPARE(FromRef(hb::TheScreen().PixelAt(Centre(Device(target.get())))), target->colour);
  }

  void cleanupTestCase() { delete w; }

  // A failed check must not leave a button held down for the next one.
  void cleanup() {
    hand->Button(1, false);
    hand->Button(3, false);
    QTRY_VERIFY(!hb::TheScreen().LeftButtonDown());
  }

  // Dragging the eyedropper onto a window sets exactly that window's colour.
  void eyedropperDrag() {
    const QPoint start = Centre(Device(w->btnColorCapture));
    const QPoint onTarget = Centre(Device(target.get()));
    hand->MoveTo(start);
    QTRY_COMPARE(hand->Where(), start);
    hand->Button(1, true);
    QTRY_COMPARE(w->btnColorCapture->PictureLeft(), 100);
    Glide(start, onTarget);
    hand->MoveBy({1, 0});
    QTRY_COMPARE(w->cmdColorView->Color(), target->colour);
    QCOMPARE(w->txtHex->text(), QStringLiteral("0CC822"));
    // Over another window the pointer still shows the dropper, tip on the pixel.
    QVERIFY(ShowsEyedropper());
    hand->Button(1, false);
    QTRY_COMPARE(w->btnColorCapture->PictureLeft(), -1);
    QTRY_VERIFY(!ShowsEyedropper());
    QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
    QCOMPARE(w->cmdColorView->Color(), target->colour);
    hand->MoveTo(start);
  }

  // Under a scale factor the dropper still reads the device pixel under its
  // hot spot: the same drag in a second process with QT_SCALE_FACTOR=2.
  void eyedropperDragScaled() {
    if (Scaled()) QSKIP("already scaled");
    w->hide();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"eyedropperDrag"});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    target->raise();
    QVERIFY2(child.exitCode() == 0, output.constData());
  }

  // While a button is held on the chart the pointer cannot leave it; the
  // colour picked is the chart's own pixel; after release the pointer is free.
  void chartPick() {
    if (Scaled()) QSKIP("covered unscaled");
    const QRect chart = hb::TheScreen().WidgetToDevice(w->imgHSV, QRect(0, 0, 361, 256));
    const QPoint inside = chart.topLeft() + QPoint(200, 180);
    auto* x11 = dynamic_cast<hb::TScreenX11*>(&hb::TheScreen());
    QVERIFY(x11);
    hand->MoveTo(inside);
    QTRY_COMPARE(hand->Where(), inside);
    hand->Button(1, true);
    QTRY_VERIFY(w->abfColorPicker1->Enabled());
    QTRY_VERIFY(x11->CurrentConfinement() != hb::TScreenX11::Confinement::Free);
    // The server applies the confinement to each move before it answers where
    // the pointer is, so no wait is needed between a move and its check.
    for (const QPoint away : {QPoint(5, 5), QPoint(1270, 1000), QPoint(chart.left() - 1, chart.top() + 10)}) {
      hand->MoveTo(away);
      QVERIFY2(chart.contains(hand->Where()), qPrintable(QStringLiteral("pointer escaped to %1,%2")
                                                             .arg(hand->Where().x()).arg(hand->Where().y())));
    }
    hand->MoveBy({-40, -40});
    QVERIFY(chart.contains(hand->Where()));
    // The colour shown is the chart pixel under the pointer.
    const QPoint at = hand->Where();
    const QPoint pixel = hb::TheScreen().DeviceToWidget(w->imgHSV, at);
    QTRY_COMPARE(w->cmdColorView->Color(), QColor(w->imgHSV->Picture().pixel(pixel)));
    hand->Button(1, false);
    QTRY_VERIFY(x11->CurrentConfinement() == hb::TScreenX11::Confinement::Free);
    hand->MoveTo({5, 5});
    QTRY_COMPARE(hand->Where(), QPoint(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
  }

  // The still image is the screen as it was, without the main window; a
  // click takes the pixel under it.
  void stillCapture() {
    if (Scaled()) QSKIP("covered unscaled");
    hb::ScopedMessageBoxes boxes;
    const QRect mainArea = Device(w);
    frmCaption->show();
    QVERIFY(!w->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(frmCaption));
    const QImage still = frmCaption->Image1->Picture();
    QCOMPARE(still.size(), hb::TheScreen().PrimaryScreenSize());
    QCOMPARE(QColor(still.pixel(Centre(mainArea))), backdrop->colour);  // the main window had gone
    QCOMPARE(QColor(still.pixel(Centre(Device(target.get())))), target->colour);
    QCOMPARE(QColor(still.pixel(3, 3)), backdrop->colour);
    // Shown where it was taken: the screen now shows the still image.
    QTRY_COMPARE(FromRef(hb::TheScreen().PixelAt(Centre(mainArea))), backdrop->colour);
    // The target changes; the still image keeps its old colour.
    const QColor was = target->colour;
    target->colour = QColor(250, 1, 2);
    target->update();
    const QPoint click = Centre(Device(target.get()));
    hand->MoveTo(click);
    QTRY_COMPARE(hand->Where(), click);
    hand->Button(3, true);
    hand->Button(3, false);
    QTRY_VERIFY(!frmCaption->isVisible());
    QTRY_VERIFY(w->isVisible());
    QCOMPARE(w->cmdColorView->Color(), was);
    target->colour = was;
    target->update();
  }

  // Beside the dragged dropper the magnifier shows the pixels around the hot
  // spot eight times over and is never over them; the arrow keys move the
  // pointer one pixel, ten with Shift, and the colour follows.
  void magnifierAndKeys() {
    if (Scaled()) QSKIP("covered unscaled");
    Pattern pattern(QRect(300, 600, 40, 40));
    pattern.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pattern));
    const QPoint start = Centre(Device(w->btnColorCapture));
    const QPoint spot = Device(&pattern).topLeft() + QPoint(20, 20);
    hand->MoveTo(start);
    QTRY_COMPARE(hand->Where(), start);
    hand->Button(1, true);
    QTRY_COMPARE(w->btnColorCapture->PictureLeft(), 100);
    Glide(start, spot);
    hb::TMagnifier& magnifier = w->PickingLens->Magnifier();
    QTRY_COMPARE(w->cmdColorView->Color(), QColor(120, 120, 77));
    QTRY_VERIFY(magnifier.isVisible());
    QTRY_COMPARE(magnifier.DeviceRect().topLeft(), spot + QPoint(13, 13));
    QVERIFY(!magnifier.DeviceRect().intersects(QRect(spot - QPoint(7, 7), QSize(15, 15))));
    // The middle of each enlarged pixel, read back from the screen.
    for (const QPoint d : {QPoint(-7, -7), QPoint(0, 0), QPoint(7, 7), QPoint(3, -2)}) {
      const QPoint cell = magnifier.DeviceRect().topLeft() + QPoint(1, 1) + (d + QPoint(7, 7)) * 8 + QPoint(4, 4);
      QTRY_COMPARE(FromRef(hb::TheScreen().PixelAt(cell)), QColor(6 * (20 + d.x()), 6 * (20 + d.y()), 77));
    }
    QTest::keyClick(w, Qt::Key_Right);
    QTRY_COMPARE(hand->Where(), spot + QPoint(1, 0));
    QCOMPARE(w->cmdColorView->Color(), QColor(126, 120, 77));
    QTest::keyClick(w, Qt::Key_Up, Qt::ShiftModifier);
    QTRY_COMPARE(hand->Where(), spot + QPoint(1, -10));
    QCOMPARE(w->cmdColorView->Color(), QColor(126, 60, 77));
    hand->Button(1, false);
    QTRY_VERIFY(!magnifier.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(BurstOver(), 1000);
    hand->MoveTo(start);
  }

  // huebrook --pick, run as a command: the colour under the first left click
  // on standard output and 0; Escape or a right click, nothing and 1.
  void commandPick_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("left click") << QStringList{"--pick"} << "left" << 0 << QByteArray("#0CC822\n");
    QTest::newRow("--format css-rgb") << QStringList{"--pick", "--format", "css-rgb"} << "left" << 0
                                      << QByteArray("rgb(12 200 34)\n");
    QTest::newRow("Escape") << QStringList{"--pick"} << "escape" << 1 << QByteArray();
    QTest::newRow("right click") << QStringList{"--pick"} << "right" << 1 << QByteArray();
  }
  void commandPick() {
    QFETCH(QStringList, args);
    QFETCH(QString, action);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    if (Scaled()) QSKIP("covered unscaled");
    const QPoint spot = Centre(Device(target.get()));
    hand->MoveTo(spot - QPoint(1, 0));
    QProcess pick;
    pick.start(QStringLiteral(HB_EXECUTABLE), args);
    QVERIFY(pick.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(KeyboardHeldElsewhere(), 10000);
    // The keyboard's arrows move the pointer while it picks.
    Key(XK_Right);
    QTRY_COMPARE(hand->Where(), spot);
    if (action == "escape") {
      Key(XK_Escape);
    } else {
      const unsigned button = action == "left" ? 1 : 3;
      hand->Button(button, true);
      hand->Button(button, false);
    }
    QVERIFY(pick.waitForFinished(5000));
    QCOMPARE(pick.exitStatus(), QProcess::NormalExit);
    QCOMPARE(pick.exitCode(), status);
    QCOMPARE(pick.readAllStandardOutput(), out);
    QVERIFY(!KeyboardHeldElsewhere());
  }
};

QTEST_MAIN(TestCaptureX11)
#include "tst_CaptureX11.moc"
