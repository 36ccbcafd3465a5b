#pragma once
// Measuring, cutting and searching text by characters instead of bytes, so
// that a double-byte character is never cut in two and its second byte (0x5C
// in 表 and ソ under CP932) is never taken for a backslash.
//
// Text is a byte string in a code page; the characters are those of the scan
// in text/CodePage.h. Positions and counts are 1-based character numbers.
// Out-of-range positions and counts never fail: they give an empty or whole
// text as described for each function.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace hb {

// Number of characters of s; 0 for the empty text.
int CharLen(std::string_view s, TCodePage cp = ActiveCodePage());

// Up to count characters from the start-th one. start <= 1 means the first
// character; empty when count <= 0 or start > CharLen(s); stops at the end of s.
std::string CharMid(std::string_view s, int start, int count, TCodePage cp = ActiveCodePage());

// From the n-th character to the end: the whole text when n <= 1, empty when
// n > CharLen(s).
std::string CharMidFrom(std::string_view s, int n, TCodePage cp = ActiveCodePage());

// The first n characters: the whole text when n >= CharLen(s), empty when n <= 0.
std::string CharLeft(std::string_view s, int n, TCodePage cp = ActiveCodePage());

// The last n characters: empty when n <= 0 and also when n > CharLen(s) (not
// the whole text).
std::string CharRight(std::string_view s, int n, TCodePage cp = ActiveCodePage());

// Character position of the first occurrence of sub in s, 0 when absent.
// An occurrence is a run of whole characters of s equal to sub byte for byte:
// an empty sub is found at 1 in any non-empty s, and nothing is found in an
// empty s. Linear in s.size() + sub.size().
int CharInStr(std::string_view s, std::string_view sub, TCodePage cp = ActiveCodePage());

// An occurrence of a text in s: its character position (0 when there is none)
// and the bytes [begin, end) it covers in s.
struct TCharOccurrence {
  int pos = 0;
  std::size_t begin = 0;
  std::size_t end = 0;
};

// The first occurrence of sub in s (as CharInStr), or the last one of the
// non-overlapping occurrences found by searching again after each hit, from
// the character that follows it. An empty sub occurs before every character;
// its last occurrence is taken to be before the last character (CharLen(s)).
// Linear in s.size() + sub.size() either way.
TCharOccurrence FindCharOccurrence(std::string_view s, std::string_view sub, bool firstOccurrence,
                                  TCodePage cp = ActiveCodePage());

// The 32-bit integer that x is, read back from x written with 15 significant
// digits (which hides the last-bit noise of colour arithmetic). Throws
// ConversionError when that text is not an integer: a fraction, a value out of
// the 32-bit range, an infinity or NaN.
int IntFromFloatText(long double x);

} // namespace hb
