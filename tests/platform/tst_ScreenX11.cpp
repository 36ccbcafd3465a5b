// The X11 screen against a real X server (xvfb-run -s "-screen 0 1280x1024x24").
// The pointer is driven with XTest from a connection of the test's own.

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "platform/FakeScreen.h"
#include "platform/ScreenX11.h"
#include "platform/WindowPrefill.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "XHand.h"

using hb::TScreenX11;

namespace {

std::uint32_t Ref(int r, int g, int b) { return std::uint32_t(r | g << 8 | b << 16); }

// The hand, with what a window manager makes of the windows.
struct WmHand : Hand {
  std::vector<Atom> States(Window w) const {
    Atom type;
    int format;
    unsigned long n = 0, after;
    unsigned char* data = nullptr;
    std::vector<Atom> out;
    XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                       &type, &format, &n, &after, &data);
    if (data) out.assign(reinterpret_cast<Atom*>(data), reinterpret_cast<Atom*>(data) + n);
    if (data) XFree(data);
    return out;
  }
  bool ManagerRunning() const {
    Atom type = 0;
    int format;
    unsigned long n = 0, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(d, Root(), XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                       XA_WINDOW, &type, &format, &n, &after, &data);
    if (data) XFree(data);
    return n == 1;
  }
  // Reparented into a frame of the manager's: the manager has taken it on.
  bool Framed(Window w) const {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) return false;
    if (children) XFree(children);
    return parent != root;
  }
  // The manager has answered a request to activate w: w is active, or (focus
  // stealing refused) marked as wanting attention.
  bool ActivationHandled(Window w) const {
    Atom type = 0;
    int format;
    unsigned long n = 0, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(d, Root(), XInternAtom(d, "_NET_ACTIVE_WINDOW", False), 0, 1, False, XA_WINDOW, &type,
                       &format, &n, &after, &data);
    const bool active = n == 1 && data && *reinterpret_cast<Window*>(data) == w;
    if (data) XFree(data);
    const Atom attention = XInternAtom(d, "_NET_WM_STATE_DEMANDS_ATTENTION", False);
    const auto s = States(w);
    return active || std::find(s.begin(), s.end(), attention) != s.end();
  }
  bool HasAboveState(Window w) const {
    const Atom above = XInternAtom(d, "_NET_WM_STATE_ABOVE", False);
    const auto s = States(w);
    return std::find(s.begin(), s.end(), above) != s.end();
  }
};

// A plain-coloured top-level placed exactly (no window manager moves it).
class Patch : public QWidget {
 public:
  explicit Patch(QColor c, QRect g, bool managed = false)
      : QWidget(nullptr, managed ? Qt::Window : Qt::Window | Qt::X11BypassWindowManagerHint |
                                                    Qt::FramelessWindowHint),
        colour(c) {
    setGeometry(g);
  }
  QColor colour;
  QRect confineTo;  // widget coordinates; confined while a button is held
  TScreenX11* screen = nullptr;
  int releases = 0;
  QPoint lastMove;

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
  void mousePressEvent(QMouseEvent*) override {
    if (screen && !confineTo.isNull()) screen->ConfineCursor(screen->WidgetToDevice(this, confineTo));
  }
  void mouseMoveEvent(QMouseEvent* e) override { lastMove = e->globalPosition().toPoint(); }
  void mouseReleaseEvent(QMouseEvent*) override {
    ++releases;
    if (screen) screen->ReleaseCursor();
  }
};

bool Show(QWidget& w) {
  w.show();
  return QTest::qWaitForWindowExposed(&w, 15000);  // slow under sanitizers with a manager running
}

// An X server of its own for visuals the main one lacks; closed with the object.
struct ExtraServer {
  QProcess process;
  QString name;
  bool Start(int depth) {
    for (int n = 150; n < 200; ++n) {
      if (QFile::exists(QString("/tmp/.X%1-lock").arg(n))) continue;
      name = QString(":%1").arg(n);
      process.start("Xvfb", {name, "-screen", "0", QString("64x48x%1").arg(depth), "-nolisten", "tcp", "-noreset"});
      process.waitForStarted();
      for (int i = 0; i < 100 && process.state() == QProcess::Running; ++i) {
        if (Display* d = XOpenDisplay(name.toLocal8Bit().constData())) {
          XCloseDisplay(d);
          return true;
        }
        QTest::qWait(50);
      }
      process.kill();
      process.waitForFinished();
    }
    return false;
  }
  ~ExtraServer() {
    process.terminate();
    process.waitForFinished();
  }
};

// Under QT_SCALE_FACTOR=2: a widget whose every device pixel has its own
// colour (red = x, green = y), so a read one pixel off shows.
int ScaledChild() {
  TScreenX11 screen;
  Hand hand;
  Patch top(Qt::blue, QRect(50, 40, 100, 80));
  class Pattern : public QWidget {
   public:
    using QWidget::QWidget;
    void paintEvent(QPaintEvent*) override {
      QImage img(120, 100, QImage::Format_RGB32);
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(x, y, 0x5A));
      img.setDevicePixelRatio(2);
      QPainter(this).drawImage(0, 0, img);
    }
  } chart(&top);
  chart.setGeometry(7, 5, 60, 50);
  if (!Show(top)) return 1;
  int failures = 0;
  auto check = [&](bool ok, const char* what) {
    if (!ok) fprintf(stderr, "scaled: %s\n", what), ++failures;
  };
  const QRect r = screen.WidgetToDevice(&chart, chart.rect());
  check(r == QRect(100 + 14, 80 + 10, 120, 100), "widget rectangle in device pixels");
  check(QTest::qWaitFor([&] { return screen.PixelAt(r.topLeft()) == Ref(0, 0, 0x5A); }), "painted");
  for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(61, 37), QPoint(119, 99)})
    check(screen.PixelAt(r.topLeft() + p) == Ref(p.x(), p.y(), 0x5A), "pattern pixel");
  check(screen.PixelAt(r.topLeft() - QPoint(1, 1)) == Ref(0, 0, 255), "pixel outside the widget");
  const QPoint odd = r.topLeft() + QPoint(13, 27);
  hand.MoveTo(odd);
  check(screen.CursorPos() == odd, "cursor position");
  check(screen.PixelUnderCursor() == Ref(13, 27, 0x5A), "pixel under the hot spot");
  check(screen.DeviceToWidget(&chart, odd) == QPoint(6, 13), "device point to widget");
  check(screen.PrimaryScreenSize() == QSize(1280, 1024), "primary size in device pixels");
  // Held inside the widget exactly, to the device pixel.
  top.screen = &screen;
  top.confineTo = chart.geometry();
  hand.Button(1, true);
  check(QTest::qWaitFor([&] { return screen.CurrentConfinement() == TScreenX11::Confinement::PointerGrab; }),
        "confined on press");
  hand.MoveTo(QPoint(2000, 2000));
  check(hand.Where() == r.bottomRight(), "confined to the bottom-right device pixel");
  hand.Button(1, false);
  check(QTest::qWaitFor([&] { return screen.CurrentConfinement() == TScreenX11::Confinement::Free; }),
        "released on release");
  hand.MoveTo(QPoint(900, 900));
  check(hand.Where() == QPoint(900, 900), "free after release");
  return failures;
}

} // namespace

class TestScreenX11 : public QObject {
  Q_OBJECT
  std::unique_ptr<WmHand> hand;
  std::unique_ptr<TScreenX11> screen;
  std::unique_ptr<Patch> backdrop;

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    hand = std::make_unique<WmHand>();
    QVERIFY(hand->d);
    screen = std::make_unique<TScreenX11>();
    QVERIFY(screen->IsOpen());
    // A known colour everywhere, so edges show.
    backdrop = std::make_unique<Patch>(QColor(10, 20, 30), QRect(0, 0, 1280, 1024));
    QVERIFY(Show(*backdrop));
  }

  void pixelUnderCursor_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<uint>("expected");
    QTest::newRow("red") << QColor(255, 0, 0) << uint(0x0000FF);
    QTest::newRow("orange") << QColor(255, 128, 0) << uint(0x0080FF);
    QTest::newRow("distinct bytes") << QColor(1, 2, 3) << uint(0x030201);
    QTest::newRow("white") << QColor(255, 255, 255) << uint(0xFFFFFF);
    QTest::newRow("black") << QColor(0, 0, 0) << uint(0);
  }
  void pixelUnderCursor() {
    QFETCH(QColor, colour);
    QFETCH(uint, expected);
    Patch w(colour, QRect(300, 200, 50, 40));
    QVERIFY(Show(w));
    hand->MoveTo(QPoint(349, 239));  // the last pixel inside
    QTRY_COMPARE(uint(screen->PixelUnderCursor()), expected);
    QCOMPARE(uint(screen->PixelAt(QPoint(300, 200))), expected);
    QCOMPARE(uint(screen->PixelAt(QPoint(350, 239))), uint(Ref(10, 20, 30)));
    QCOMPARE(uint(screen->PixelAt(QPoint(300, 199))), uint(Ref(10, 20, 30)));
    QCOMPARE(screen->CursorPos(), QPoint(349, 239));
  }

  // A prefilled window shows its picture at map, though it never paints;
  // after its first expose the picture is no longer its background.
  void prefilledWindow() {
    QWindow window;
    window.setGeometry(600, 500, 80, 60);
    QImage picture(80, 60, QImage::Format_ARGB32_Premultiplied);  // as a back buffer holds it
    picture.fill(QColor(0x12, 0x34, 0x56));
    hb::PrefillWindow(&window, picture);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(uint(screen->PixelAt(QPoint(640, 530))), uint(Ref(0x12, 0x34, 0x56)));
    GC gc = XCreateGC(hand->d, window.winId(), 0, nullptr);
    XSetForeground(hand->d, gc, 0x00FF00);
    XFillRectangle(hand->d, window.winId(), gc, 0, 0, 80, 60);
    XClearWindow(hand->d, window.winId());  // no background: left as drawn
    XFreeGC(hand->d, gc);
    XSync(hand->d, False);
    QCOMPARE(uint(screen->PixelAt(QPoint(640, 530))), uint(Ref(0, 255, 0)));
  }

  void pixelOffScreen_data() {
    QTest::addColumn<QPoint>("p");
    QTest::newRow("left") << QPoint(-1, 5);
    QTest::newRow("above") << QPoint(5, -1);
    QTest::newRow("right") << QPoint(1280, 5);
    QTest::newRow("below") << QPoint(5, 1024);
    QTest::newRow("far") << QPoint(INT_MAX, INT_MIN);
  }
  void pixelOffScreen() {
    QFETCH(QPoint, p);
    QCOMPARE(uint(screen->PixelAt(p)), 0u);
    QCOMPARE(uint(screen->PixelAt(QPoint(0, 0))), uint(Ref(10, 20, 30)));  // still working
  }

  void copyPrimaryScreen() {
    Patch a(QColor(200, 0, 0), QRect(0, 0, 40, 30)), b(QColor(0, 200, 0), QRect(600, 500, 80, 60)),
        c(QColor(0, 0, 200), QRect(1240, 994, 40, 30));
    QVERIFY(Show(a) && Show(b) && Show(c));
    QTRY_COMPARE(uint(screen->PixelAt(QPoint(1279, 1023))), uint(Ref(0, 0, 200)));
    const QImage copy = screen->CopyPrimaryScreen();
    QCOMPARE(copy.size(), QSize(1280, 1024));
    QCOMPARE(copy.format(), QImage::Format_RGB32);
    QCOMPARE(copy.pixel(0, 0), qRgb(200, 0, 0));
    QCOMPARE(copy.pixel(39, 29), qRgb(200, 0, 0));
    QCOMPARE(copy.pixel(40, 29), qRgb(10, 20, 30));
    QCOMPARE(copy.pixel(679, 559), qRgb(0, 200, 0));
    QCOMPARE(copy.pixel(1279, 1023), qRgb(0, 0, 200));
    for (int y = 3; y < 1024; y += 97)
      for (int x = 5; x < 1280; x += 89) {
        const std::uint32_t px = screen->PixelAt(QPoint(x, y));
        QCOMPARE(copy.pixel(x, y), qRgb(px & 0xFF, px >> 8 & 0xFF, px >> 16));
      }
  }

  void leftButton_data() {
    QTest::addColumn<uint>("button");
    QTest::addColumn<bool>("left");
    QTest::newRow("left") << 1u << true;
    QTest::newRow("middle") << 2u << false;
    QTest::newRow("right") << 3u << false;
  }
  void leftButton() {
    QFETCH(uint, button);
    QFETCH(bool, left);
    hand->MoveTo(QPoint(5, 5));  // over the backdrop, which takes no action
    QVERIFY(!screen->LeftButtonDown());
    hand->Button(button, true);
    QCOMPARE(screen->LeftButtonDown(), left);
    hand->Button(button, false);
    QVERIFY(!screen->LeftButtonDown());
  }

  void moveAndClick() {
    QPushButton button("x");
    button.setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    button.setGeometry(400, 300, 80, 30);
    QVERIFY(Show(button));
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QVERIFY(screen->MoveAndClick(QPoint(410, 320)));
    QCOMPARE(hand->Where(), QPoint(410, 320));
    QTRY_COMPARE(clicked.count(), 1);
  }

  // A drag in a Qt widget that confines the cursor from its press handler,
  // as the chart does; Qt holds the pointer's implicit grab at that moment.
  void confineDuringDrag_data() {
    QTest::addColumn<int>("how");  // 0 absolute, 1 relative, 2 warp
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("expected");
    // Press at (300, 230); the cursor is held in (250, 190)-(449, 289).
    QTest::newRow("absolute right") << 0 << QPoint(900, 230) << QPoint(449, 230);
    QTest::newRow("absolute up-left") << 0 << QPoint(10, 10) << QPoint(250, 190);
    QTest::newRow("absolute below") << 0 << QPoint(300, 1000) << QPoint(300, 289);
    QTest::newRow("absolute inside") << 0 << QPoint(260, 200) << QPoint(260, 200);
    QTest::newRow("relative right") << 1 << QPoint(500, 0) << QPoint(449, 230);
    QTest::newRow("relative up-left") << 1 << QPoint(-400, -400) << QPoint(250, 190);
    QTest::newRow("relative down-right") << 1 << QPoint(1000, 1000) << QPoint(449, 289);
    QTest::newRow("warp") << 2 << QPoint(1000, 600) << QPoint(449, 289);
  }
  void confineDuringDrag() {
    QFETCH(int, how);
    QFETCH(QPoint, to);
    QFETCH(QPoint, expected);
    Patch w(Qt::gray, QRect(200, 150, 400, 300));
    w.screen = screen.get();
    w.confineTo = QRect(50, 40, 200, 100);
    QVERIFY(Show(w));
    hand->MoveTo(QPoint(300, 230));
    hand->Button(1, true);
    QTRY_COMPARE(screen->CurrentConfinement(), TScreenX11::Confinement::PointerGrab);
    how == 0 ? hand->MoveTo(to) : how == 1 ? hand->MoveBy(to) : hand->Warp(to);
    QCOMPARE(hand->Where(), expected);
    QTRY_COMPARE(w.lastMove, expected);  // Qt still sees the moves
    hand->Button(1, false);
    QTRY_COMPARE(w.releases, 1);  // ... and the release, which frees the cursor
    QCOMPARE(screen->CurrentConfinement(), TScreenX11::Confinement::Free);
    hand->MoveTo(QPoint(900, 700));
    QCOMPARE(hand->Where(), QPoint(900, 700));
  }

  void confineWithoutButtonAndReleaseTwice() {
    Patch w(Qt::gray, QRect(200, 150, 400, 300));
    QVERIFY(Show(w));
    screen->ReleaseCursor();  // nothing confined: harmless
    hand->MoveTo(QPoint(900, 700));
    QVERIFY(screen->ConfineCursor(QRect(250, 190, 200, 100)));
    QCOMPARE(hand->Where(), QPoint(449, 289));  // brought inside
    hand->MoveBy(QPoint(-1000, 0));
    QCOMPARE(hand->Where(), QPoint(250, 289));
    QVERIFY(!screen->ConfineCursor(QRect(5000, 5000, 10, 10)));  // off the screen
    QCOMPARE(screen->CurrentConfinement(), TScreenX11::Confinement::Free);
    screen->ReleaseCursor();
    screen->ReleaseCursor();
    hand->MoveTo(QPoint(1100, 50));
    QCOMPARE(hand->Where(), QPoint(1100, 50));
  }

  // When another client holds the pointer, barriers still stop mouse motion:
  // a mouse moves in steps of a few pixels. (Xvfb lets single diagonal jumps
  // of hundreds of pixels through, so the steps here stay small.)
  void confineWhileAnotherClientGrabs_data() {
    QTest::addColumn<QPoint>("step");
    QTest::newRow("right") << QPoint(7, 0);
    QTest::newRow("up-left") << QPoint(-5, -7);
    QTest::newRow("down") << QPoint(0, 6);
    QTest::newRow("up-right") << QPoint(8, -3);
    QTest::newRow("down-left") << QPoint(-2, 9);
  }
  void confineWhileAnotherClientGrabs() {
    QFETCH(QPoint, step);
    const QRect held(250, 190, 200, 100);
    hand->MoveTo(QPoint(900, 700));
    QCOMPARE(XGrabPointer(hand->d, hand->Root(), False, 0, GrabModeAsync, GrabModeAsync, 0, 0, 0),
             GrabSuccess);
    const auto ungrab = qScopeGuard([&] { XUngrabPointer(hand->d, 0); hand->Done(); });
    QVERIFY(screen->ConfineCursor(held));
    QCOMPARE(screen->CurrentConfinement(), TScreenX11::Confinement::Barriers);
    QCOMPARE(hand->Where(), QPoint(449, 289));
    hand->MoveTo(QPoint(350, 240));  // from the middle
    for (int i = 0; i < 60; ++i) hand->MoveBy(step);
    QVERIFY2(held.contains(hand->Where()), qPrintable(QString("escaped to %1,%2").arg(hand->Where().x()).arg(hand->Where().y())));
    screen->ReleaseCursor();
    QCOMPARE(screen->CurrentConfinement(), TScreenX11::Confinement::Free);
    for (int i = 0; i < 60; ++i) hand->MoveBy(step);
    QVERIFY(!held.contains(hand->Where()));
  }

  void topMostWithoutWindowManager() {
    Patch a(Qt::red, QRect(100, 100, 200, 200), true), b(Qt::green, QRect(150, 150, 200, 200), true);
    QVERIFY(Show(a) && Show(b));
    const Window wa = Window(a.winId());
    QTRY_COMPARE(uint(screen->PixelAt(QPoint(200, 200))), uint(Ref(0, 255, 0)));
    QVERIFY(screen->SetTopMost(&a, true));
    QVERIFY(hand->HasAboveState(wa));
    QTRY_COMPARE(uint(screen->PixelAt(QPoint(200, 200))), uint(Ref(255, 0, 0)));  // raised
    QVERIFY(screen->SetTopMost(a.windowHandle(), false));
    QVERIFY(!hand->HasAboveState(wa));
    QVERIFY(a.isVisible());
    QCOMPARE(Window(a.winId()), wa);  // not recreated
    Patch hidden(Qt::red, QRect(0, 0, 10, 10), true);
    QVERIFY(screen->SetTopMost(&hidden, true));
    QVERIFY(hand->HasAboveState(Window(hidden.winId())));
    QVERIFY(!screen->SetTopMost(static_cast<QWidget*>(nullptr), true));
    QVERIFY(!screen->SetTopMost(static_cast<QWindow*>(nullptr), true));
  }

  void scaleFactorTwo() {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    backdrop->hide();
    child.start(QCoreApplication::applicationFilePath(), {"--scaled-child"});
    QVERIFY(child.waitForFinished(60000));
    backdrop->show();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAll().constData());
  }

  // Root windows of other depths, drawn directly with pixel values.
  void otherVisuals_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<QList<int>>("value");  // channel values; pseudo-colour: 8-bit RGB to allocate
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("16 red") << 16 << QList<int>{31, 0, 0} << qRgb(255, 0, 0);
    QTest::newRow("16 green") << 16 << QList<int>{0, 63, 0} << qRgb(0, 255, 0);
    QTest::newRow("16 middle") << 16 << QList<int>{16, 32, 16} << qRgb(132, 130, 132);
    QTest::newRow("16 low levels") << 16 << QList<int>{3, 11, 28} << qRgb(25, 45, 230);
    QTest::newRow("15") << 15 << QList<int>{31, 15, 0} << qRgb(255, 123, 0);
    QTest::newRow("30") << 30 << QList<int>{1023, 512, 3} << qRgb(255, 128, 1);
    QTest::newRow("24") << 24 << QList<int>{1, 128, 255} << qRgb(1, 128, 255);
    QTest::newRow("8 pseudo-colour") << 8 << QList<int>{200, 100, 50} << qRgb(200, 100, 50);
  }
  void otherVisuals() {
    QFETCH(int, depth);
    QFETCH(QList<int>, value);
    QFETCH(QRgb, expected);
    ExtraServer server;
    if (!server.Start(depth)) QSKIP("could not start a second Xvfb");
    Display* d = XOpenDisplay(server.name.toLocal8Bit().constData());
    QVERIFY(d);
    Visual* v = DefaultVisual(d, DefaultScreen(d));
    unsigned long pixel = 0;
    if (depth == 8) {
      XColor c{};
      c.red = value[0] * 257, c.green = value[1] * 257, c.blue = value[2] * 257;
      QVERIFY(XAllocColor(d, DefaultColormap(d, DefaultScreen(d)), &c));
      pixel = c.pixel;
    } else {
      const unsigned long masks[] = {v->red_mask, v->green_mask, v->blue_mask};
      for (int i = 0; i < 3; ++i) pixel |= (unsigned long)value[i] << __builtin_ctzl(masks[i]);
    }
    GC gc = XCreateGC(d, DefaultRootWindow(d), 0, nullptr);
    XSetForeground(d, gc, pixel);
    XFillRectangle(d, DefaultRootWindow(d), gc, 10, 10, 20, 20);
    XFreeGC(d, gc);
    XSync(d, False);
    TScreenX11 other(server.name.toStdString());
    const std::uint32_t px = other.PixelAt(QPoint(20, 20));
    QCOMPARE(qRgb(px & 0xFF, px >> 8 & 0xFF, px >> 16), expected);
    const QImage copy = other.CopyPrimaryScreen();
    QCOMPARE(copy.size(), QSize(64, 48));
    QCOMPARE(copy.pixel(10, 10), expected);
    QCOMPARE(copy.pixel(29, 29), expected);
    XCloseDisplay(d);
  }

  void withoutDisplay() {
    TScreenX11 none(":65000");
    QVERIFY(!none.IsOpen());
    QCOMPARE(uint(none.PixelAt(QPoint(1, 1))), 0u);
    QCOMPARE(uint(none.PixelUnderCursor()), 0u);
    QCOMPARE(none.CursorPos(), QPoint(0, 0));
    QVERIFY(!none.LeftButtonDown());
    QVERIFY(none.PrimaryScreenSize().isEmpty());
    QVERIFY(none.CopyPrimaryScreen().isNull());
    QVERIFY(!none.ConfineCursor(QRect(0, 0, 10, 10)));
    none.ReleaseCursor();
    QVERIFY(!none.MoveAndClick(QPoint(1, 1)));
  }

  void fake() {
    hb::FakeScreen fake;
    fake.image = QImage(20, 10, QImage::Format_RGB32);
    fake.image.fill(qRgb(1, 2, 3));
    fake.image.setPixel(19, 9, qRgb(255, 128, 0));
    {
      hb::ScopedScreen scoped(fake);
      QCOMPARE(&hb::TheScreen(), static_cast<hb::ScreenService*>(&fake));
      fake.MoveCursor(QPoint(19, 9));
      QCOMPARE(uint(hb::TheScreen().PixelUnderCursor()), 0x0080FFu);
      QCOMPARE(uint(fake.PixelAt(QPoint(20, 9))), 0u);
      QVERIFY(fake.ConfineCursor(QRect(2, 2, 5, 5)));
      QCOMPARE(fake.cursor, QPoint(6, 6));
      fake.MoveCursor(QPoint(-50, 3));
      QCOMPARE(fake.cursor, QPoint(2, 3));
      fake.ReleaseCursor();
      fake.MoveCursor(QPoint(-50, 3));
      QCOMPARE(fake.cursor, QPoint(-50, 3));
      QCOMPARE(fake.confinements.size(), size_t(1));
      QCOMPARE(fake.releases, 1);
      QCOMPARE(fake.CopyPrimaryScreen().pixel(0, 0), qRgb(1, 2, 3));
    }
    QVERIFY(&hb::TheScreen() != static_cast<hb::ScreenService*>(&fake));
    QPushButton button("x");
    button.setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    button.setGeometry(400, 300, 80, 30);
    QVERIFY(Show(button));
    QSignalSpy clicked(&button, &QPushButton::clicked);
    fake.MoveAndClick(QPoint(420, 310));
    QTRY_COMPARE(clicked.count(), 1);
    QCOMPARE(fake.WidgetToDevice(&button, QRect(1, 2, 3, 4)), QRect(401, 302, 3, 4));
  }

  // Runs where a window manager is installed; last, as the manager reparents
  // every managed window while it runs.
  void topMostWithWindowManager() {
    const QString wm = QStandardPaths::findExecutable("openbox");
    if (wm.isEmpty()) QSKIP("no window manager installed (openbox)");
    QProcess manager;
    manager.start(wm, {"--sm-disable"});
    const auto stop = qScopeGuard([&] { manager.terminate(); manager.waitForFinished(); });
    QTRY_VERIFY_WITH_TIMEOUT(hand->ManagerRunning(), 10000);
    // The manager announces itself before it has finished starting: windows
    // mapped at once can be lost to it. It is ready once it frames one; a
    // probe it lost is replaced by a new one.
    const auto framesAProbe = [this] {
      Patch probe(Qt::blue, QRect(0, 0, 20, 20), true);
      probe.show();
      return QTest::qWaitFor([&] { return hand->Framed(Window(probe.winId())); }, 500);
    };
    QTRY_VERIFY_WITH_TIMEOUT(framesAProbe(), 10000);
    backdrop->hide();  // unmanaged: it would stay above the managed windows
    Patch a(Qt::red, QRect(100, 100, 200, 200), true), b(Qt::green, QRect(150, 150, 200, 200), true);
    QVERIFY(Show(a) && Show(b));
    const QPoint overlap = b.mapToGlobal(QPoint(20, 20));
    QVERIFY(a.rect().contains(a.mapFromGlobal(overlap)));
    QTRY_COMPARE(uint(screen->PixelAt(overlap)), uint(Ref(0, 255, 0)));
    const Window wa = Window(a.winId());
    QVERIFY(screen->SetTopMost(&a, true));
    QTRY_VERIFY(hand->HasAboveState(wa));  // set by the manager
    QTRY_COMPARE(uint(screen->PixelAt(overlap)), uint(Ref(255, 0, 0)));
    b.activateWindow();
    b.raise();
    QTRY_VERIFY(hand->ActivationHandled(Window(b.winId())));
    QCOMPARE(uint(screen->PixelAt(overlap)), uint(Ref(255, 0, 0)));  // stays above
    QVERIFY(screen->SetTopMost(&a, false));
    QTRY_VERIFY(!hand->HasAboveState(wa));
    QVERIFY(a.isVisible());
    QCOMPARE(Window(a.winId()), wa);
  }
};

int main(int argc, char** argv) {
  // Without a session bus, libdbus tries to start one through the X server
  // and leaks on the way (LeakSanitizer fails the run); nothing here uses it.
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication app(argc, argv);
  if (argc > 1 && QByteArray(argv[1]) == "--scaled-child") return ScaledChild();
  TestScreenX11 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_ScreenX11.moc"
