#include "collections/HistoryRing.h"

#include <algorithm>

namespace hb {

THistoryRing::Change THistoryRing::Record(std::uint32_t color) {
  if (!colors_.empty() && colors_.back() == color) return Change::None;
  if (colors_.size() < kCapacity) {
    colors_.push_back(color);
    return Change::Appended;
  }
  std::shift_left(colors_.begin(), colors_.end(), 1);
  colors_.back() = color;
  return Change::Shifted;
}

} // namespace hb
