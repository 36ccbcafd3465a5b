// A window's first picture painted by the X server at map, against a real
// X server (xvfb-run): a window that never paints shows the picture; after
// its first expose the server no longer repaints it from the picture.

#include <QGuiApplication>
#include <QImage>
#include <QWindow>
#include <QtTest>

#include "platform/WindowPrefill.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

unsigned long PixelAt(Display* d, Window w, int x, int y) {
  XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
  const unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
  if (image) XDestroyImage(image);
  return pixel;
}

} // namespace

class TestWindowPrefill : public QObject {
  Q_OBJECT
 private slots:
  void pictureAtMapThenNone_data() {
    QTest::addColumn<int>("format");
    QTest::newRow("RGB32") << int(QImage::Format_RGB32);
    QTest::newRow("ARGB32 premultiplied, opaque") << int(QImage::Format_ARGB32_Premultiplied);
  }
  void pictureAtMapThenNone() {
    QFETCH(int, format);
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    Display* d = XOpenDisplay(nullptr);  // the test's own connection
    QVERIFY(d);
    QWindow window;  // draws nothing of its own
    window.setGeometry(100, 100, 80, 60);
    QImage picture(80, 60, QImage::Format(format));
    picture.fill(QColor(0x12, 0x34, 0x56));
    hb::PrefillWindow(&window, picture);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QCOMPARE(PixelAt(d, window.winId(), 40, 30), 0x123456ul);
    // Something else drawn, then the window cleared: with no background the
    // server leaves it.
    GC gc = XCreateGC(d, window.winId(), 0, nullptr);
    XSetForeground(d, gc, 0x00FF00);
    XFillRectangle(d, window.winId(), gc, 0, 0, 80, 60);
    XClearWindow(d, window.winId());
    XFreeGC(d, gc);
    QCOMPARE(PixelAt(d, window.winId(), 40, 30), 0x00FF00ul);
    XCloseDisplay(d);
  }
};

QTEST_MAIN(TestWindowPrefill)
#include "tst_WindowPrefill.moc"
