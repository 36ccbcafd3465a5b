// Palette plug-in files: arbitrary bytes as a file beside the program. Reads
// them as start-up does and checks the result against the INI layer itself:
// one colour per section, in file order, each component the profile integer of
// its key or 0. The file name's mask match runs on the same bytes.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "collections/PaletteFile.h"
#include "settings/IniDocument.h"
#include "support/FindFile.h"

namespace {

#define Require(ok) ((ok) ? (void)0 : Fail(__LINE__))

[[noreturn]] void Fail(int line) {
  std::fprintf(stderr, "fuzz_palette_file: check on line %d failed\n", line);
  std::abort();
}

const std::string& FilePath() {
  static const std::string path = [] {
    char templ[] = "/tmp/fuzz_palette.XXXXXX";
    const int fd = ::mkstemp(templ);
    if (fd < 0) std::abort();
    ::close(fd);
    return std::string(templ);
  }();
  return path;
}

// The component as a reference reading: sign, then decimal digits within 32
// bits, or "$"/"0x"/"0X" and up to 32 bits of hexadecimal taken as a bit pattern.
std::int32_t Expected(const std::optional<std::string>& value) {
  if (!value) return 0;
  std::string s = *value;
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.erase(0, 1);
  }
  int base = 10;
  if (!s.empty() && s[0] == '$') {
    base = 16;
    s.erase(0, 1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.erase(0, 2);
  }
  // Any number of leading zeros: the bound below is on the value, not the length.
  if (s.empty()) return 0;
  unsigned long long v = 0;
  for (char c : s) {
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
    if (d >= base) return 0;
    v = v * base + d;
    if (v > 0xFFFFFFFFull) return 0;
  }
  if (base == 16) return std::int32_t(negative ? 0u - std::uint32_t(v) : std::uint32_t(v));
  if (negative) return v > 2147483648ull ? 0 : std::int32_t(-std::int64_t(v));
  return v > 2147483647ull ? 0 : std::int32_t(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1024 * 1024) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;

  std::vector<std::string> reported;
  const std::vector<TItemData> items =
      hb::ReadPaletteFile(FilePath(), [&](const std::string& name) { reported.push_back(name); });

  const hb::TIniDocument doc(bytes);
  const std::vector<std::string> sections = doc.ReadSections();
  Require(items.size() == sections.size());
  Require(reported == sections);
  for (std::size_t i = 0; i < items.size(); ++i) {
    Require(items[i].Name == sections[i]);
    Require(items[i].R == Expected(doc.Value(sections[i], "R")));
    Require(items[i].G == Expected(doc.Value(sections[i], "G")));
    Require(items[i].B == Expected(doc.Value(sections[i], "B")));
  }

  // The same bytes as a file name against masks: never a crash, and "*" and
  // "*.*" agree on every name with a non-empty base.
  const std::string name = bytes.substr(0, 255);
  const bool star = hb::MaskMatch(name, "*");
  Require(star == hb::MaskMatch(name, "*.*"));
  (void)hb::MaskMatch(name, "*.hb");
  if (size > 2) (void)hb::MaskMatch(bytes.substr(0, size / 2), bytes.substr(size / 2));
  return 0;
}
