#pragma once
// GIMP palettes (.gpl), the palette format GIMP, Inkscape and Krita share:
// a "GIMP Palette" line, optional "Name:" and "Columns:" lines, "#" comments
// and one colour a line, three integers and an optional name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hb {

struct TGplColor {
  std::string Name;
  std::uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const TGplColor&, const TGplColor&) = default;
};

struct TGplPalette {
  std::string Name;   // "" when the file has no Name: line
  int Columns = 0;    // 0..256, 0 when absent or not a number
  std::vector<TGplColor> Colors;
  std::size_t SkippedLines = 0;  // colour lines that were not three values 0..255
};

// A file larger than this is no palette anyone made by hand or by GIMP; it
// is not read.
inline constexpr std::uint64_t kMaxGplFileBytes = 8u << 20;

// The palette in text (UTF-8, LF or CRLF lines, an optional byte-order mark),
// or nothing when the first line is not "GIMP Palette". A colour line whose
// values are not three whole numbers 0..255 is skipped and counted; a colour
// without a name is named by its hexadecimal code (FF8000).
std::optional<TGplPalette> ParseGpl(std::string_view text);

// The palette as GIMP writes it: header, Name:, Columns:, "#", then
// "%3d %3d %3d\t<name>" lines. Line breaks inside names become spaces so that
// every name stays on its own line.
std::string FormatGpl(const TGplPalette& palette);

// The palette of the file at path, or nothing when it is missing, unreadable,
// larger than kMaxGplFileBytes or not a GIMP palette.
std::optional<TGplPalette> ReadGplFile(const std::string& path);

// Writes FormatGpl(palette) to path atomically; throws IniWriteError
// ("<path> に書き込めません") when the file cannot be written.
void WriteGplFile(const std::string& path, const TGplPalette& palette);

} // namespace hb
