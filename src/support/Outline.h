#pragma once
// One-pixel outlines drawn as four filled rectangles: the same pixels as a
// rectangle stroked with a one-pixel pen, at a fraction of the cost of the
// line rasteriser and the stroker (which clips pixel by pixel against a
// widget's children).

#include <QColor>
#include <QPainter>
#include <QRect>

namespace hb {

// The outline of r, every pixel of it inside r: the top and left edges in
// topLeft, the bottom and right edges in bottomRight, which takes the two
// corners they share. Colours are opaque.
inline void FillOutline(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

inline void FillOutline(QPainter& painter, const QRect& r, const QColor& colour) {
  FillOutline(painter, r, colour, colour);
}

} // namespace hb
