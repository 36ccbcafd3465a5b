#pragma once
// A screen for tests: a picture instead of the display, a pointer that the
// test moves, and a record of what the program asked of the screen.

#include "platform/Screen.h"

#include <optional>
#include <vector>
#include "values/ScopedStandIn.h"

namespace hb {

class FakeScreen final : public ScreenService {
 public:
  // What the whole "screen" shows.
  QImage image;
  // The primary monitor's area in it; the whole image when not set.
  std::optional<QRect> primary;
  // The pointer. Set it directly, or through MoveCursor to honour a confinement.
  QPoint cursor;
  bool leftButton = false;
  // MoveAndClick also posts a left press and release to the widget at the
  // point (device pixels divided by the primary screen's pixel ratio).
  bool deliverClicks = true;
  // False stands for a display that cannot synthesise a click: MoveAndClick
  // records nothing and says so.
  bool canClick = true;

  struct TopMostCall {
    QWindow* window;
    bool topMost;
  };
  std::vector<QRect> confinements;     // every ConfineCursor, in order
  std::optional<QRect> confinedTo;     // the confinement in force
  int releases = 0;                    // ReleaseCursor calls
  std::vector<TopMostCall> topMostCalls;
  std::vector<QPoint> clicks;          // MoveAndClick points
  int pixelReads = 0;                  // PixelAt, PixelUnderCursor and PixelsAround calls

  // The input the program holds while GrabInput is in force, and what the
  // user does meanwhile (TakeInput hands it over).
  bool canGrab = true;
  bool inputGrabbed = false;
  std::vector<TScreenInput> input;

  // As a user would move it: kept inside the confinement.
  void MoveCursor(QPoint device);

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
};

// Installs a screen for the lifetime of the guard.
using ScopedScreen = TScopedStandIn<ScreenService, &SetScreenForTesting>;

} // namespace hb
