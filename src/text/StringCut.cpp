#include "text/StringCut.h"

#include "text/CharText.h"

namespace hb {

std::string StringCut(std::string_view s, std::string_view sep, TCutPart part, bool FirstOccurrence,
                      TCodePage cp) {
  const TCharOccurrence at = FindCharOccurrence(s, sep, FirstOccurrence, cp);
  // The character arithmetic p - 1 + L and p + L would, for an absent
  // separator of two or more characters, keep or drop its first L - 1
  // characters; an absent separator cuts nothing off instead.
  if (at.pos == 0) return part == cpAfter || part == cpFrom ? std::string(s) : std::string();
  switch (part) {
    case cpBefore: return std::string(s.substr(0, at.begin));
    case cpThrough: return std::string(s.substr(0, at.end));
    case cpAfter: return std::string(s.substr(at.end));
    case cpFrom: return std::string(s.substr(at.begin));
  }
  return {};
}

} // namespace hb
