#pragma once
// A square of screen pixels around the cursor's hot spot, as the screen
// layer reads it for the magnifier and the area mean.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hb {

// A pixel of the square that lies off the screen; colours use the low 24 bits.
inline constexpr std::uint32_t kNoPixel = 0xFF000000u;

// side × side pixels centred on the hot spot (at side / 2), row by row,
// colours 0x00BBGGRR.
struct TPixelSquare {
  int side = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(side) + std::size_t(x)]; }
};

} // namespace hb
