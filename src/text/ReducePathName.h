#pragma once
// Shortening a long path for display: its head, "...", its tail.

#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace hb {

// s itself when it has at most maxLen bytes. Otherwise, with a = maxLen - 3 and
// h = a / 2 rounded half to even, the first h bytes, "..." and the last a - h
// bytes, each part shortened to whole characters (the head ends at the last
// character boundary at or before byte h, the tail starts at the first one at
// or after its first byte): at most maxLen bytes. "..." alone when maxLen < 3.
std::string ReducePathName(std::string_view s, int maxLen, TCodePage cp = ActiveCodePage());

} // namespace hb
