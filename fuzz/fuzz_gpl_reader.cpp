// GIMP palette reader: arbitrary bytes as a .gpl file, up to 1 MB (see
// fuzz_gpl_reader.options). Whatever is read must write back as a palette
// that reads the same: same name, columns and colours, nothing skipped, one
// line per colour.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "collections/GimpPalette.h"

namespace {

#define Require(ok) ((ok) ? (void)0 : Fail(__LINE__))

[[noreturn]] void Fail(int line) {
  std::fprintf(stderr, "fuzz_gpl_reader: check on line %d failed\n", line);
  std::abort();
}

// The writer turns line breaks inside names into spaces.
std::string Flat(std::string s) {
  std::replace(s.begin(), s.end(), '\r', ' ');
  return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto palette = hb::ParseGpl(text);
  if (!palette) return 0;
  const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  Require(palette->Colors.size() + palette->SkippedLines < lines);
  Require(palette->Columns >= 0 && palette->Columns <= 256);
  for (const hb::TGplColor& c : palette->Colors) {
    Require(!c.Name.empty());
    Require(c.Name.find('\n') == std::string::npos);
  }

  const std::string written = hb::FormatGpl(*palette);
  Require(static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n')) == palette->Colors.size() + 4);
  const auto back = hb::ParseGpl(written);
  Require(back.has_value());
  Require(back->SkippedLines == 0);
  Require(back->Name == Flat(palette->Name));
  Require(back->Columns == palette->Columns);
  Require(back->Colors.size() == palette->Colors.size());
  for (std::size_t i = 0; i < back->Colors.size(); ++i) {
    const hb::TGplColor& a = palette->Colors[i];
    const hb::TGplColor& b = back->Colors[i];
    Require(a.R == b.R && a.G == b.G && a.B == b.B);
    Require(b.Name == Flat(a.Name));
  }
  return 0;
}
