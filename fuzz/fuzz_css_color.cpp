// The hexadecimal field's reading of pasted text: arbitrary bytes as the
// field's text. Whatever it reads is a colour of bytes; text the old rule of
// six hexadecimal characters reads is read exactly so; text over the length
// cap is refused unless that old rule reads it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "color/CssColor.h"
#include "color/ShownColor.h"

namespace {

#define Require(ok) ((ok) ? (void)0 : Fail(__LINE__))

[[noreturn]] void Fail(int line) {
  std::fprintf(stderr, "fuzz_css_color: check on line %d failed\n", line);
  std::abort();
}

bool IsByte(int v) { return v >= 0 && v <= 255; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<hb::TReadColor> read = hb::ReadColorText(text);
  const std::optional<TColorData> old = hb::ParseHexColor(text);
  if (old) Require(read && read->Color == *old && !read->OutOfGamut);
  if (read) Require(IsByte(read->Color.R) && IsByte(read->Color.G) && IsByte(read->Color.B));
  if (!old && size > hb::kMaxCssColorText) Require(!read);
  const std::optional<hb::TReadColor> css = hb::ParseCssColor(text);
  if (css) Require(IsByte(css->Color.R) && IsByte(css->Color.G) && IsByte(css->Color.B));
  return 0;
}
