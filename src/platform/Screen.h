#pragma once
// The screen and the pointer, behind one small interface so that tests can
// put a picture and a pointer of their own in place of the X display.
//
// Every position and size here is in DEVICE pixels of the X screen (root
// window coordinates), whatever scale factor Qt applies to the interface.
// Colours come in the Windows layout: 0x00BBGGRR, red in the low byte
// (hb::ColorValue of values/ColorValue.h).

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

#include "values/PixelSquare.h"

class QWidget;
class QWindow;

namespace hb {

// A press the program took while it held the display's input (GrabInput).
struct TScreenInput {
  enum class Kind { LeftClick, RightClick, WheelUp, WheelDown, Key };
  Kind kind = Kind::Key;
  QPoint at;          // the pointer, for a click (device pixels)
  int key = 0;        // a Qt::Key, for a key
  bool shift = false;
};

class ScreenService {
 public:
  virtual ~ScreenService() = default;

  // The displayed colour of one pixel; 0 (black) when it cannot be read
  // (off the screen, no display, a failed read).
  virtual std::uint32_t PixelAt(QPoint device) = 0;
  // The pixel under the cursor's hot spot; 0 when it cannot be read.
  virtual std::uint32_t PixelUnderCursor() = 0;
  // The side × side pixels centred on a point, read at once (what the
  // magnifier shows is what the area mean reads); kNoPixel off the screen,
  // every pixel kNoPixel when the screen cannot be read.
  virtual TPixelSquare PixelsAround(QPoint device, int side) = 0;

  // Where the primary monitor lies on the X screen; with several monitors it
  // need not start at the origin. Empty when there is no screen.
  virtual QRect PrimaryScreenRect() = 0;
  QSize PrimaryScreenSize() { return PrimaryScreenRect().size(); }
  // A still copy (Format_RGB32) of the primary monitor's area. When the copy
  // fails the image is black; it is null only when the area is unknown.
  virtual QImage CopyPrimaryScreen() = 0;

  // (0, 0) when the position cannot be read.
  virtual QPoint CursorPos() = 0;
  // Moves the pointer by a number of device pixels, as a mouse would (a
  // confinement holds it). False when it cannot be moved.
  virtual bool MoveCursorBy(QPoint delta) = 0;
  virtual bool LeftButtonDown() = 0;

  // Keeps the cursor inside rect (its pixels: x <= px < x + width) until
  // ReleaseCursor, moving it in first if it is outside. A new confinement
  // replaces the old one. Returns false when nothing could be set up.
  virtual bool ConfineCursor(const QRect& device) = 0;
  // Lets the cursor move freely; harmless when nothing is confined.
  virtual void ReleaseCursor() = 0;

  // Keeps a top-level window above the others (or stops doing so), without
  // recreating or hiding it. Returns false when the window could not be told.
  virtual bool SetTopMost(QWindow* window, bool topMost) = 0;
  // The widget's top-level window.
  bool SetTopMost(QWidget* widget, bool topMost);

  // Moves the pointer to the point and clicks the left button there, as if
  // the user had; the click arrives through the event queue. False when no
  // click can be synthesised (no XTest, no X display).
  virtual bool MoveAndClick(QPoint device) = 0;

  // Takes every button press and key of the display for this program (a
  // pick from the command line, with no window of its own under the
  // pointer), showing a crosshair. False when another client holds them.
  virtual bool GrabInput() = 0;
  // Gives them back; harmless when not held.
  virtual void ReleaseInput() = 0;
  // The presses that arrived since the last call, in order.
  virtual std::vector<TScreenInput> TakeInput() = 0;

  // Where a rectangle of a widget (widget coordinates, logical pixels) lies
  // on the screen, and the way back for a point.
  virtual QRect WidgetToDevice(const QWidget* widget, const QRect& rect) = 0;
  virtual QPoint DeviceToWidget(const QWidget* widget, QPoint device) = 0;

 protected:
  // The mapping, given where the widget's top-level window starts on the
  // screen in device pixels; each edge is scaled by the window's pixel ratio.
  static QRect ScaledWidgetRect(const QWidget* widget, const QRect& rect, QPoint windowOrigin);
  static QPoint ScaledWidgetPoint(const QWidget* widget, QPoint device, QPoint windowOrigin);
  // That origin from Qt's logical coordinates alone (exact when the screen
  // starts at the origin, as with one monitor).
  static QPoint LogicalWindowOrigin(const QWidget* widget);
};

// The side × side pixels of an image centred on a point (image pixels),
// kNoPixel outside it: the square a still copy of the screen gives.
TPixelSquare SquareOfImage(const QImage& image, QPoint centre, int side);

// The screen the program uses: the one set for testing, else the X display
// (opened on first use, so tests that never ask open no connection).
ScreenService& TheScreen();
// nullptr puts the real screen back.
void SetScreenForTesting(ScreenService* screen);

} // namespace hb
