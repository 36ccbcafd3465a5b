#pragma once
// The named colour nearest to a colour by CIEDE2000, among the named colours
// of the palettes. Looked up on every shown colour, a thousand times a second
// during an eyedropper drag, so the names are kept in CIELAB sorted by
// lightness and a search reads only the band of lightness that can still hold
// a nearer name; the answer is the one a comparison with every name gives.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "color/Perceptual.h"
#include "values/ColorValue.h"

namespace hb {

struct TNamedColor {
  std::string Name;
  TRGBBytes Color;
};

struct TNearestColor {
  std::size_t Index;  // into the names as given
  long double DeltaE;
};

class TNameIndex {
 public:
  TNameIndex() = default;
  explicit TNameIndex(std::vector<TNamedColor> names);

  std::size_t Size() const { return names_.size(); }
  const TNamedColor& At(std::size_t index) const { return names_.at(index); }

  // The name with the smallest CIEDE2000 (CIELAB D65) from color; of names
  // at the same distance, the first given. Nothing when there are no names.
  std::optional<TNearestColor> Nearest(TRGBBytes color) const;

  // How many CIEDE2000 differences the last search worked out (a figure for
  // the benchmarks).
  std::size_t LastCompared() const { return compared_; }

 private:
  struct TEntry {
    double L, a, b, C;  // for the bounds
    TLab lab;           // for the whole difference
    std::uint32_t index;
  };
  std::vector<TNamedColor> names_;
  std::vector<TEntry> byLightness_;  // one entry per distinct colour, the first name's
  mutable std::size_t compared_ = 0;
  // The search's own scratch (lower bound squared, entry), kept between
  // searches so that a search allocates nothing; one search at a time.
  mutable std::vector<std::pair<double, std::uint32_t>> candidates_;
};

// What the status bar shows of the nearest name: "＝name" for the very colour,
// else "近い色：name (ΔE d.d)".
std::string NearestNameText(const TNamedColor& named, TRGBBytes color, long double deltaE);

} // namespace hb
