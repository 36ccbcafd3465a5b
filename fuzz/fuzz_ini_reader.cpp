// INI reader: arbitrary bytes as a file's content. Parses them, reads every
// section and some keys, then writes one key and checks that the write changed
// nothing but its own line (or added lines), that the other values still read
// the same, and that the written value reads back, also after a reparse.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/IniDocument.h"

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

Snapshot Read(const hb::IniDocument& doc, const std::vector<std::string>& sections,
              const std::vector<std::string>& keys) {
  Snapshot s;
  for (const std::string& sec : sections)
    for (const std::string& key : keys) s[{sec, key}] = doc.Value(sec, key);
  return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2 || size > 64 * 1024) return 0;
  const unsigned mode = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  hb::IniDocument doc(bytes);
  Require(doc.ToBytes() == bytes);  // untouched, nothing moves
  const std::vector<std::string> sections = doc.ReadSections();
  for (const std::string& name : sections) {
    // Every listed name finds its section again.
    Require(doc.ReadInteger(name, "R", 0) == doc.ReadInteger(name, "R", 0));
    (void)doc.ReadInteger(name, "G", -1);
  }

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
  } catch (const hb::IniInvalidText&) {
    Require(doc.ToBytes() == bytes);  // refused: nothing changed
    return 0;
  }
  Require(doc.ReadString(section, key, "") == value);

  // Only the written key's value changed.
  Snapshot after = Read(doc, probe, keys);
  for (auto& [where, v] : before) {
    const bool written = hb::IniDocument(std::string("[") + where.first + "]\n" + where.second + "=1")
                             .ReadString(section, key, "") == "1";
    if (!written) Require(after.at(where) == v);
  }

  // Byte for byte: an update changes the rest of one line; an addition only
  // inserts (and may end a last line that had no line break).
  const std::string out = doc.ToBytes();
  std::size_t head = 0;
  while (head < out.size() && head < bytes.size() && out[head] == bytes[head]) ++head;
  std::size_t tail = 0;
  while (tail < out.size() - head && tail < bytes.size() - head &&
         out[out.size() - 1 - tail] == bytes[bytes.size() - 1 - tail])
    ++tail;
  const std::string removed = bytes.substr(head, bytes.size() - head - tail);
  const std::string added = out.substr(head, out.size() - head - tail);
  if (existed && doc.Encoding() == hb::IniDocument(bytes).Encoding()) {
    Require(removed.find('\n') == std::string::npos && added.find('\n') == std::string::npos);
  } else if (doc.Encoding() == hb::IniDocument(bytes).Encoding()) {
    Require(removed.empty());
    Require(added.size() <= key.size() + value.size() + section.size() + 12);
  }

  // Saved and read again, the value is still there.
  if (!doc.SettleEncoding()) return 0;  // not savable without loss
  const hb::IniDocument again(doc.ToBytes());
  Require(again.ReadString(section, key, "") == value);
  return 0;
}
