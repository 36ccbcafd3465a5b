#include "platform/ScreenX11.h"

#include "values/ColorValue.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSysInfo>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

// Xlib last: its macros (None, Bool, Status, ...) must not reach Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/shapeconst.h>

namespace hb {

// ---------------------------------------------------------------------------
// The seam, and what every screen shares.

namespace {
ScreenService* g_testScreen = nullptr;

std::unique_ptr<TScreenX11>& RealScreen() {
  static std::unique_ptr<TScreenX11> screen;
  return screen;
}
} // namespace

ScreenService& TheScreen() {
  if (g_testScreen) return *g_testScreen;
  auto& real = RealScreen();
  if (!real) real = std::make_unique<TScreenX11>();
  return *real;
}

void SetScreenForTesting(ScreenService* screen) { g_testScreen = screen; }

TPixelSquare SquareOfImage(const QImage& image, QPoint centre, int side) {
  TPixelSquare square{side, std::vector<std::uint32_t>(std::size_t(std::max(side, 0)) * std::size_t(std::max(side, 0)), kNoPixel)};
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const QPoint p = centre + QPoint(x - side / 2, y - side / 2);
      if (!image.valid(p)) continue;
      const QRgb c = image.pixel(p);
      square.pixels[std::size_t(y) * std::size_t(side) + std::size_t(x)] = ColorValue(qRed(c), qGreen(c), qBlue(c));
    }
  return square;
}

bool ScreenService::SetTopMost(QWidget* widget, bool topMost) {
  if (!widget) return false;
  QWidget* top = widget->window();
  top->winId();  // the top-level needs its platform window to be told anything
  return SetTopMost(top->windowHandle(), topMost);
}

// Edges are scaled one by one, so that adjacent rectangles stay adjacent.
QRect ScreenService::ScaledWidgetRect(const QWidget* widget, const QRect& rect, QPoint windowOrigin) {
  const QWidget* top = widget->window();
  const qreal dpr = top->devicePixelRatio();
  const QPoint tl = widget->mapTo(top, rect.topLeft());
  const QPoint br = tl + QPoint(rect.width(), rect.height());
  const QPoint dtl(qRound(tl.x() * dpr), qRound(tl.y() * dpr));
  const QPoint dbr(qRound(br.x() * dpr), qRound(br.y() * dpr));
  return QRect(windowOrigin + dtl, QSize(dbr.x() - dtl.x(), dbr.y() - dtl.y()));
}

// The logical pixel of the widget that covers the device pixel.
QPoint ScreenService::ScaledWidgetPoint(const QWidget* widget, QPoint device, QPoint windowOrigin) {
  const QWidget* top = widget->window();
  const qreal dpr = top->devicePixelRatio();
  const QPoint d = device - windowOrigin;
  const QPoint inTop(int(std::floor(d.x() / dpr)), int(std::floor(d.y() / dpr)));
  return widget->mapFrom(top, inTop);
}

QPoint ScreenService::LogicalWindowOrigin(const QWidget* widget) {
  const QWidget* top = widget->window();
  const qreal dpr = top->devicePixelRatio();
  const QPoint g = top->mapToGlobal(QPoint(0, 0));
  return QPoint(qRound(g.x() * dpr), qRound(g.y() * dpr));
}

namespace {

// ---------------------------------------------------------------------------
// X errors. Xlib's default handler ends the process; while a trap stands,
// errors of the connections it covers are counted instead. Errors of other
// connections still go to the handler installed before (Qt's, or Xlib's).

class ErrorTrap {
 public:
  explicit ErrorTrap(Display* a, Display* b = nullptr) : displays_{a, b}, outer_(innermost_) {
    if (!outer_) previous_ = XSetErrorHandler(&ErrorTrap::Handle);
    innermost_ = this;
  }
  ~ErrorTrap() {
    innermost_ = outer_;
    if (!outer_) XSetErrorHandler(previous_);
  }
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  // Waits for the replies to everything sent, so late errors are counted here.
  int Sync() {
    for (Display* d : displays_)
      if (d) XSync(d, False);
    return errors_;
  }
  int errors() const { return errors_; }

 private:
  static int Handle(Display* display, XErrorEvent* event) {
    for (ErrorTrap* t = innermost_; t; t = t->outer_) {
      if (t->displays_[0] == display || t->displays_[1] == display) {
        ++t->errors_;
        return 0;
      }
    }
    return previous_ ? previous_(display, event) : 0;
  }

  std::array<Display*, 2> displays_;
  ErrorTrap* outer_;
  int errors_ = 0;
  static inline ErrorTrap* innermost_ = nullptr;
  static inline XErrorHandler previous_ = nullptr;
};

// ---------------------------------------------------------------------------
// From a pixel value of the root window's visual to 8-bit red, green, blue.

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

// One colour channel of a TrueColor visual. Fewer (or more) than 8 bits are
// scaled to the nearest 8-bit level, so a 5-bit 31 reads 255: the colour the
// display shows, not the raw bits.
struct Channel {
  unsigned long mask = 0;
  int shift = 0;
  std::vector<std::uint8_t> levels;  // channel value -> 8 bits

  explicit Channel(unsigned long m = 0) : mask(m) {
    if (!mask) return;
    while (!((mask >> shift) & 1UL)) ++shift;
    const unsigned long max = mask >> shift;
    if (max > 0xFFFF) return;  // not a plain channel mask: reads as 0
    levels.resize(max + 1);
    for (unsigned long v = 0; v <= max; ++v) levels[v] = std::uint8_t((v * 255 + max / 2) / max);
  }
  std::uint8_t operator()(unsigned long pixel) const {
    const unsigned long v = (pixel & mask) >> shift;
    return v < levels.size() ? levels[v] : 0;
  }
};

std::uint32_t ColorRef(Rgb c) { return ColorValue(c.r, c.g, c.b); }

std::uint8_t Byte16(unsigned short v) { return std::uint8_t((unsigned(v) * 255 + 32767) / 65535); }

} // namespace

// ---------------------------------------------------------------------------

struct TScreenX11::Impl {
  bool explicitName = false;
  std::string name;

  bool tried = false;
  Display* own = nullptr;  // ours: opened once, closed with us
  int screen = 0;
  Window root = 0;

  // The root window's visual.
  bool trueColor = true;
  Colormap colormap = 0;
  int depth = 0;
  Channel red, green, blue;

  bool hasXTest = false;
  int xfixesMajor = 0;

  Confinement confinement = Confinement::Free;
  Window confineWindow = 0;
  bool grabbedOnQt = false;
  std::array<PointerBarrier, 4> barriers{};

  bool inputGrabbed = false;
  Cursor crosshair = 0;

  ~Impl() {
    Release();
    UngrabInput();
    if (own) XCloseDisplay(own);
  }

  bool GrabInput() {
    if (!Open()) return false;
    if (inputGrabbed) return true;
    if (!crosshair) crosshair = XCreateFontCursor(own, XC_crosshair);
    ErrorTrap trap(own);
    const unsigned mask = ButtonPressMask | ButtonReleaseMask;
    if (XGrabPointer(own, root, False, mask, GrabModeAsync, GrabModeAsync, None, crosshair, CurrentTime) !=
        GrabSuccess)
      return false;
    if (XGrabKeyboard(own, root, False, GrabModeAsync, GrabModeAsync, CurrentTime) != GrabSuccess) {
      XUngrabPointer(own, CurrentTime);
      XFlush(own);
      return false;
    }
    XSync(own, False);
    inputGrabbed = true;
    return true;
  }

  void UngrabInput() {
    if (!inputGrabbed) return;
    inputGrabbed = false;
    XUngrabKeyboard(own, CurrentTime);
    XUngrabPointer(own, CurrentTime);
    XFlush(own);
  }

  static int QtKey(KeySym sym) {
    switch (sym) {
      case XK_Escape: return Qt::Key_Escape;
      case XK_Left: case XK_KP_Left: return Qt::Key_Left;
      case XK_Right: case XK_KP_Right: return Qt::Key_Right;
      case XK_Up: case XK_KP_Up: return Qt::Key_Up;
      case XK_Down: case XK_KP_Down: return Qt::Key_Down;
      case XK_plus: case XK_KP_Add: return Qt::Key_Plus;
      case XK_equal: return Qt::Key_Equal;
      case XK_minus: case XK_KP_Subtract: return Qt::Key_Minus;
      case XK_Return: case XK_KP_Enter: return Qt::Key_Return;
      case XK_space: return Qt::Key_Space;
      default: return 0;
    }
  }

  std::vector<TScreenInput> TakeInput() {
    std::vector<TScreenInput> taken;
    if (!inputGrabbed) return taken;
    // Only the grab's events come to this connection; anything else is dropped.
    while (XPending(own) > 0) {
      XEvent ev;
      XNextEvent(own, &ev);
      if (ev.type == ButtonPress) {
        TScreenInput in;
        in.at = QPoint(ev.xbutton.x_root, ev.xbutton.y_root);
        in.shift = ev.xbutton.state & ShiftMask;
        switch (ev.xbutton.button) {
          case Button1: in.kind = TScreenInput::Kind::LeftClick; break;
          case Button3: in.kind = TScreenInput::Kind::RightClick; break;
          case Button4: in.kind = TScreenInput::Kind::WheelUp; break;
          case Button5: in.kind = TScreenInput::Kind::WheelDown; break;
          default: continue;
        }
        taken.push_back(in);
      } else if (ev.type == KeyPress) {
        char text[8];
        KeySym sym = NoSymbol;
        // With the modifiers applied: "+" is a shifted key on most layouts.
        XLookupString(&ev.xkey, text, sizeof text, &sym, nullptr);
        if (const int key = QtKey(sym))
          taken.push_back({TScreenInput::Kind::Key, QPoint(ev.xkey.x_root, ev.xkey.y_root), key,
                           bool(ev.xkey.state & ShiftMask)});
      }
    }
    return taken;
  }

  // Qt's own Xlib connection, when Qt shows its windows on this display.
  Display* QtDisplay() const {
    if (explicitName || !qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
      return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
  }

  bool Open() {
    if (tried) return own != nullptr;
    tried = true;
    if (!explicitName)
      if (Display* qt = QtDisplay()) name = DisplayString(qt);
    own = XOpenDisplay(name.empty() ? nullptr : name.c_str());
    if (!own) return false;
    screen = DefaultScreen(own);
    root = RootWindow(own, screen);

    XWindowAttributes attr;
    if (XGetWindowAttributes(own, root, &attr) && attr.visual) {
      depth = attr.depth;
      colormap = attr.colormap;
      // DirectColor is read through its masks too, as if its ramps were linear.
      trueColor = attr.visual->c_class == TrueColor || attr.visual->c_class == DirectColor;
      red = Channel(attr.visual->red_mask);
      green = Channel(attr.visual->green_mask);
      blue = Channel(attr.visual->blue_mask);
    }

    int ev, err, major, minor;
    hasXTest = XTestQueryExtension(own, &ev, &err, &major, &minor);
    if (XFixesQueryExtension(own, &ev, &err)) {
      major = 5, minor = 0;
      if (XFixesQueryVersion(own, &major, &minor)) xfixesMajor = major;
    }
    return true;
  }

  Rgb Decode(unsigned long pixel) const { return {red(pixel), green(pixel), blue(pixel)}; }

  // Colour-mapped visuals: the colormap says what each pixel value shows.
  Rgb LookUp(unsigned long pixel) const {
    XColor c{};
    c.pixel = pixel;
    ErrorTrap trap(own);
    XQueryColor(own, colormap, &c);
    if (trap.errors()) return {};
    return {Byte16(c.red), Byte16(c.green), Byte16(c.blue)};
  }

  bool QueryPointer(int& x, int& y, unsigned& mask) {
    if (!Open()) return false;
    Window r, child;
    int wx, wy;
    ErrorTrap trap(own);
    // False: the pointer is on another screen of the display.
    return XQueryPointer(own, root, &r, &child, &x, &y, &wx, &wy, &mask) && !trap.errors();
  }

  std::uint32_t Pixel(int x, int y) {
    if (!Open() || x < 0 || y < 0) return 0;
    ErrorTrap trap(own);  // off the screen XGetImage fails with BadMatch
    XImage* image = XGetImage(own, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return ColorRef(trueColor ? Decode(pixel) : LookUp(pixel));
  }

  TPixelSquare Square(int cx, int cy, int side) {
    TPixelSquare square{side, std::vector<std::uint32_t>(std::size_t(side) * std::size_t(side), kNoPixel)};
    if (side <= 0 || !Open()) return square;
    const QRect wanted(cx - side / 2, cy - side / 2, side, side);
    // Usually the square lies on the screen and one request reads it; near
    // an edge that request fails and the part on the screen is read instead.
    QRect area = wanted;
    XImage* image = nullptr;
    if (area.left() >= 0 && area.top() >= 0) {
      ErrorTrap trap(own);
      image = XGetImage(own, root, area.x(), area.y(), unsigned(side), unsigned(side), AllPlanes, ZPixmap);
    }
    if (!image) {
      area = wanted & RootRect();
      if (area.isEmpty()) return square;
      ErrorTrap trap(own);
      image = XGetImage(own, root, area.x(), area.y(), unsigned(area.width()), unsigned(area.height()), AllPlanes,
                        ZPixmap);
      if (!image) return square;
    }
    // The usual layout is read in place; any other is converted first.
    QImage part;
    if (!Plain32(image)) {
      part = QImage(area.size(), QImage::Format_RGB32);
      Convert(image, part);
    }
    const QPoint offset = area.topLeft() - wanted.topLeft();
    for (int y = 0; y < area.height(); ++y) {
      const auto* row = part.isNull()
                            ? reinterpret_cast<const std::uint32_t*>(image->data + std::ptrdiff_t(y) * image->bytes_per_line)
                            : reinterpret_cast<const std::uint32_t*>(part.constScanLine(y));
      std::uint32_t* out = &square.pixels[std::size_t(y + offset.y()) * std::size_t(side) + std::size_t(offset.x())];
      for (int x = 0; x < area.width(); ++x) out[x] = ColorValue(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
    }
    XDestroyImage(image);
    return square;
  }

  bool MoveBy(QPoint delta) {
    if (!Open()) return false;
    // Relative to where the pointer is; a pointer grab's confinement holds.
    XWarpPointer(own, 0, 0, 0, 0, 0, 0, delta.x(), delta.y());
    XFlush(own);
    return true;
  }

  QRect RootRect() {
    Window r;
    int x, y;
    unsigned w = 0, h = 0, border, d;
    ErrorTrap trap(own);
    // Asked each time: the root grows and shrinks with monitors (RandR).
    if (!XGetGeometry(own, root, &r, &x, &y, &w, &h, &border, &d) || trap.errors())
      return QRect(0, 0, DisplayWidth(own, screen), DisplayHeight(own, screen));
    return QRect(0, 0, int(w), int(h));
  }

  QRect PrimaryRect() {
    if (!Open()) return {};
    if (QtDisplay()) {
      if (QScreen* s = QGuiApplication::primaryScreen()) {
        // Qt keeps a screen's top-left corner in device pixels and scales its size.
        const qreal dpr = s->devicePixelRatio();
        const QRect g = s->geometry();
        return QRect(g.topLeft(), QSize(qRound(g.width() * dpr), qRound(g.height() * dpr)));
      }
    }
    return RootRect();
  }

  // The usual 24-bit TrueColor layout: already 0x??RRGGBB in memory.
  bool Plain32(const XImage* image) const {
    return trueColor && image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 &&
           image->green_mask == 0xFF00 && image->blue_mask == 0xFF &&
           image->byte_order ==
               (QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst) &&
           image->bytes_per_line % 4 == 0;
  }

  static void Opaque(XImage* image) {
    for (int y = 0; y < image->height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(image->data + std::ptrdiff_t(y) * image->bytes_per_line);
      for (int x = 0; x < image->width; ++x) row[x] |= 0xFF000000u;
    }
  }

  void Convert(XImage* image, QImage& out) const {
    const int w = std::min(image->width, out.width());
    const int h = std::min(image->height, out.height());
    if (Plain32(image)) {
      // The usual 24-bit TrueColor layout: already 0x??RRGGBB in memory.
      for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image->data + std::ptrdiff_t(y) * image->bytes_per_line);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) dst[x] = src[x] | 0xFF000000u;
      }
      return;
    }
    std::vector<QRgb> table;  // colour-mapped visuals: every pixel value at once
    if (!trueColor && depth > 0 && depth <= 12) {
      std::vector<XColor> colors(std::size_t(1) << depth);
      for (std::size_t i = 0; i < colors.size(); ++i) colors[i].pixel = i;
      ErrorTrap trap(own);
      XQueryColors(own, colormap, colors.data(), int(colors.size()));
      table.resize(colors.size(), qRgb(0, 0, 0));
      if (!trap.errors())
        for (std::size_t i = 0; i < colors.size(); ++i)
          table[i] = qRgb(Byte16(colors[i].red), Byte16(colors[i].green), Byte16(colors[i].blue));
    }
    for (int y = 0; y < h; ++y) {
      auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
      for (int x = 0; x < w; ++x) {
        const unsigned long p = XGetPixel(image, x, y);
        if (trueColor) {
          const Rgb c = Decode(p);
          dst[x] = qRgb(c.r, c.g, c.b);
        } else {
          dst[x] = p < table.size() ? table[p] : qRgb(0, 0, 0);
        }
      }
    }
  }

  QImage Copy() {
    const QRect primary = PrimaryRect();
    const QSize size = primary.size();
    if (size.isEmpty()) return {};
    auto black = [&] {
      QImage out(size, QImage::Format_RGB32);
      out.fill(Qt::black);
      return out;
    };
    // The primary monitor's own area, wherever it stands on the root window.
    const QRect area = RootRect() & primary;
    if (area.isEmpty()) return black();
    ErrorTrap trap(own);
    XImage* image = XGetImage(own, root, area.x(), area.y(), unsigned(area.width()), unsigned(area.height()),
                              AllPlanes, ZPixmap);
    if (!image) return black();
    if (area == primary && Plain32(image)) {
      // The whole screen in the usual layout: the image takes Xlib's buffer.
      Opaque(image);
      return QImage(reinterpret_cast<uchar*>(image->data), image->width, image->height,
                    image->bytes_per_line, QImage::Format_RGB32,
                    [](void* info) { XDestroyImage(static_cast<XImage*>(info)); }, image);
    }
    QImage out = black();
    if (area.topLeft() == primary.topLeft()) {
      Convert(image, out);
    } else {
      // The monitor reaches past the root window's top or left edge.
      QImage part(area.size(), QImage::Format_RGB32);
      Convert(image, part);
      QPainter(&out).drawImage(area.topLeft() - primary.topLeft(), part);
    }
    XDestroyImage(image);
    return out;
  }

  // The top-level Qt window that should receive the pointer while the cursor
  // is held: the one under the pointer (it took the press that started it).
  Window QtGrabWindow() const {
    QWindow* w = QGuiApplication::topLevelAt(QCursor::pos());
    if (!w) w = QGuiApplication::focusWindow();
    if (!w) {
      for (QWindow* t : QGuiApplication::topLevelWindows())
        if (t->isVisible() && t->handle()) {
          w = t;
          break;
        }
    }
    return w && w->handle() ? Window(w->winId()) : 0;
  }

  bool Confine(QRect rect) {
    Release();
    if (!Open()) return false;
    rect = rect.normalized() & RootRect();
    if (rect.isEmpty()) return false;

    // The area to hold the pointer in: an unmanaged window that takes no
    // input (an empty input shape), so it changes neither the cursor shown
    // nor which window the pointer is over.
    XSetWindowAttributes attrs{};
    attrs.override_redirect = True;
    {
      ErrorTrap trap(own);
      confineWindow = XCreateWindow(own, root, rect.x(), rect.y(), unsigned(rect.width()),
                                    unsigned(rect.height()), 0, 0, InputOnly, CopyFromParent,
                                    CWOverrideRedirect, &attrs);
      if (xfixesMajor >= 2) {
        XserverRegion empty = XFixesCreateRegion(own, nullptr, 0);
        XFixesSetWindowShapeRegion(own, confineWindow, ShapeInput, 0, 0, empty);
        XFixesDestroyRegion(own, empty);
      }
      XMapRaised(own, confineWindow);
      if (trap.Sync()) {  // mapped before anyone grabs with it
        DestroyConfineWindow();
        return false;
      }
    }

    // A pointer grab confined to that window holds every kind of motion
    // (mouse, absolute devices, warps). While a button is held in a Qt window
    // the server has already given Qt an implicit grab, which refuses any
    // other grab, even Qt's own connection's core grab. So Qt's connection
    // drops it and grabs again, confined, reporting to the same top-level
    // window: Qt goes on getting the moves and the release.
    int status = GrabNotViewable;
    Display* qt = QtDisplay();
    const Window target = qt ? QtGrabWindow() : 0;
    if (target) {
      ErrorTrap trap(qt);
      XUngrabPointer(qt, CurrentTime);
      status = XGrabPointer(qt, target, False,
                            ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                            GrabModeAsync, GrabModeAsync, confineWindow, 0, CurrentTime);
      trap.Sync();
      grabbedOnQt = status == GrabSuccess;
    } else {
      // No Qt window to report to: the pointer events are dropped meanwhile.
      ErrorTrap trap(own);
      status = XGrabPointer(own, confineWindow, False, 0, GrabModeAsync, GrabModeAsync,
                            confineWindow, 0, CurrentTime);
      trap.Sync();
    }
    if (status == GrabSuccess) {
      confinement = Confinement::PointerGrab;
      return true;
    }
    DestroyConfineWindow();

    // Another client holds the pointer: barriers around the rectangle still
    // stop mouse motion (not absolute devices or warps).
    if (xfixesMajor < 5) return false;
    int x, y;
    unsigned mask;
    if (QueryPointer(x, y, mask) && !rect.contains(x, y)) {
      const int cx = std::clamp(x, rect.left(), rect.right());
      const int cy = std::clamp(y, rect.top(), rect.bottom());
      XWarpPointer(own, 0, root, 0, 0, 0, 0, cx, cy);
    }
    const int l = rect.left(), t = rect.top();
    const int r = rect.left() + rect.width(), b = rect.top() + rect.height();
    ErrorTrap trap(own);
    barriers[0] = XFixesCreatePointerBarrier(own, root, l, t, l, b, BarrierPositiveX, 0, nullptr);
    barriers[1] = XFixesCreatePointerBarrier(own, root, r, t, r, b, BarrierNegativeX, 0, nullptr);
    barriers[2] = XFixesCreatePointerBarrier(own, root, l, t, r, t, BarrierPositiveY, 0, nullptr);
    barriers[3] = XFixesCreatePointerBarrier(own, root, l, b, r, b, BarrierNegativeY, 0, nullptr);
    confinement = Confinement::Barriers;
    if (trap.Sync()) {
      Release();
      return false;
    }
    return true;
  }

  void DestroyConfineWindow() {
    if (!confineWindow) return;
    ErrorTrap trap(own);
    XDestroyWindow(own, confineWindow);
    confineWindow = 0;
    trap.Sync();
  }

  void Release() {
    if (confinement == Confinement::PointerGrab) {
      if (grabbedOnQt) {
        // Qt's connection is gone with Qt (at exit), and its grab with it.
        if (Display* qt = QtDisplay()) {
          ErrorTrap trap(qt);
          XUngrabPointer(qt, CurrentTime);
          trap.Sync();
        }
      } else if (own) {
        XUngrabPointer(own, CurrentTime);
      }
    }
    if (confinement == Confinement::Barriers) {
      ErrorTrap trap(own);
      for (PointerBarrier& b : barriers) {
        if (b) XFixesDestroyPointerBarrier(own, b);
        b = 0;
      }
      trap.Sync();
    }
    DestroyConfineWindow();
    grabbedOnQt = false;
    confinement = Confinement::Free;
  }

  static bool WindowManagerRunning(Display* d, Window root, Atom check) {
    // EWMH: the manager's check window names itself in the same property.
    auto checkWindow = [&](Window w) -> Window {
      Atom type;
      int format;
      unsigned long count, after;
      unsigned char* data = nullptr;
      Window found = 0;
      if (XGetWindowProperty(d, w, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                             &data) == Success &&
          data && type == XA_WINDOW && format == 32 && count == 1)
        found = Window(*reinterpret_cast<unsigned long*>(data));
      if (data) XFree(data);
      return found;
    };
    ErrorTrap trap(d);  // a stale check window is BadWindow
    const Window w = checkWindow(root);
    return w && checkWindow(w) == w && !trap.errors();
  }

  bool TopMost(QWindow* window, bool on) {
    if (!window) return false;
    while (window->parent()) window = window->parent();
    Display* d = QtDisplay();  // only Qt's windows on Qt's own display
    if (!d) return false;
    const Window w = Window(window->winId());
    const Window rootOfQt = DefaultRootWindow(d);

    char names[][32] = {"_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "_NET_SUPPORTING_WM_CHECK"};
    char* list[] = {names[0], names[1], names[2]};
    Atom atoms[3] = {};
    ErrorTrap trap(d);
    if (!XInternAtoms(d, list, 3, False, atoms)) return false;
    const Atom state = atoms[0], above = atoms[1];

    XWindowAttributes attr;
    if (!XGetWindowAttributes(d, w, &attr)) return false;
    const bool managed = WindowManagerRunning(d, rootOfQt, atoms[2]);

    if (managed && attr.map_state != IsUnmapped) {
      // A mapped window asks the manager, which keeps the property.
      XEvent e{};
      e.xclient.type = ClientMessage;
      e.xclient.window = w;
      e.xclient.message_type = state;
      e.xclient.format = 32;
      e.xclient.data.l[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD / _REMOVE
      e.xclient.data.l[1] = long(above);
      e.xclient.data.l[2] = 0;
      e.xclient.data.l[3] = 1;  // from a normal application
      XSendEvent(d, rootOfQt, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    } else {
      // No manager (or not mapped yet): the window states it itself.
      std::vector<Atom> states;
      Atom type;
      int format;
      unsigned long count = 0, after;
      unsigned char* data = nullptr;
      if (XGetWindowProperty(d, w, state, 0, 1024, False, XA_ATOM, &type, &format, &count, &after,
                             &data) == Success &&
          data && type == XA_ATOM && format == 32) {
        const auto* a = reinterpret_cast<const unsigned long*>(data);
        states.assign(a, a + count);
      }
      if (data) XFree(data);
      states.erase(std::remove(states.begin(), states.end(), above), states.end());
      if (on) states.push_back(above);
      XChangeProperty(d, w, state, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(states.data()), int(states.size()));
      // Nobody keeps it above: bring it to the top of the stack now.
      if (on && !managed) XRaiseWindow(d, w);
    }
    return trap.Sync() == 0;
  }

  bool Click(QPoint p) {
    if (!Open() || !hasXTest) return false;
    // The physical button that the pointer mapping makes the left one.
    unsigned char map[256];
    const int n = XGetPointerMapping(own, map, int(sizeof map));
    unsigned physical = 1;
    for (int i = 0; i < n; ++i)
      if (map[i] == 1) {
        physical = unsigned(i + 1);
        break;
      }
    ErrorTrap trap(own);
    XTestFakeMotionEvent(own, screen, p.x(), p.y(), CurrentTime);
    XTestFakeButtonEvent(own, physical, True, CurrentTime);
    XTestFakeButtonEvent(own, physical, False, CurrentTime);
    return trap.Sync() == 0;
  }

  // Where the widget's top-level window starts on the X screen.
  QPoint WindowOrigin(const QWidget* widget) const {
    const QWidget* top = widget->window();
    QWindow* handle = top->windowHandle();
    Display* d = QtDisplay();
    if (d && handle && handle->handle()) {
      int x = 0, y = 0;
      Window child;
      ErrorTrap trap(d);
      if (XTranslateCoordinates(d, Window(handle->winId()), DefaultRootWindow(d), 0, 0, &x, &y,
                                &child) &&
          !trap.errors())
        return QPoint(x, y);
    }
    return LogicalWindowOrigin(widget);
  }
};

TScreenX11::TScreenX11() : d_(std::make_unique<Impl>()) {}

TScreenX11::TScreenX11(std::string displayName) : d_(std::make_unique<Impl>()) {
  d_->explicitName = true;
  d_->name = std::move(displayName);
}

TScreenX11::~TScreenX11() = default;

std::uint32_t TScreenX11::PixelAt(QPoint device) { return d_->Pixel(device.x(), device.y()); }

std::uint32_t TScreenX11::PixelUnderCursor() {
  int x, y;
  unsigned mask;
  return d_->QueryPointer(x, y, mask) ? d_->Pixel(x, y) : 0;
}

TPixelSquare TScreenX11::PixelsAround(QPoint device, int side) { return d_->Square(device.x(), device.y(), side); }

bool TScreenX11::MoveCursorBy(QPoint delta) { return d_->MoveBy(delta); }

QRect TScreenX11::PrimaryScreenRect() { return d_->PrimaryRect(); }

QImage TScreenX11::CopyPrimaryScreen() { return d_->Copy(); }

QPoint TScreenX11::CursorPos() {
  int x, y;
  unsigned mask;
  return d_->QueryPointer(x, y, mask) ? QPoint(x, y) : QPoint(0, 0);
}

bool TScreenX11::LeftButtonDown() {
  int x, y;
  unsigned mask = 0;
  return d_->QueryPointer(x, y, mask) && (mask & Button1Mask);
}

bool TScreenX11::ConfineCursor(const QRect& device) { return d_->Confine(device); }

void TScreenX11::ReleaseCursor() { d_->Release(); }

bool TScreenX11::SetTopMost(QWindow* window, bool topMost) { return d_->TopMost(window, topMost); }

bool TScreenX11::MoveAndClick(QPoint device) { return d_->Click(device); }

bool TScreenX11::GrabInput() { return d_->GrabInput(); }

void TScreenX11::ReleaseInput() { d_->UngrabInput(); }

std::vector<TScreenInput> TScreenX11::TakeInput() { return d_->TakeInput(); }

QRect TScreenX11::WidgetToDevice(const QWidget* widget, const QRect& rect) {
  return widget ? ScaledWidgetRect(widget, rect, d_->WindowOrigin(widget)) : QRect();
}

QPoint TScreenX11::DeviceToWidget(const QWidget* widget, QPoint device) {
  return widget ? ScaledWidgetPoint(widget, device, d_->WindowOrigin(widget)) : QPoint();
}

TScreenX11::Confinement TScreenX11::CurrentConfinement() const { return d_->confinement; }

bool TScreenX11::IsOpen() { return d_->Open(); }

} // namespace hb
