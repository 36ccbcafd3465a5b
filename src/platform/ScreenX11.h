#pragma once
// The screen of an X server, read through Xlib.
//
// Reads (pixels, the pointer, the screen copy, synthesised input) go through
// a connection of our own, opened once and kept. Whatever concerns Qt's
// windows (coordinates, stacking, the pointer grab that confines the cursor)
// goes through Qt's own connection when Qt runs on the same X display, so
// that it is ordered with Qt's requests and can take over Qt's pointer grab.
// Every call fails soft: see Screen.h for the values given without a display.

#include "platform/Screen.h"

#include <memory>
#include <string>

namespace hb {

class TScreenX11 final : public ScreenService {
 public:
  // The display Qt uses, else $DISPLAY.
  TScreenX11();
  // A display of its own choice (for tests); Qt's connection is not used.
  explicit TScreenX11(std::string displayName);
  ~TScreenX11() override;
  TScreenX11(const TScreenX11&) = delete;
  TScreenX11& operator=(const TScreenX11&) = delete;

  std::uint32_t PixelAt(QPoint device) override;
  std::uint32_t PixelUnderCursor() override;
  TPixelSquare PixelsAround(QPoint device, int side) override;
  bool MoveCursorBy(QPoint delta) override;
  QRect PrimaryScreenRect() override;
  QImage CopyPrimaryScreen() override;
  QPoint CursorPos() override;
  bool LeftButtonDown() override;
  bool ConfineCursor(const QRect& device) override;
  void ReleaseCursor() override;
  using ScreenService::SetTopMost;
  bool SetTopMost(QWindow* window, bool topMost) override;
  bool MoveAndClick(QPoint device) override;
  bool GrabInput() override;
  void ReleaseInput() override;
  std::vector<TScreenInput> TakeInput() override;
  QRect WidgetToDevice(const QWidget* widget, const QRect& rect) override;
  QPoint DeviceToWidget(const QWidget* widget, QPoint device) override;

  // How the cursor is held at the moment: a pointer grab confines every kind
  // of motion; pointer barriers, the fallback when another client holds the
  // pointer, stop only relative (mouse) motion.
  enum class Confinement { Free, PointerGrab, Barriers };
  Confinement CurrentConfinement() const;

  // Whether the display could be opened (opens it on first use).
  bool IsOpen();

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

} // namespace hb
