#include "desktop/PortalColor.h"

#include <cmath>

namespace hb {

std::optional<TRGBBytes> PortalColorBytes(const std::vector<double>& components) {
  constexpr double kSlack = 1e-6;
  if (components.size() != 3) return std::nullopt;
  std::uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    const double c = components[i];
    if (!std::isfinite(c) || c < -kSlack || c > 1 + kSlack) return std::nullopt;
    bytes[i] = static_cast<std::uint8_t>(std::lround(std::fmin(std::fmax(c, 0.0), 1.0) * 255.0));
  }
  return TRGBBytes{bytes[0], bytes[1], bytes[2]};
}

} // namespace hb
