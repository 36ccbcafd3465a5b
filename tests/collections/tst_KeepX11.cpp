// The built program on a real X server, run from a copied folder: two colours
// kept through the real buttons are in the settings file after the close and
// on view again after a restart. A right-button release on a kept swatch makes
// its colour current through a synthesised click and opens the menu.

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

#include <fstream>
#include <sstream>

#include "XHand.h"
#include "app/frmMain.h"
#include "platform/MessageBoxes.h"

namespace {

std::string ReadBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The program's main window: mapped, titled Huebrook, 672 pixels wide.
Window FindMain(Display* d) {
  Window root = DefaultRootWindow(d), parent = 0, *children = nullptr, found = 0;
  unsigned count = 0;
  if (!XQueryTree(d, root, &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    char* name = nullptr;
    if (XFetchName(d, children[i], &name) && name) {
      XWindowAttributes a;
      if (std::string(name) == "Huebrook" && XGetWindowAttributes(d, children[i], &a) &&
          a.map_state == IsViewable && a.width == 672)
        found = children[i];
      XFree(name);
    }
  }
  if (children) XFree(children);
  return found;
}

QPoint Origin(Display* d, Window w) {
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
  return {x, y};
}

QColor PixelAt(Display* d, QPoint p) {
  XImage* image = XGetImage(d, DefaultRootWindow(d), p.x(), p.y(), 1, 1, AllPlanes, ZPixmap);
  if (!image) return {};
  const unsigned long v = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return QColor(int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF));
}

void Key(Display* d, KeySym sym, bool control = false) {
  const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
  if (control) XTestFakeKeyEvent(d, ctrl, True, 0);
  XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), True, 0);
  XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), False, 0);
  if (control) XTestFakeKeyEvent(d, ctrl, False, 0);
  XSync(d, False);
}

} // namespace

class TestKeepX11 : public QObject {
  Q_OBJECT

  Hand hand;
  QTemporaryDir folder;
  QString program;
  // Where things are inside the main window, taken from the same layout code.
  QPoint add, hex, load, swatchView, kept[2], status;

  QPoint In(QWidget* widget, QPoint at, TfrmMain& w) { return widget->mapTo(&w, at); }

  bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
      if (done()) return true;
      QTest::qWait(20);
    }
    return done();
  }

  void Click(QPoint at, unsigned button = 1) {
    hand.MoveTo(at);
    QTest::qWait(30);
    hand.Button(button, true);
    hand.Button(button, false);
    QTest::qWait(30);
  }

  // Types a colour into the hexadecimal field, loads it and waits until the
  // big swatch shows it.
  bool SetHex(QPoint origin, const char* digits, const QColor& expected) {
    Click(origin + hex);
    Key(hand.d, XK_a, true);
    for (const char* p = digits; *p; ++p) Key(hand.d, XStringToKeysym(std::string(1, *p).c_str()));
    Click(origin + load);
    return WaitFor([&] { return PixelAt(hand.d, origin + swatchView) == expected; });
  }

  bool Start(QProcess& process, Window* window) {
    process.start(program, {});
    if (!process.waitForStarted()) return false;
    return WaitFor([&] { return (*window = FindMain(hand.d)) != 0; }, 20000);
  }

 private slots:
  void initTestCase() {
    QVERIFY2(hand.d, "no X display: run under xvfb-run");
    program = folder.filePath(QStringLiteral("huebrook"));
    QVERIFY(QFile::copy(QStringLiteral(HB_EXECUTABLE), program));
    QFile::copy(QFileInfo(QStringLiteral(HB_EXECUTABLE)).dir().filePath(QStringLiteral("help.htm")),
                folder.filePath(QStringLiteral("help.htm")));

    // The same window, never put on the screen, tells where its controls are.
    hb::ScopedMessageBoxes quiet;
    TfrmMain w;
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.show();
    QCoreApplication::processEvents();
    add = In(w.btnKeepAdd, w.btnKeepAdd->rect().center(), w);
    hex = In(w.txtHex, w.txtHex->rect().center(), w);
    load = In(w.cmdSetHex, w.cmdSetHex->rect().center(), w);
    swatchView = In(w.cmdColorView, QPoint(120, 60), w);  // above the scheme swatches
    kept[0] = In(w.pnlKeep, QPoint(12, 12), w);
    kept[1] = In(w.pnlKeep, QPoint(37, 12), w);
    w.close();
  }

  void keptColoursSurviveARestart() {
    const QString settings = program + QStringLiteral(".ini");
    const QColor orange(255, 128, 0), azure(0, 128, 255);
    QProcess first;
    Window window = 0;
    QVERIFY(Start(first, &window));
    QPoint origin = Origin(hand.d, window);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + swatchView) == QColor(Qt::white); }));

    QVERIFY(SetHex(origin, "ff8000", orange));
    Click(origin + add);
    QVERIFY(SetHex(origin, "0080ff", azure));
    Click(origin + add);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + kept[1]) == azure; }));
    QCOMPARE(PixelAt(hand.d, origin + kept[0]), orange);

    // A right-button release on the orange swatch: it becomes current, and
    // the menu opens (Escape dismisses it).
    hand.MoveTo(origin + kept[0]);
    QTest::qWait(30);
    hand.Button(3, true);
    hand.Button(3, false);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + swatchView) == orange; }));
    QTest::qWait(200);
    Key(hand.d, XK_Escape);

    // Closed as the window manager closes it.
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(hand.d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(hand.d, "WM_DELETE_WINDOW", False));
    XSendEvent(hand.d, window, False, NoEventMask, &e);
    XSync(hand.d, False);
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(ReadBytes(settings), std::string("[Keep]\r\nCount=2\r\n0=0080FF\r\n1=FF8000\r\n"));

    QProcess second;
    QVERIFY(Start(second, &window));
    origin = Origin(hand.d, window);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + kept[1]) == azure; }));
    QCOMPARE(PixelAt(hand.d, origin + kept[0]), orange);
    second.kill();
    second.waitForFinished();
  }
};

QTEST_MAIN(TestKeepX11)
#include "tst_KeepX11.moc"
