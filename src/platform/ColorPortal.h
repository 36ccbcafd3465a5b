#pragma once
// One colour picked from the screen by the desktop, through the
// xdg-desktop-portal Screenshot interface: under Wayland the program cannot
// read other windows' pixels, but the desktop can let the user click one.

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <string>

#include "values/ColorValue.h"

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace hb {

enum class TPortalFailure {
  Unavailable,  // no session bus, no portal, or the portal refused
  Malformed,    // an answer without a colour of three values 0..1
  TimedOut,     // no answer in time
};

// The Japanese message the user sees for a failure.
std::string PortalFailureMessage(TPortalFailure why);

class TColorPortal : public QObject {
  Q_OBJECT
 public:
  // Asks on the session bus.
  explicit TColorPortal(QObject* parent = nullptr);
  // Asks on bus (tests: a private bus with a fake portal).
  TColorPortal(const QDBusConnection& bus, QObject* parent);
  ~TColorPortal() override;

  // How long to wait for the user's click; 60 s unless a test shortens it.
  void SetTimeout(int ms) { timeout_.setInterval(ms); }

  // Asks the portal for one colour. Exactly one of Picked, Cancelled or
  // Failed follows, from the event loop, never from inside this call. A
  // request while one is running is ignored (returns false).
  bool PickColor();
  bool Busy() const { return busy_; }

 signals:
  void Picked(hb::TRGBBytes colour);
  void Cancelled();
  void Failed(hb::TPortalFailure why);

 private slots:
  void OnCallFinished(QDBusPendingCallWatcher* watcher);
  void OnResponse(const QDBusMessage& message);
  void OnTimeout();

 private:
  bool Listen(const QString& path);
  void StopListening();
  void Finish();
  void FailLater(TPortalFailure why);

  QDBusConnection bus_;
  QTimer timeout_;
  QString requestPath_;
  bool busy_ = false;
  unsigned serial_ = 0;
};

} // namespace hb

Q_DECLARE_METATYPE(hb::TRGBBytes)
Q_DECLARE_METATYPE(hb::TPortalFailure)
