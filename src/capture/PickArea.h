#pragma once
// What the eyedropper reads around the cursor: a square of screen pixels,
// the mean of its central area (1 × 1, 3 × 3 or 5 × 5) that becomes the
// colour, and where the magnifier showing the square stands beside the
// cursor. Pure logic: the square is read by the screen layer.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

#include "values/PixelSquare.h"

namespace hb {

// The side of the square the magnifier shows; every area fits in it.
inline constexpr int kMagnifiedSide = 15;

// The areas a user can choose, smallest first; 1 is a single pixel.
inline constexpr int kPickAreas[] = {1, 3, 5};

// A stored area that is none of those reads as 1.
int PickAreaOrDefault(int stored);
// The next larger (step > 0) or smaller area, staying at the ends.
int NextPickArea(int area, int step);

// The mean of each channel over the central area × area pixels, rounded half
// up; pixels off the screen are left out. Black when none is on the screen
// (as a single unreadable pixel reads).
std::uint32_t AreaMean(const TPixelSquare& square, int area);

// Where a window of the given size stands beside the cursor: below and to
// the right of it, clear of the square of side `clear` around the hot spot,
// moved to the other side of the cursor where it would leave the screen, and
// kept on the screen.
QRect MagnifierPlace(QPoint cursor, QSize size, const QRect& screen, int clear = kMagnifiedSide);

} // namespace hb
