// INI reader: arbitrary bytes as a file's content, up to 1 MB (scripts/fuzz.sh
// passes -max_len, a dictionary and time and memory limits, so that a reader
// that is quadratic or sizes tables by bytes that might start something fails
// here). Parses them and compares what the document reads with a reference
// reading of its own below, then writes one key and checks that the write
// changed nothing but its own line (or added lines), that the other values
// still read the same, and that the written value reads back, also after a
// reparse.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "settings/IniDocument.h"

namespace {

#define Require(ok) ((ok) ? (void)0 : Fail(__LINE__))

[[noreturn]] void Fail(int line) {
  std::fprintf(stderr, "fuzz_ini_reader: check on line %d failed\n", line);
  std::abort();
}

// A key name taken from the input: the text before "=" on some line, trimmed.
std::string KeyFromInput(const std::string& bytes, std::size_t pick) {
  std::vector<std::string> keys;
  std::size_t pos = 0;
  while (pos < bytes.size() && keys.size() < 64) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(pos, end - pos);
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) {
      std::string key = line.substr(0, eq);
      while (!key.empty() && (key.front() == ' ' || key.front() == '\t')) key.erase(0, 1);
      while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
      keys.push_back(key);
    }
    pos = end + 1;
  }
  return keys.empty() ? std::string("R") : keys[pick % keys.size()];
}

// What each probed key holds; nothing for a missing key (no sentinel text,
// which the fuzzer would soon learn to write into a file).
using Snapshot = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

Snapshot Read(const hb::TIniDocument& doc, const std::vector<std::string>& sections,
              const std::vector<std::string>& keys) {
  Snapshot s;
  for (const std::string& sec : sections)
    for (const std::string& key : keys) s[{sec, key}] = doc.Value(sec, key);
  return s;
}


// A second reading of the file, written apart from the document's and as
// plainly as possible: lines end at CR LF, LF or CR; a header is "[" ... the
// last "]" that is a character of its own; a key line has "="; the first
// section and the first key of a name win, names compared with ASCII case
// ignored. Names that are not ASCII could fold (through Unicode case folding)
// to an ASCII name, so what follows one in its scope is left unchecked.
struct Reference {
  struct Section {
    std::string name;
    bool sure = true;                                   // no non-ASCII header came before
    std::map<std::string, std::string> keys;            // lowered name: raw value
    std::map<std::string, bool> keySure;                // no non-ASCII key name came before
    bool nonAsciiKey = false;
  };
  std::vector<Section> sections;
  std::map<std::string, std::size_t> index;

  static std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
  }
  static bool Ascii(std::string_view s) {
    for (char c : s)
      if ((unsigned char)c >= 0x80) return false;
    return true;
  }
  static std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
      if (c >= 'A' && c <= 'Z') c = char(c + 32);
    return out;
  }

  Reference(std::string_view bytes, bool cp932) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    bool nonAsciiHeader = false;
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
      std::size_t end = pos;
      while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
      const std::string_view line = Trim(bytes.substr(pos, end - pos));
      pos = end;
      if (pos < bytes.size()) pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '[') {
        std::size_t close = std::string_view::npos;
        for (std::size_t i = 0; i < line.size(); ++i) {
          const auto b = (unsigned char)line[i];
          if (line[i] == ']') close = i;
          if (cp932 && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC))) ++i;
        }
        if (close != std::string_view::npos && close > 0) {
          const std::string_view name = Trim(line.substr(1, close - 1));
          current = nullptr;
          if (!Ascii(name)) {
            nonAsciiHeader = true;
          } else if (index.emplace(Lower(name), sections.size()).second) {
            sections.push_back({std::string(name), !nonAsciiHeader, {}, {}, false});
            current = &sections.back();
          }
          continue;
        }
      }
      const std::size_t eq = line.find('=');
      if (!current || eq == std::string_view::npos) continue;
      const std::string_view key = Trim(line.substr(0, eq));
      if (!Ascii(key)) {
        current->nonAsciiKey = true;
        continue;
      }
      if (current->keys.emplace(Lower(key), std::string(Trim(line.substr(eq + 1)))).second)
        current->keySure[Lower(key)] = !current->nonAsciiKey;
    }
  }

  // The value as read: one pair of matching quotes taken off.
  static std::string Unquoted(std::string v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return v;
  }

  // Decimal in 32 bits, or hexadecimal after "$", "0x" or "0X" (up to 32 bits,
  // wrapping), with an optional sign.
  static std::optional<std::int32_t> Integer(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
      base = 16;
      ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
      base = 16;
      i += 2;
    }
    if (i == text.size()) return std::nullopt;
    while (i + 1 < text.size() && text[i] == '0') ++i;
    if (text.size() - i > 12) return std::nullopt;
    for (std::size_t j = i; j < text.size(); ++j)
      if (!(base == 16 ? std::isxdigit((unsigned char)text[j]) : std::isdigit((unsigned char)text[j]))) return std::nullopt;
    const long long v = std::stoll(text.substr(i), nullptr, base);
    if (base == 16) {
      if (v > 0xFFFFFFFFll) return std::nullopt;
      const std::uint32_t u = negative ? 0u - std::uint32_t(v) : std::uint32_t(v);
      return std::int32_t(u);
    }
    const long long s = negative ? -v : v;
    if (s < INT32_MIN || s > INT32_MAX) return std::nullopt;
    return std::int32_t(s);
  }
};

// The document reads what the reference reads, wherever the reference is sure.
void CompareWithReference(const hb::TIniDocument& doc, const std::string& bytes) {
  if (doc.Encoding() == hb::TextEncoding::Utf16Le || doc.Encoding() == hb::TextEncoding::Utf16Be) return;
  const Reference ref(bytes, doc.Encoding() == hb::TextEncoding::Cp932);
  const std::vector<std::string> listed = doc.ReadSections();
  std::map<std::string, bool> listedAscii;
  for (const std::string& n : listed)
    if (Reference::Ascii(n)) listedAscii[Reference::Lower(n)] = true;
  int checked = 0;
  for (const Reference::Section& sec : ref.sections) {
    if (!sec.sure) continue;
    Require(listedAscii.count(Reference::Lower(sec.name)));
    if (++checked > 64) continue;
    int keys = 0;
    for (const auto& [key, raw] : sec.keys) {
      if (!sec.keySure.at(key) || ++keys > 64) continue;
      const std::string expected = Reference::Unquoted(raw);
      const auto got = doc.Value(sec.name, key);
      Require(got.has_value());
      if (Reference::Ascii(expected)) Require(*got == expected);
      Require(doc.ReadInteger(sec.name, key, INT32_MIN + 7) == Reference::Integer(expected).value_or(INT32_MIN + 7));
    }
    if (!sec.nonAsciiKey && !sec.keys.count("fuzzkey")) Require(!doc.Value(sec.name, "FuzzKey").has_value());
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2 || size > 1024 * 1024 + 1) return 0;
  const unsigned mode = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  hb::TIniDocument doc(bytes);
  Require(doc.ToBytes() == bytes);  // untouched, nothing moves
  CompareWithReference(doc, bytes);
  const std::vector<std::string> sections = doc.ReadSections();

  // Where to write: a listed section or a new one; a key from the input or a
  // new one; an ASCII value, so that the encoding does not change.
  const std::string section = (mode & 1) && !sections.empty()
                                  ? sections[(mode >> 2) % sections.size()]
                                  : std::string("Fuzz Section");
  const std::string key = (mode & 2) ? KeyFromInput(bytes, mode >> 2) : std::string("FuzzKey");
  const std::string value = "v" + std::to_string(size) + "x";
  const std::vector<std::string> keys{key, "R", "G", "B", "Count", "0"};
  std::vector<std::string> probe = sections;
  if (probe.size() > 32) probe.resize(32);
  probe.push_back(section);
  const Snapshot before = Read(doc, probe, keys);
  const bool existed = before.at({section, key}).has_value();

  try {
    doc.WriteString(section, key, value);
  } catch (const hb::IniTextError&) {
    Require(doc.ToBytes() == bytes);  // refused: nothing changed
    return 0;
  }
  Require(doc.ReadString(section, key, "") == value);

  // Only the written key's value changed.
  Snapshot after = Read(doc, probe, keys);
  for (auto& [where, v] : before) {
    const bool written = hb::TIniDocument(std::string("[") + where.first + "]\n" + where.second + "=1")
                             .ReadString(section, key, "") == "1";
    if (!written) Require(after.at(where) == v);
  }

  // Byte for byte: an update changes the rest of one line; an addition only
  // inserts (and may end a last line that had no line break). UTF-16 is
  // compared as the UTF-8 it stands for.
  const bool utf16 = doc.Encoding() == hb::TextEncoding::Utf16Le || doc.Encoding() == hb::TextEncoding::Utf16Be;
  auto comparable = [&](const std::string& b) {
    return utf16 ? hb::Utf16ToUtf8(std::string_view(b).substr(2), doc.Encoding() == hb::TextEncoding::Utf16Be) : b;
  };
  const std::string out = comparable(doc.ToBytes());
  const std::string in = comparable(bytes);
  std::size_t head = 0;
  while (head < out.size() && head < in.size() && out[head] == in[head]) ++head;
  std::size_t tail = 0;
  while (tail < out.size() - head && tail < in.size() - head && out[out.size() - 1 - tail] == in[in.size() - 1 - tail])
    ++tail;
  const std::string removed = in.substr(head, in.size() - head - tail);
  const std::string added = out.substr(head, out.size() - head - tail);
  if (existed && doc.Encoding() == hb::TIniDocument(bytes).Encoding()) {
    Require(removed.find_first_of("\r\n") == std::string::npos && added.find_first_of("\r\n") == std::string::npos);
  } else if (doc.Encoding() == hb::TIniDocument(bytes).Encoding()) {
    Require(removed.empty());
    Require(added.size() <= key.size() + value.size() + section.size() + 12);
  }

  // Saved and read again, the value is still there.
  if (!doc.SettleEncoding()) return 0;  // not savable without loss
  const hb::TIniDocument again(doc.ToBytes());
  Require(again.ReadString(section, key, "") == value);
  return 0;
}
