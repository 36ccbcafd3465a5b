#include "desktop/Session.h"

#include <QByteArray>
#include <QtGlobal>

namespace hb {

bool IsWaylandSession(std::string_view waylandDisplay, std::string_view sessionType) {
  if (!waylandDisplay.empty()) return true;
  return QByteArray(sessionType.data(), static_cast<qsizetype>(sessionType.size())).toLower() == "wayland";
}

bool X11SeesWholeScreen() {
  static const bool whole = [] {
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    const QByteArray type = qgetenv("XDG_SESSION_TYPE");
    return !IsWaylandSession(display.toStdString(), type.toStdString());
  }();
  return whole;
}

} // namespace hb
