#pragma once
// The colour in a desktop portal's PickColor answer: three doubles 0..1.

#include <optional>
#include <vector>

#include "values/ColorValue.h"

namespace hb {

// Each component times 255, rounded to nearest. Anything but three finite
// values in 0..1 is not a colour and gives nothing; a component at most
// 1e-6 outside the range (what float arithmetic in a portal may leave) is
// taken as the bound.
std::optional<TRGBBytes> PortalColorBytes(const std::vector<double>& components);

} // namespace hb
