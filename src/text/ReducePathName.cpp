#include "text/ReducePathName.h"

namespace hb {

std::string ReducePathName(std::string_view s, int maxLen, TCodePage cp) {
  if (maxLen >= 0 && s.size() <= static_cast<std::size_t>(maxLen)) return std::string(s);
  if (maxLen < 3) return "...";
  const std::size_t a = static_cast<std::size_t>(maxLen) - 3;
  std::size_t h = a / 2;
  if (a % 2 == 1 && h % 2 == 1) ++h;  // a half goes to the even neighbour
  const std::size_t tailWanted = s.size() - (a - h);

  // One scan finds both cuts; a character straddling a cut is left out whole
  // rather than losing one of its bytes.
  std::size_t head = 0, tail = s.size();
  for (std::size_t pos = 0; pos < s.size(); pos += CharByteLength(cp, s, pos)) {
    if (pos <= h) head = pos;
    if (pos >= tailWanted) {
      tail = pos;
      break;
    }
  }
  std::string out;
  out.reserve(head + 3 + (s.size() - tail));
  out.append(s.substr(0, head)).append("...").append(s.substr(tail));
  return out;
}

} // namespace hb
