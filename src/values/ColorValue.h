#pragma once
// A colour as the program passes it around: three components, or one 32-bit
// value in the Windows layout (red in the low byte, then green, then blue).
// Screen reads, the still capture and the swatches all pack and unpack here;
// every layer, the platform included, passes these.

#include <cstdint>

// The three components of a colour; -1 in PendingColor means "not given".
struct TColorData {
  int R = 0;
  int G = 0;
  int B = 0;
  friend bool operator==(const TColorData&, const TColorData&) = default;
};

namespace hb {

// A colour's three components as bytes.
struct TRGBBytes {
  std::uint8_t R, G, B;
  friend bool operator==(const TRGBBytes&, const TRGBBytes&) = default;
};

// Each component is taken as its low 8 bits.
constexpr std::uint32_t ColorValue(int R, int G, int B) {
  return std::uint32_t(R & 0xFF) | std::uint32_t(G & 0xFF) << 8 | std::uint32_t(B & 0xFF) << 16;
}
constexpr int RedOf(std::uint32_t value) { return int(value & 0xFF); }
constexpr int GreenOf(std::uint32_t value) { return int((value >> 8) & 0xFF); }
constexpr int BlueOf(std::uint32_t value) { return int((value >> 16) & 0xFF); }

} // namespace hb
