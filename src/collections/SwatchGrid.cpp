#include "collections/SwatchGrid.h"

namespace hb {

TGridCell NextGridCell(const TGridCell* Previous, int PanelWidth) {
  if (!Previous) return {0, 0};
  const int left = Previous->Left + kSwatchSize;
  // A cell that ends exactly at the panel's edge still fits.
  if (left + kSwatchSize > PanelWidth) return {0, Previous->Top + kSwatchSize};
  return {left, Previous->Top};
}

} // namespace hb
