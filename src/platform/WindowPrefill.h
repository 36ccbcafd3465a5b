#pragma once
// A window's first picture, painted by the X server itself as it maps the
// window.

class QImage;
class QWindow;

namespace hb {

// Called before the window is first shown. Without it a new window shows
// whatever lay under it until the program has answered its first expose;
// with it the server paints the picture as it maps the window. At that first
// expose the background goes back to none, so that no later exposure shows
// an old picture. Only on X11, for a 24-bit true-colour window on a server of
// this machine's byte order, and a 32-bit picture (opaque, as an RGB32 or
// ARGB32 image holds it); otherwise nothing is done.
void PrefillWindow(QWindow* window, const QImage& picture);

} // namespace hb
