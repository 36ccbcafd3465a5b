#pragma once
// Cutting a text at a separator: the folder of a path, a file name without its
// extension, the extension alone. The search is by characters, so a backslash
// that is the second byte of a CP932 character (表, ソ) is not a separator.

#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace hb {

enum TCutPart : unsigned char { cpBefore = 0, cpThrough = 1, cpAfter = 2, cpFrom = 3 };

// One part of s cut at the first (FirstOccurrence) or the last occurrence of
// sep, the last being the last of the non-overlapping occurrences:
//   cpBefore  the text before sep       cpThrough  the text up to and with sep
//   cpAfter   the text after sep        cpFrom     sep and the text after it
// When sep does not occur, cpBefore and cpThrough give the empty text and
// cpAfter and cpFrom the whole text. Any other part value gives the empty text.
std::string StringCut(std::string_view s, std::string_view sep, TCutPart part, bool FirstOccurrence,
                      TCodePage cp = ActiveCodePage());

} // namespace hb
