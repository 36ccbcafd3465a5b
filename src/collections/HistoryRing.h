#pragma once
// The colour history: the most recent current colours, oldest first, none
// twice in a row, at most 32. When full, a new colour drops the oldest.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hb {

class THistoryRing {
 public:
  static constexpr std::size_t kCapacity = 32;

  enum class Change {
    None,      // the colour is the newest entry already
    Appended,  // one more entry, at the end
    Shifted,   // full: every entry moved one place towards the start
  };

  // Records a colour value (red in the low byte) unless it is the newest entry.
  Change Record(std::uint32_t color);

  const std::vector<std::uint32_t>& Colors() const { return colors_; }
  void Clear() { colors_.clear(); }

 private:
  std::vector<std::uint32_t> colors_;
};

} // namespace hb
