#pragma once
// The application-wide screen cursor: one cursor shown over every window of
// the program (and, while the mouse is captured, wherever the pointer goes).
// Built-in cursors have negative numbers, the program's own positive ones.

#include <QCursor>

namespace hb {

enum TCursor : int {
  crDefault = 0,
  crArrow = -2,
  crHourGlass = -11,
  crHandPoint = -21,
  crEyedropper = 1,  // the program's eyedropper, registered at start-up
};

void RegisterScreenCursor(int id, const QCursor& cursor);
QCursor CursorFor(int id);

// Shows cursor id over the whole application; crDefault gives every control
// its own cursor back.
void SetScreenCursor(int id);
int CurrentScreenCursor();

} // namespace hb
