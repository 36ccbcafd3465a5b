// The built program on a real X server: it starts, and its main window is
// mapped at its fixed size with its title.

#include <QProcess>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

struct Found {
  bool mapped = false;
  int width = 0;
  int height = 0;
};

// Looks through the root window's children for a mapped window titled title.
Found FindWindow(Display* display, const char* title) {
  Found found;
  Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, root, &root, &parent, &children, &count)) return found;
  for (unsigned i = 0; i < count && !found.mapped; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name) {
      XWindowAttributes attributes;
      if (std::string(name) == title && XGetWindowAttributes(display, children[i], &attributes) &&
          attributes.map_state == IsViewable)
        found = {true, attributes.width, attributes.height};
      XFree(name);
    }
  }
  if (children) XFree(children);
  return found;
}

} // namespace

class TestStartupX11 : public QObject {
  Q_OBJECT
 private slots:
  void mainWindowAppears() {
    Display* display = XOpenDisplay(nullptr);
    QVERIFY2(display, "no X display: run under xvfb-run");
    // Windows come and go while the tree is read (the splash closes): an error
    // about one that vanished meanwhile is no failure.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    QProcess program;
    program.start(QStringLiteral(HB_EXECUTABLE), {});
    QVERIFY(program.waitForStarted());
    Found found;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
      found = FindWindow(display, "Huebrook");
      // The splash carries the same title; the main window is the big one.
      if (found.mapped && found.width == 672) break;
      QTest::qWait(20);
    }
    program.kill();
    program.waitForFinished();
    XCloseDisplay(display);
    QVERIFY(found.mapped);
    QCOMPARE(found.width, 672);
    QCOMPARE(found.height, 671);
  }
};

QTEST_GUILESS_MAIN(TestStartupX11)
#include "tst_StartupX11.moc"
