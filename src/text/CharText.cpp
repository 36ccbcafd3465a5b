#include "text/CharText.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "text/Errors.h"

namespace hb {

namespace {

int ToInt(std::size_t n) { return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n); }

// Byte position reached after stepping over count characters from pos (which
// starts a character); stops at the end of s.
std::size_t SkipChars(TCodePage cp, std::string_view s, std::size_t pos, std::int64_t count) {
  for (; count > 0 && pos < s.size(); --count) pos += CharByteLength(cp, s, pos);
  return pos;
}

// Runs the character scan of s forward on demand, keeping the last few
// character boundaries: enough to tell whether a byte match that ends on a
// boundary also starts on one, without a table as long as s.
class BoundaryWalker {
 public:
  BoundaryWalker(TCodePage cp, std::string_view s, std::size_t keep) : cp_(cp), s_(s), ring_(keep + 1, 0) {}

  // Moves to the first boundary at or after pos; true when pos is a boundary.
  bool Reach(std::size_t pos) {
    while (pos_ < pos) {
      pos_ += CharByteLength(cp_, s_, pos_);
      ++chars_;
      ring_[chars_ % ring_.size()] = pos_;
    }
    return pos_ == pos;
  }
  // Characters before the current boundary.
  std::size_t Chars() const { return chars_; }
  // The boundary k characters back (k < ring size and k <= Chars()).
  std::size_t Back(std::size_t k) const { return ring_[(chars_ - k) % ring_.size()]; }

 private:
  TCodePage cp_;
  std::string_view s_;
  std::vector<std::size_t> ring_;
  std::size_t pos_ = 0;
  std::size_t chars_ = 0;
};

// Calls onMatch(end) for every byte occurrence of the non-empty sub in s,
// overlapping ones included, in increasing order; stops when it returns true.
// Knuth-Morris-Pratt, with memchr to skip ahead while no prefix is matched:
// O(s.size() + sub.size()) whatever the bytes.
template <typename OnMatch>
void ForEachByteMatch(std::string_view s, std::string_view sub, OnMatch onMatch) {
  const std::size_t m = sub.size();
  std::vector<std::size_t> fail(m, 0);
  for (std::size_t i = 1, q = 0; i < m; ++i) {
    while (q > 0 && sub[i] != sub[q]) q = fail[q - 1];
    if (sub[i] == sub[q]) ++q;
    fail[i] = q;
  }
  const std::size_t n = s.size();
  std::size_t q = 0;
  for (std::size_t i = 0; i < n;) {
    if (q == 0) {
      const void* hit = std::memchr(s.data() + i, sub[0], n - i);
      if (!hit) return;
      i = static_cast<std::size_t>(static_cast<const char*>(hit) - s.data()) + 1;
      q = 1;
    } else {
      const char c = s[i++];
      while (q > 0 && c != sub[q]) q = fail[q - 1];
      if (c == sub[q]) ++q;
    }
    if (q == m) {
      if (onMatch(i)) return;
      q = fail[m - 1];
    }
  }
}

} // namespace

int CharLen(std::string_view s, TCodePage cp) { return ToInt(CharCount(cp, s)); }

std::string CharMid(std::string_view s, int start, int count, TCodePage cp) {
  if (count <= 0) return {};
  const std::size_t begin = SkipChars(cp, s, 0, std::int64_t{start < 1 ? 1 : start} - 1);
  const std::size_t end = SkipChars(cp, s, begin, count);
  return std::string(s.substr(begin, end - begin));
}

std::string CharMidFrom(std::string_view s, int n, TCodePage cp) {
  if (n <= 1) return std::string(s);
  return std::string(s.substr(SkipChars(cp, s, 0, std::int64_t{n} - 1)));
}

std::string CharLeft(std::string_view s, int n, TCodePage cp) { return CharMid(s, 1, n, cp); }

std::string CharRight(std::string_view s, int n, TCodePage cp) {
  const int c = CharLen(s, cp);
  if (n <= 0 || n > c) return {};
  return CharMidFrom(s, c - n + 1, cp);
}

int CharInStr(std::string_view s, std::string_view sub, TCodePage cp) {
  return FindCharOccurrence(s, sub, true, cp).pos;
}

// A byte match of sub at [b, e) in s is exactly a position where the text of
// CharLen(sub) characters from b equals sub when b and e are both character
// boundaries of s (the end of s is one). The scan of s between two boundaries
// steps exactly as the scan of those bytes on their own does: each step looks
// only at bytes inside it, and a step that s cuts short (a lone lead byte or a
// broken UTF-8 sequence) is cut short in the shorter text as well. So the match
// then covers CharLen(sub) characters of s, and conversely a match that ends
// inside a character of s is not one. Searching again from the character after
// a hit therefore means taking the next match that starts at or after its end.
TCharOccurrence FindCharOccurrence(std::string_view s, std::string_view sub, bool firstOccurrence,
                                  TCodePage cp) {
  if (s.empty()) return {};
  if (sub.empty()) {
    if (firstOccurrence) return {1, 0, 0};
    // Searching again after an empty hit would restart at the same character
    // forever; the empty text occurs last before the last character.
    std::size_t last = 0, pos = 0, chars = 0;
    for (; pos < s.size(); ++chars) {
      last = pos;
      pos += CharByteLength(cp, s, pos);
    }
    return {ToInt(chars), last, last};
  }
  const std::size_t k = CharCount(cp, sub);
  BoundaryWalker walker(cp, s, k);
  TCharOccurrence found;
  std::size_t from = 0;  // a hit may not overlap the previous one
  ForEachByteMatch(s, sub, [&](std::size_t end) {
    const std::size_t begin = end - sub.size();
    if (begin < from || !walker.Reach(end) || walker.Chars() < k || walker.Back(k) != begin) return false;
    found = {ToInt(walker.Chars() - k + 1), begin, end};
    from = end;
    return firstOccurrence;
  });
  return found;
}

int IntFromFloatText(long double x) {
  char buf[64];
  const auto written = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
  const std::string_view text(buf, written.ec == std::errc() ? static_cast<std::size_t>(written.ptr - buf) : 0);
  // to_chars never uses the locale, so "2.5" stays "2.5" whatever LC_NUMERIC says.
  int value = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (text.empty() || read.ec != std::errc() || read.ptr != text.data() + text.size())
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  return value;
}

} // namespace hb
