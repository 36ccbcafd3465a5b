#pragma once
// huebrook --pick: one colour from the screen, with no main window. Under
// X11 the program takes the display's buttons and keys, shows the magnifier
// beside the cursor and takes the pixel (or the area) under the first left
// click; the arrow keys move the pointer, the wheel and + / − choose the
// area, Escape or a right click gives up. Where X11 cannot see the screen
// (Wayland) the desktop portal lets the user click one pixel.

#include <QObject>
#include <functional>
#include <string>

class TScreenColorPicker;

namespace hb {

class TColorPortal;
class TPickingLens;

class TCommandPick : public QObject {
 public:
  // finish: the exit status, the line for standard output (empty when none)
  // and the one for standard error; it is called once.
  using FinishFn = std::function<void(int status, const std::string& out, const std::string& err)>;
  TCommandPick(QObject* parent, std::string format, int framePeriodMs, FinishFn finish);

  // Starts the pick. portal: the client to ask through the portal (nullptr
  // picks through X11).
  void Start(TColorPortal* portal);

  // The sampler's tick (X11): what the user did, then a sample for the magnifier.
  void Poll();

  static constexpr int kPollInterval = 8;
  static constexpr int kExitFailed = 3;

 private:
  void TryGrab();
  void Finish(int status, std::uint32_t color, const std::string& err = {});

  std::string format_;
  FinishFn finish_;
  TScreenColorPicker* sampler_;
  TPickingLens* lens_;
  int grabTries_ = 0;
  bool done_ = false;
  bool polling_ = false;
};

} // namespace hb
