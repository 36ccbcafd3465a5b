#pragma once
// An INI (profile) file held in memory: the file's own bytes, indexed by
// section and key, with the changes kept beside them, so that reading looks up
// a hash and writing touches only the lines it changes. Everything else goes
// back out byte for byte, in the file's own encoding and with its own line
// endings.
//
// Files come from outside: opening one takes time linear in its size and
// memory of a few bytes per section and key (besides the bytes themselves),
// whatever the names. Lines end at CR LF, LF or a lone CR.
//
// Names and values cross this interface in UTF-8, the program's code page; the
// document converts them to and from the file's encoding (UTF-8, CP932, or
// UTF-16 after its byte-order mark).

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "text/CodePage.h"

namespace hb {

// A write that cannot be stored without changing something else: a name or
// value with a line break, invalid UTF-8, a key holding "=" or starting with
// ";" or "["; or a character CP932 lacks in a CP932 file whose bytes do not
// all convert to UTF-8 and back unchanged, or a write to a UTF-16 file with
// an odd number of bytes.
class IniTextError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The integer reading of a profile value: decimal, or hexadecimal after "$",
// "0x" or "0X", with an optional sign in front. Decimal must fit in 32 bits;
// hexadecimal may use the whole unsigned range and wraps ($FFFFFFFF is -1).
// Anything else is no number.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// The form in which section and key names are compared: blanks around the
// name trimmed, letters folded to one case. Names with the same form are the
// same section (or key) of a file.
std::string IniNameKey(std::string_view name);

class TIniDocument {
 public:
  // A new, empty file: CP932 (UTF-8 with a byte-order mark once it holds a
  // character CP932 lacks), CRLF line endings.
  TIniDocument();
  // The content of an existing file, with its encoding detected. At most
  // 4 GiB - 2 bytes (std::length_error above).
  explicit TIniDocument(std::string bytes);

  TIniDocument(TIniDocument&&) noexcept;
  TIniDocument& operator=(TIniDocument&&) noexcept;
  TIniDocument(const TIniDocument&) = delete;
  TIniDocument& operator=(const TIniDocument&) = delete;
  ~TIniDocument();

  // The value of key in section, blanks trimmed and one pair of surrounding
  // quotes removed; nothing when the section or the key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  // Every section name once, in file order (a repeated section is listed where
  // it first stands: only that one is ever read or written).
  std::vector<std::string> ReadSections() const;

  // Updates the key's value in place, or adds the key at the end of its
  // section, or adds the section at the end of the file. Throws IniTextError
  // (and changes nothing) for text that cannot be stored.
  //
  // A character CP932 lacks turns a CP932 file into UTF-8 with a byte-order
  // mark, but only when every byte of the file converts to UTF-8 and back
  // unchanged; otherwise that write is refused, since bytes that are not CP932
  // would become U+FFFD on lines nobody touched.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // Forgets the whole content: the document is a new, empty file again.
  void Clear();

  // Call before saving. CP932 text can happen to form valid UTF-8, and such a
  // file would be read back as UTF-8 and come out garbled; it is then turned
  // into UTF-8 with a byte-order mark, which reads back unambiguously. False
  // when that conversion would not keep every byte: the file must not be
  // saved then.
  [[nodiscard]] bool SettleEncoding();

  // The file's bytes as they stand now.
  std::string ToBytes() const;

  TextEncoding Encoding() const;
  // "\r\n", "\n" or "\r": what new lines end with, as the first line does.
  std::string_view LineEnding() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

} // namespace hb
