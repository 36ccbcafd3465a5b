#pragma once
// The colour values of the core as Qt's QColor, and back: one place for the
// conversions every window needs.

#include <QColor>
#include <cstdint>

#include "values/ColorValue.h"

namespace hb {

inline TRGBBytes BytesOf(const QColor& c) {
  return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}
inline QColor QColorOf(TRGBBytes c) { return QColor(c.R, c.G, c.B); }
// A packed colour value (red in the low byte) and back.
inline std::uint32_t ValueOf(const QColor& c) { return ColorValue(c.red(), c.green(), c.blue()); }
inline QColor QColorOfValue(std::uint32_t v) { return QColor(RedOf(v), GreenOf(v), BlueOf(v)); }

} // namespace hb
