#include "capture/PickArea.h"

#include <algorithm>

#include "values/ColorValue.h"

namespace hb {

int PickAreaOrDefault(int stored) {
  for (int area : kPickAreas)
    if (area == stored) return area;
  return 1;
}

int NextPickArea(int area, int step) {
  constexpr int count = int(std::size(kPickAreas));
  int i = int(std::find(std::begin(kPickAreas), std::end(kPickAreas), PickAreaOrDefault(area)) - std::begin(kPickAreas));
  i = std::clamp(i + (step > 0 ? 1 : step < 0 ? -1 : 0), 0, count - 1);
  return kPickAreas[i];
}

std::uint32_t AreaMean(const TPixelSquare& square, int area) {
  area = std::min(PickAreaOrDefault(area), square.side);
  if (area <= 0) return 0;
  const int first = square.side / 2 - area / 2;
  std::uint32_t r = 0, g = 0, b = 0, n = 0;
  for (int y = first; y < first + area; ++y)
    for (int x = first; x < first + area; ++x) {
      const std::uint32_t c = square.At(x, y);
      if (c == kNoPixel) continue;
      r += RedOf(c);
      g += GreenOf(c);
      b += BlueOf(c);
      ++n;
    }
  if (n == 0) return 0;
  // Half up: floor(sum / n + 1/2) in integers.
  auto mean = [n](std::uint32_t sum) { return int((2 * sum + n) / (2 * n)); };
  return ColorValue(mean(r), mean(g), mean(b));
}

QRect MagnifierPlace(QPoint cursor, QSize size, const QRect& screen, int clear) {
  // Far enough that the window never covers the pixels it shows.
  const int gap = clear / 2 + 6;
  int x = cursor.x() + gap;
  int y = cursor.y() + gap;
  if (x + size.width() > screen.left() + screen.width()) x = cursor.x() - gap - size.width() + 1;
  if (y + size.height() > screen.top() + screen.height()) y = cursor.y() - gap - size.height() + 1;
  // A screen smaller than the window: its top-left corner shows.
  x = std::max(screen.left(), std::min(x, screen.left() + screen.width() - size.width()));
  y = std::max(screen.top(), std::min(y, screen.top() + screen.height() - size.height()));
  return QRect(QPoint(x, y), size);
}

} // namespace hb
