// Picking in a Wayland session, offscreen: the window's eyedropper, still
// capture and chart with picking through a fake desktop portal on a private
// bus, and a fake screen that reads black everywhere, as X11 reading does
// outside the program's own windows under Wayland.

#include <QtTest>

#include <QPushButton>

#include "FakePortal.h"
#include "app/frmMain.h"
#include "capture/CommandPick.h"
#include "capture/ScreenPicking.h"
#include "capture/ScreenColorPicker.h"
#include "capture/frmCaption.h"
#include "platform/ColorPortal.h"
#include "platform/FakeScreen.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"

class TestPortalPick : public QObject {
  Q_OBJECT

  PrivateBus bus;
  hb::FakeScreen screen;
  hb::ScopedScreen* scoped = nullptr;
  TfrmMain* w = nullptr;
  TfrmCaption* caption = nullptr;
  QDBusConnection desktop{QString()};
  FakePortal* fake = nullptr;

  QList<int> Current() const { return {w->SpnRed->Value(), w->SpnGreen->Value(), w->SpnBlue->Value()}; }

  // The window as it starts in a Wayland session, its portal on the test's bus.
  void UsePortal(bool active, const QString& connection) {
    auto* portal = new hb::TColorPortal(bus.Connect(connection), nullptr);
    w->UseScreenPicking(active, portal);
    portal->setParent(w->Picking);
  }

 private slots:
  void initTestCase() {
    QVERIFY2(!bus.Address().isEmpty(), "dbus-daemon did not start (scripts/install-deps.sh)");
    screen.image = QImage(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
    screen.image.fill(Qt::black);
    scoped = new hb::ScopedScreen(screen);
    w = new TfrmMain;
    caption = new TfrmCaption(w);
    w->AttachStillCapture(caption);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    desktop = bus.Connect("desktop");
    fake = new FakePortal(desktop);
    QVERIFY(fake->Register());
    UsePortal(true, "window");
  }

  void cleanupTestCase() {
    delete w;
    delete scoped;
    delete fake;
  }

  void init() {
    w->SetColors(10, 20, 30);
    fake->mode = FakePortal::Answer;
    fake->calls = 0;
  }

  // Both ways of taking a colour from the screen end in the portal; the
  // colour it answers becomes current and the screen is never read.
  void picksThroughPortal_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("eyedropper") << 0;
    QTest::newRow("still capture") << 1;
  }
  void picksThroughPortal() {
    QFETCH(int, way);
    hb::ScopedMessageBoxes boxes;
    fake->response = 0;
    fake->results = {{"color", QVariant::fromValue(WireColour{1.0, 128 / 255.0, 0.0})}};
    const int reads = screen.pixelReads;
    if (way == 0)
      QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    else
      w->btn_StaticCaptureClick(nullptr);
    QTRY_COMPARE(Current(), (QList<int>{255, 128, 0}));
    if (way == 0) QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    QCOMPARE(fake->calls, 1);
    QVERIFY(!w->abfColorPicker1->Enabled());
    QVERIFY(!caption->isVisible());
    QVERIFY(w->isVisible());
    QCOMPARE(screen.pixelReads, reads);
    QVERIFY(boxes.boxes.shown.empty());
  }

  void cancelChangesNothing() {
    hb::ScopedMessageBoxes boxes;
    fake->response = 1;
    fake->results = {};
    const int refreshes = w->RefreshCount();
    w->btn_StaticCaptureClick(nullptr);
    QTRY_VERIFY(!w->Picking->Busy());
    QCOMPARE(fake->calls, 1);
    QCOMPARE(Current(), (QList<int>{10, 20, 30}));
    QCOMPARE(w->RefreshCount(), refreshes);
    QVERIFY(boxes.boxes.shown.empty());
  }

  // huebrook --pick under Wayland: the portal's colour printed in the chosen
  // notation, status 0; a cancel prints nothing, status 1; no magnifier.
  void commandPickThroughPortal_data() {
    QTest::addColumn<int>("response");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::newRow("picked") << 0 << 0 << "rgb(255 128 0)";
    QTest::newRow("cancelled") << 1 << 1 << "";
  }
  void commandPickThroughPortal() {
    QFETCH(int, response);
    QFETCH(int, status);
    QFETCH(QString, out);
    fake->response = uint(response);
    fake->results = {{"color", QVariant::fromValue(WireColour{1.0, 128 / 255.0, 0.0})}};
    hb::TColorPortal portal(bus.Connect("command"), nullptr);
    int finished = -1;
    std::string printed = "unset";
    hb::TCommandPick pick(nullptr, "css-rgb", 17, [&](int s, const std::string& o, const std::string&) {
      finished = s;
      printed = o;
    });
    pick.Start(&portal);
    QTRY_COMPARE(finished, status);
    QCOMPARE(QString::fromStdString(printed), out);
    QCOMPARE(fake->calls, 1);
    QVERIFY(!screen.inputGrabbed);
  }

  // No portal: one error box saying so, and the colour is not set to black.
  void missingPortalIsTold() {
    hb::ScopedMessageBoxes boxes;
    UsePortal(true, "lonely");
    delete fake;  // the portal leaves the bus
    fake = nullptr;
    QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    QTRY_COMPARE(boxes.boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.boxes.shown[0].caption, std::string("エラー"));
    QVERIFY(QString::fromStdString(boxes.boxes.shown[0].text).contains("ポータル"));
    QCOMPARE(Current(), (QList<int>{10, 20, 30}));
    QTest::qWait(50);
    QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
    fake = new FakePortal(desktop);
    QVERIFY(fake->Register());
  }

  // The chart reads its own picture: the colour under the press, then under
  // each move with the button held, kept inside the chart.
  void chartPicksFromItsPicture() {
    hb::ScopedMessageBoxes boxes;
    const QImage& chart = w->imgHSV->Canvas();
    const int reads = screen.pixelReads;
    auto expect = [&](QPoint p) {
      const QColor c = chart.pixelColor(p);
      return QList<int>{c.red(), c.green(), c.blue()};
    };
    QTest::mousePress(w->imgHSV, Qt::LeftButton, {}, QPoint(30, 40));
    QCOMPARE(Current(), expect({30, 40}));
    QVERIFY(Current() != (QList<int>{0, 0, 0}));
    QMouseEvent move(QEvent::MouseMove, QPointF(500, 120), w->imgHSV->mapToGlobal(QPointF(500, 120)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->imgHSV, &move);
    QCOMPARE(Current(), expect({chart.width() - 1, 120}));
    QTest::mouseRelease(w->imgHSV, Qt::LeftButton, {}, QPoint(500, 120));
    QCOMPARE(screen.pixelReads, reads);
    QVERIFY(!w->abfColorPicker1->Enabled());
    QCOMPARE(fake->calls, 0);
  }

  // On X11 nothing changes: the eyedropper samples the screen, no portal.
  void x11SessionSamplesScreen() {
    UsePortal(false, "x11");
    const int reads = screen.pixelReads;
    QTest::mousePress(w->btnColorCapture, Qt::LeftButton);
    QTest::mouseRelease(w->btnColorCapture, Qt::LeftButton);
    QTRY_VERIFY(screen.pixelReads > reads);
    QCOMPARE(Current(), (QList<int>{0, 0, 0}));
    QCOMPARE(fake->calls, 0);
    UsePortal(true, "window2");
  }
};

QTEST_MAIN(TestPortalPick)
#include "tst_PortalPick.moc"
