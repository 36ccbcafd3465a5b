#pragma once
// The kept-colour text: how a kept colour is written in the settings file.
// Six upper-case hexadecimal digits, blue first (BBGGRR): an orange with red
// 255, green 128 and blue 0 is "0080FF".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hb {

// The text of a colour value (red in the low byte; bits above 24 ignored).
std::string KeepColorText(std::uint32_t color);

// The colour value a kept-colour text names. The text is cut by characters
// into three two-character pieces, blue (1-2), green (3-4) and red (5-6);
// characters after the sixth are ignored. Each piece is two hexadecimal digits
// of either case; a piece past the end of a short text is empty and gives 255
// in its channel (so an empty text is white). Nothing when a piece is anything
// else (one character, a non-hex character): the entry names no colour.
std::optional<std::uint32_t> KeepColorFromText(std::string_view text);

} // namespace hb
