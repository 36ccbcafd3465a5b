#pragma once
// Code pages: how a byte string splits into characters, and conversion between
// the two code pages the program meets: UTF-8 (the active one on Linux) and
// CP932 (files written on Japanese Windows).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hb {

enum class TCodePage : unsigned char { Utf8, Cp932 };

// The code page of the program's own text. On Linux that is UTF-8.
constexpr TCodePage ActiveCodePage() { return TCodePage::Utf8; }

// True when b starts a multi-byte character. CP932: 0x81-0x9F and 0xE0-0xFC.
// UTF-8: 0xC2-0xF4, the bytes that can start a sequence of two to four bytes.
bool IsLeadByte(TCodePage cp, unsigned char b);

// Number of bytes of the character that starts at s[pos] (pos < s.size()),
// never running past the end of s. In CP932 a lead byte takes the next byte
// with it whatever that byte is; in UTF-8 only a well-formed sequence forms one
// character, and any other byte is a character of its own.
std::size_t CharByteLength(TCodePage cp, std::string_view s, std::size_t pos);

// Number of characters of s under the scan above.
std::size_t CharCount(TCodePage cp, std::string_view s);

bool IsValidUtf8(std::string_view s);
bool IsAscii(std::string_view s);

// CP932 bytes to UTF-8 through glibc iconv "CP932". Bytes that are not CP932
// become U+FFFD; *ok (when given) tells whether every byte converted.
std::string Cp932ToUtf8(std::string_view s, bool* ok = nullptr);

// UTF-8 to CP932; nothing when some character has no CP932 form that reads
// back as that same character, or the input is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view s);

// CP932 to UTF-8 only when the UTF-8 converts back to exactly the same bytes:
// nothing when a byte is not CP932 or a character has two CP932 forms (the
// NEC and IBM copies of the same symbol).
std::optional<std::string> Cp932ToUtf8Exact(std::string_view s);

// UTF-16 (little or big endian, no byte-order mark) to UTF-8 and back. An
// unpaired surrogate becomes its three-byte form (ED A0 80 to ED BF BF), so
// any even number of bytes comes back unchanged. *whole (when given) is false
// when an odd last byte had to be dropped.
std::string Utf16ToUtf8(std::string_view s, bool bigEndian, bool* whole = nullptr);
std::string Utf8ToUtf16(std::string_view s, bool bigEndian);

// Encoding of an INI file's bytes: UTF-16 when they start with its byte-order
// mark (FF FE or FE FF), UTF-8 when they start with a byte-order mark or are
// valid UTF-8, CP932 otherwise.
enum class TextEncoding : unsigned char { Cp932, Utf8, Utf8Bom, Utf16Le, Utf16Be };
TextEncoding DetectIniEncoding(std::string_view bytes);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

} // namespace hb
