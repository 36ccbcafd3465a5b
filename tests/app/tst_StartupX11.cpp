// The built program on a real X server: it starts, and its main window is
// mapped at its fixed size with its title.

#include <QProcess>
#include <QtTest>

#include "XProgram.h"

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
    // The splash carries the same title; the main window is the big one.
    const xprogram::WindowInfo found = xprogram::WaitForMainWindow(display, 20000);
    program.kill();
    program.waitForFinished();
    XCloseDisplay(display);
    QVERIFY(found.id);
    QCOMPARE(found.rect.width(), 672);
    QCOMPARE(found.rect.height(), 671);
  }
};

QTEST_GUILESS_MAIN(TestStartupX11)
#include "tst_StartupX11.moc"
