#include "platform/ScreenCursor.h"

#include <QGuiApplication>
#include <map>

namespace hb {

namespace {
std::map<int, QCursor>& Registered() {
  static std::map<int, QCursor> cursors;
  return cursors;
}
int g_current = crDefault;
} // namespace

void RegisterScreenCursor(int id, const QCursor& cursor) { Registered()[id] = cursor; }

QCursor CursorFor(int id) {
  switch (id) {
    case crDefault:
    case crArrow: return QCursor(Qt::ArrowCursor);
    case crHourGlass: return QCursor(Qt::WaitCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    default: break;
  }
  const auto it = Registered().find(id);
  return it != Registered().end() ? it->second : QCursor(Qt::ArrowCursor);
}

void SetScreenCursor(int id) {
  g_current = id;
  if (!qGuiApp) return;
  if (id == crDefault) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    return;
  }
  // Keep a single override cursor, so crDefault always undoes it in one step.
  if (QGuiApplication::overrideCursor())
    QGuiApplication::changeOverrideCursor(CursorFor(id));
  else
    QGuiApplication::setOverrideCursor(CursorFor(id));
}

int CurrentScreenCursor() { return g_current; }

} // namespace hb
