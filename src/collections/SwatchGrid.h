#pragma once
// Where the next swatch of the keep and history views goes: a grid of
// 25-pixel cells from (0, 0) of the inner panel, filled row by row.

namespace hb {

inline constexpr int kSwatchSize = 25;

struct TGridCell {
  int Left;
  int Top;
};

// The cell after Previous (null for the first swatch, which goes to (0, 0)):
// the cell to its right, unless that cell's right edge would pass PanelWidth;
// then the start of the next row.
TGridCell NextGridCell(const TGridCell* Previous, int PanelWidth);

} // namespace hb
