// The clipboard command on a real X server: another X client asks for the
// CLIPBOARD selection and receives the code as UTF-8 text.

#include <QAction>
#include <QElapsedTimer>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "app/frmMain.h"
#include "platform/MessageBoxes.h"

namespace {

// Asks for the selection as target from a connection of its own, letting the
// program's event loop answer meanwhile. Returns the property's bytes and type.
struct Reply {
  bool ok = false;
  QByteArray bytes;
  QByteArray type;
};

Reply Request(const char* target) {
  Reply reply;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return reply;
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  const Atom wanted = XInternAtom(display, target, False);
  const Atom property = XInternAtom(display, "HB_TEST_SELECTION", False);
  XConvertSelection(display, clipboard, wanted, property, window, CurrentTime);
  XFlush(display);
  QElapsedTimer clock;
  clock.start();
  XEvent event;
  bool notified = false;
  while (!notified && clock.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    while (XPending(display)) {
      XNextEvent(display, &event);
      if (event.type == SelectionNotify) notified = true;
    }
  }
  if (notified && event.xselection.property != None) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, property, 0, 1 << 20, True, AnyPropertyType, &type, &format, &count,
                       &after, &data);
    if (data) {
      reply.ok = true;
      reply.bytes = QByteArray(reinterpret_cast<const char*>(data), int(count));
      char* name = XGetAtomName(display, type);
      reply.type = name;
      XFree(name);
      XFree(data);
    }
  }
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return reply;
}

} // namespace

class TestClipboardX11 : public QObject {
  Q_OBJECT

 private slots:
  void anotherClientReadsTheCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("HTML code") << "ff8000" << QByteArray("#ff8000");
    QTest::newRow("multi-byte field") << QString::fromUtf8("表ソ") << QByteArray("#\xE8\xA1\xA8\xE3\x82\xBD");
  }
  void anotherClientReadsTheCode() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, expected);
    hb::ScopedMessageBoxes boxes;
    TfrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.txtHex->setText(typed);
    w.TB_Out_HTMLClick(w.TBItem5);
    QCOMPARE(boxes.boxes.shown.size(), std::size_t(1));
    const Reply reply = Request("UTF8_STRING");
    QVERIFY(reply.ok);
    QCOMPARE(reply.type, QByteArray("UTF8_STRING"));
    QCOMPARE(reply.bytes, expected);
  }
};

QTEST_MAIN(TestClipboardX11)
#include "tst_ClipboardX11.moc"
