#pragma once
// The colour codes the clipboard commands put out. The hexadecimal ones start
// from the text of the hexadecimal field as it stands (typed over or not, in
// the case it was typed in); they cut it by characters, so a field holding
// anything at all never makes them read past its end or split a character.

#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace hb {

// Each component in decimal, filled on the left with "0" to three digits, the
// three joined: 255, 128, 0 -> "255128000".
std::string RGBCode(int R, int G, int B);

// The field's text unchanged.
std::string HexCode(std::string_view hexText);

// "#" and the field's text.
std::string HTMLCode(std::string_view hexText);

// A Visual Basic long literal of the colour value, blue in the high byte:
// "&H00" BB GG RR "&" for an RRGGBB field. With u the last four characters of
// the field (empty when it has fewer), it is "&H00", the last two and first
// two characters of u, the first two of the field, "&" ("ABC" -> "&H00AB&").
std::string VBCode(std::string_view hexText, TCodePage cp = ActiveCodePage());

} // namespace hb
