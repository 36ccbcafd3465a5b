#include "text/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace hb {

namespace {

// Length of the well-formed UTF-8 sequence at s[pos], or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) return 1;
  std::size_t len;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    if (b0 == 0xE0) lo = 0xA0;       // no overlong forms
    else if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    if (b0 == 0xF0) lo = 0x90;
    else if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (s.size() - pos < len) return 0;
  const auto b1 = static_cast<unsigned char>(s[pos + 1]);
  if (b1 < lo || b1 > hi) return 0;
  for (std::size_t i = 2; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if (b < 0x80 || b > 0xBF) return 0;
  }
  return len;
}

// One iconv descriptor per direction, opened on first use and kept: opening
// costs far more than converting a short name.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as it can. Returns false at the first byte sequence that
  // cannot be converted, with *consumed telling how far it got.
  bool Convert(std::string_view in, std::string& out, std::size_t* consumed) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buf[4096];
    bool good = true;
    while (srcLeft > 0) {
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
        good = false;
        break;
      }
    }
    if (good) {
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
    }
    *consumed = in.size() - srcLeft;
    return good;
  }

 private:
  iconv_t cd_;
};

Converter& FromCp932() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}

Converter& ToCp932() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}

} // namespace

bool IsLeadByte(TCodePage cp, unsigned char b) {
  if (cp == TCodePage::Cp932) return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  return b >= 0xC2 && b <= 0xF4;
}

std::size_t CharByteLength(TCodePage cp, std::string_view s, std::size_t pos) {
  if (cp == TCodePage::Cp932) {
    if (IsLeadByte(cp, static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) return 2;
    return 1;
  }
  const std::size_t len = Utf8SequenceLength(s, pos);
  return len == 0 ? 1 : len;
}

std::size_t CharCount(TCodePage cp, std::string_view s) {
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += CharByteLength(cp, s, pos)) ++n;
  return n;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    // ASCII, by far the most of any INI file, eight bytes at a time.
    std::uint64_t w;
    if (s.size() - pos >= 8 && (std::memcpy(&w, s.data() + pos, 8), (w & 0x8080808080808080ull) == 0)) {
      pos += 8;
      continue;
    }
    const std::size_t len = Utf8SequenceLength(s, pos);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

bool IsAscii(std::string_view s) {
  std::size_t pos = 0;
  for (; pos + 8 <= s.size(); pos += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + pos, 8);
    if (w & 0x8080808080808080ull) return false;
  }
  for (; pos < s.size(); ++pos)
    if (static_cast<unsigned char>(s[pos]) >= 0x80) return false;
  return true;
}

std::string Cp932ToUtf8(std::string_view s, bool* ok) {
  std::string out;
  out.reserve(s.size() + s.size() / 2);
  bool allGood = true;
  while (!s.empty()) {
    std::size_t consumed = 0;
    if (FromCp932().Convert(s, out, &consumed)) break;
    // Not a CP932 character: stand in for it and go on. A lead byte takes its
    // partner with it, so the rest stays in step with the character scan.
    allGood = false;
    out += "\xEF\xBF\xBD";
    s.remove_prefix(consumed);
    s.remove_prefix(std::min(s.size(), CharByteLength(TCodePage::Cp932, s, 0)));
  }
  if (ok) *ok = allGood;
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t consumed = 0;
  if (!ToCp932().Convert(s, out, &consumed)) return std::nullopt;
  // iconv also writes some characters in a look-alike's form (U+00AC as the
  // full-width sign's 81 CA, U+2014 as U+2015's 81 5C, U+00A5 as the backslash),
  // which reads back as the other character: those have no CP932 form.
  bool ok = false;
  if (Cp932ToUtf8(out, &ok) != s || !ok) return std::nullopt;
  return out;
}

std::optional<std::string> Cp932ToUtf8Exact(std::string_view s) {
  bool ok = false;
  std::string utf8 = Cp932ToUtf8(s, &ok);
  if (!ok) return std::nullopt;
  const auto back = Utf8ToCp932(utf8);
  if (!back || *back != s) return std::nullopt;
  return utf8;
}

std::string Utf16ToUtf8(std::string_view s, bool bigEndian, bool* whole) {
  if (whole) *whole = s.size() % 2 == 0;
  const std::size_t units = s.size() / 2;
  auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(s[2 * i]), b = static_cast<unsigned char>(s[2 * i + 1]);
    return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
  };
  std::string out;
  out.reserve(s.size() + s.size() / 2);
  for (std::size_t i = 0; i < units; ++i) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | c >> 6);
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | c >> 12);
      out += char(0x80 | (c >> 6 & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | c >> 18);
      out += char(0x80 | (c >> 12 & 0x3F));
      out += char(0x80 | (c >> 6 & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToUtf16(std::string_view s, bool bigEndian) {
  std::string out;
  out.reserve(s.size() * 2);
  auto put = [&](char32_t u) {
    const char hi = char(u >> 8), lo = char(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  };
  for (std::size_t pos = 0; pos < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    // Lead bytes give the length; surrogate forms pass as they came in. A
    // byte that starts nothing stands for U+FFFD.
    const std::size_t len = b0 < 0x80 ? 1 : b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    bool ok = len > 0 && s.size() - pos >= len;
    char32_t c = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t i = 1; ok && i < len; ++i) {
      const auto b = static_cast<unsigned char>(s[pos + i]);
      ok = (b & 0xC0) == 0x80;
      c = c << 6 | (b & 0x3F);
    }
    if (!ok || c > 0x10FFFF) {
      put(0xFFFD);
      ++pos;
      continue;
    }
    pos += len;
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

TextEncoding DetectIniEncoding(std::string_view bytes) {
  if (bytes.substr(0, 2) == kUtf16LeBom) return TextEncoding::Utf16Le;
  if (bytes.substr(0, 2) == kUtf16BeBom) return TextEncoding::Utf16Be;
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return TextEncoding::Utf8Bom;
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

} // namespace hb
