#pragma once
// An INI (profile) file held in memory: the file's own bytes, split into lines
// and indexed by section and key, so that reading looks up a hash and writing
// touches only the lines it changes. Everything else goes back out byte for
// byte, in the file's own encoding and with its own line endings.
//
// Names and values cross this interface in UTF-8, the program's code page; the
// document converts them to and from the file's encoding (UTF-8 or CP932).

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace hb {

// A name or value that cannot be stored in a line of an INI file: a line
// break, invalid UTF-8, a key holding "=" or starting with ";" or "[".
class IniInvalidText : public std::invalid_argument {
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

class IniDocument {
 public:
  // A new, empty file: CP932 (UTF-8 with a byte-order mark once it holds a
  // character CP932 lacks), CRLF line endings.
  IniDocument();
  // The content of an existing file, with its encoding detected.
  explicit IniDocument(std::string bytes);

  IniDocument(IniDocument&&) noexcept;
  IniDocument& operator=(IniDocument&&) noexcept;
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;
  ~IniDocument();

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
  // section, or adds the section at the end of the file. Throws IniInvalidText
  // (and changes nothing) for text that cannot be stored.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // Forgets the whole content: the document is a new, empty file again.
  void Clear();

  // Call before saving. CP932 text can happen to form valid UTF-8, and such a
  // file would be read back as UTF-8 and come out garbled; it is then turned
  // into UTF-8 with a byte-order mark, which reads back unambiguously.
  void SettleEncoding();

  // The file's bytes as they stand now.
  std::string ToBytes() const;

  TextEncoding Encoding() const;
  // "\r\n" or "\n": what new lines end with.
  std::string_view LineEnding() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

} // namespace hb
