#include "platform/WindowPrefill.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QSysInfo>
#include <QWindow>

namespace hb {

namespace {

void ClearBackground(void* display, unsigned long window);

// At the window's first expose the server has mapped it and painted the
// picture; from then on the program paints it.
class TClearAtExpose : public QObject {
 public:
  TClearAtExpose(QWindow* window, void* display) : QObject(window), display_(display) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose) {
      auto* window = static_cast<QWindow*>(watched);
      ClearBackground(display_, window->winId());
      window->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  void* display_;
};

} // namespace

} // namespace hb

// Xlib's names (Expose, None...) clash with Qt's: only from here on.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace hb {

namespace {

void ClearBackground(void* display, unsigned long window) {
  auto* d = static_cast<Display*>(display);
  XSetWindowBackgroundPixmap(d, window, None);
  XFlush(d);
}

} // namespace

void PrefillWindow(QWindow* window, const QImage& picture) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display || !window || picture.isNull()) return;
  // Sent as the image holds it: 32 bits a pixel, blue first in memory.
  const QImage::Format format = picture.format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return;
  const int serverOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst;
  if (ImageByteOrder(display) != serverOrder) return;
  const Window id = window->winId();
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, id, &attributes) || attributes.depth != 24 || !attributes.visual ||
      attributes.visual->red_mask != 0xFF0000 || attributes.visual->green_mask != 0xFF00 ||
      attributes.visual->blue_mask != 0xFF)
    return;
  XImage* image = XCreateImage(display, attributes.visual, 24, ZPixmap, 0,
                               const_cast<char*>(reinterpret_cast<const char*>(picture.constBits())),
                               picture.width(), picture.height(), 32, static_cast<int>(picture.bytesPerLine()));
  if (!image) return;
  if (image->bits_per_pixel != 32) {
    image->data = nullptr;
    XDestroyImage(image);
    return;
  }
  const Pixmap pixmap = XCreatePixmap(display, id, picture.width(), picture.height(), 24);
  GC gc = XCreateGC(display, pixmap, 0, nullptr);
  XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, picture.width(), picture.height());
  image->data = nullptr;  // the picture's own memory
  XDestroyImage(image);
  XFreeGC(display, gc);
  XSetWindowBackgroundPixmap(display, id, pixmap);
  XFreePixmap(display, pixmap);  // kept by the server while it is the background
  XFlush(display);
  window->installEventFilter(new TClearAtExpose(window, display));
}

} // namespace hb
