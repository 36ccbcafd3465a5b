// The character helpers on arbitrary bytes in both code pages: every cut is a
// run of whole characters of the input, the linear searches agree with the
// character-by-character definitions, and nothing reads out of bounds.
//
// Input: byte 0 flags (code page, first/last occurrence, part), byte 1 maxLen,
// bytes 2 and 3 signed positions, byte 4 the length of the searched text; the
// rest is the text followed by the text searched for.

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/CharText.h"
#include "text/ReducePathName.h"
#include "text/StringCut.h"

namespace {

using hb::TCodePage;

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

std::vector<std::size_t> Bounds(TCodePage cp, std::string_view s) {
  std::vector<std::size_t> b{0};
  for (std::size_t p = 0; p < s.size(); b.push_back(p)) p += hb::CharByteLength(cp, s, p);
  return b;
}

// The characters first..last (1-based, clamped) of s as bytes.
std::string Slice(std::string_view s, const std::vector<std::size_t>& b, long first, long last) {
  const long c = long(b.size()) - 1;
  first = std::max(first, 1L);
  last = std::min(last, c);
  if (first > last) return {};
  return std::string(s.substr(b[first - 1], b[last] - b[first - 1]));
}

int RefInStr(TCodePage cp, std::string_view s, std::string_view sub) {
  const auto b = Bounds(cp, s);
  const long k = long(hb::CharCount(cp, sub));
  for (long i = 1; i < long(b.size()); ++i)
    if ((k == 0 ? std::string() : Slice(s, b, i, i + k - 1)) == sub) return int(i);
  return 0;
}

int RefLast(TCodePage cp, std::string_view s, std::string_view sub) {
  const auto b = Bounds(cp, s);
  const int L = int(hb::CharCount(cp, sub));
  int last = 0;
  for (int p = RefInStr(cp, s, sub); p > 0;) {
    last = p;
    const int next = p + L;
    if (next > int(b.size()) - 1) break;
    const int q = RefInStr(cp, s.substr(b[next - 1]), sub);
    p = q == 0 ? 0 : next + q - 1;
  }
  return last;
}

int Position(std::uint8_t byte) {
  // Mostly small positions around the text, now and then the int extremes.
  if (byte == 0x80) return INT_MIN;
  if (byte == 0x7F) return INT_MAX;
  return static_cast<std::int8_t>(byte);
}

void Run(TCodePage cp, std::uint8_t flags, int maxLen, int a, int b, std::string_view s, std::string_view sub) {
  const auto bs = Bounds(cp, s);
  const long c = long(bs.size()) - 1;
  Check(hb::CharLen(s, cp) == c);
  Check(hb::CharMid(s, a, b, cp) == (b <= 0 ? std::string() : Slice(s, bs, std::max(a, 1), long(std::max(a, 1)) + b - 1)));
  Check(hb::CharMidFrom(s, a, cp) == Slice(s, bs, a, c));
  Check(hb::CharLeft(s, b, cp) == Slice(s, bs, 1, b));
  Check(hb::CharRight(s, b, cp) == (b > c ? std::string() : Slice(s, bs, c - b + 1, c)));

  const bool first = flags & 2;
  const auto at = hb::FindCharOccurrence(s, sub, first, cp);
  if (s.size() <= 64 && sub.size() <= 8) {
    Check(hb::CharInStr(s, sub, cp) == RefInStr(cp, s, sub));
    if (!sub.empty() && !first) Check(at.pos == RefLast(cp, s, sub));
  }
  const std::string before = hb::StringCut(s, sub, hb::cpBefore, first, cp);
  const std::string through = hb::StringCut(s, sub, hb::cpThrough, first, cp);
  const std::string after = hb::StringCut(s, sub, hb::cpAfter, first, cp);
  const std::string from = hb::StringCut(s, sub, hb::cpFrom, first, cp);
  if (at.pos > 0) {
    Check(std::binary_search(bs.begin(), bs.end(), at.begin) && std::binary_search(bs.begin(), bs.end(), at.end));
    Check(at.begin == bs[at.pos - 1] && s.substr(at.begin, at.end - at.begin) == sub);
    Check(before + std::string(sub) + after == std::string(s));
    Check(through == before + std::string(sub) && from == std::string(sub) + after);
    Check(before.size() == at.begin);
  } else {
    Check(before.empty() && through.empty() && after == s && from == s);
  }
  Check(hb::StringCut(s, sub, hb::TCutPart(flags >> 4), first, cp).size() <= s.size());

  const std::string r = hb::ReducePathName(s, maxLen, cp);
  if (maxLen >= 0 && s.size() <= std::size_t(maxLen)) {
    Check(r == s);
  } else if (maxLen < 3) {
    Check(r == "...");
  } else {
    Check(r.size() <= std::size_t(maxLen));
    const std::size_t aa = std::size_t(maxLen) - 3, h = aa / 2 + (aa % 4 == 3 ? 1 : 0);
    const std::size_t head = *std::prev(std::upper_bound(bs.begin(), bs.end(), h));
    const std::size_t tail = *std::lower_bound(bs.begin(), bs.end(), s.size() - (aa - h));
    Check(r == std::string(s.substr(0, head)) + "..." + std::string(s.substr(tail)));
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const std::uint8_t flags = data[0];
  const int maxLen = static_cast<std::int8_t>(data[1]) + 3;
  const int a = Position(data[2]), b = Position(data[3]);
  const std::string_view rest(reinterpret_cast<const char*>(data + 5), size - 5);
  const std::size_t split = std::min<std::size_t>(rest.size(), rest.size() > 40 ? rest.size() - data[4] % 16 : data[4]);
  const std::string_view s = rest.substr(0, split), sub = rest.substr(split);
  Run((flags & 1) ? TCodePage::Cp932 : TCodePage::Utf8, flags, maxLen, a, b, s, sub);
  return 0;
}
