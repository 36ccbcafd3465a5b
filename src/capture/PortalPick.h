#pragma once
// Screen picking where X11 cannot see the whole screen (a Wayland session):
// the eyedropper and the still capture ask the desktop portal for one colour
// instead of reading pixels, which would all come back black. Decided once,
// when the window starts.

#include <QObject>
#include <functional>

namespace hb {

class TColorPortal;

class TPortalPick : public QObject {
  Q_OBJECT
 public:
  using SetColorsFn = std::function<void(int R, int G, int B)>;
  // active: whether picking goes through the portal. portal: the client to
  // use (tests: one on a private bus); nullptr asks on the session bus.
  TPortalPick(QObject* parent, bool active, SetColorsFn setColors, TColorPortal* portal = nullptr);

  bool Active() const { return active_; }
  // Asks the portal for a colour; the user clicks once anywhere. The colour
  // becomes current through setColors; a cancel changes nothing; a missing
  // or refusing portal, a bad answer or none within a minute is told in one
  // error box. A pick while one is running is ignored.
  void Pick();
  bool Busy() const;

 private:
  bool active_;
  SetColorsFn setColors_;
  TColorPortal* portal_;
};

} // namespace hb
