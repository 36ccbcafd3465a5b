// Keep-list reading: arbitrary bytes as a settings file's content, to the list
// of kept colours. Checks that the list is bounded by the Count limit, that it
// is what the entries one by one give, and that writing it back and reading
// again gives the same list while every other section stays readable.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "collections/KeepColorText.h"
#include "collections/KeepSettings.h"
#include "settings/IniDocument.h"

namespace {

#define Require(ok) ((ok) ? (void)0 : Fail(__LINE__))

[[noreturn]] void Fail(int line) {
  std::fprintf(stderr, "fuzz_keep_list: check on line %d failed\n", line);
  std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1024 * 1024) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const hb::TIniDocument doc(bytes);

  const std::vector<std::string> texts = hb::ReadKeepTexts(doc);
  Require(texts.size() <= std::size_t(hb::kKeepCountLimit));
  const std::vector<std::uint32_t> colors = hb::KeepColorsFromTexts(texts);
  Require(colors.size() <= texts.size());
  for (std::uint32_t c : colors) Require(c <= 0xFFFFFFu);

  // Each entry on its own: a text names a colour, written back as six upper-case digits.
  std::size_t named = 0;
  for (const std::string& text : texts) {
    const auto color = hb::KeepColorFromText(text);
    if (!color) continue;
    Require(named < colors.size() && colors[named] == *color);
    ++named;
    const std::string written = hb::KeepColorText(*color);
    Require(written.size() == 6 && hb::KeepColorFromText(written) == color);
  }
  Require(named == colors.size());

  // Written back the way the close writes it, the list reads the same, and
  // the sections of the file are all still there.
  hb::TIniDocument again(bytes);
  try {
    again.WriteString("Keep", "Count", std::to_string(colors.size()));
    for (std::size_t i = 0; i < colors.size(); ++i)
      again.WriteString("Keep", std::to_string(i), hb::KeepColorText(colors[i]));
  } catch (const hb::IniTextError&) {
    // The names and values are always storable, but a file that cannot be
    // written without losing bytes (odd-length UTF-16, CP932 bytes that do
    // not convert) refuses any write; the close then reports it and keeps
    // the file as it was.
    return 0;
  }
  if (!again.SettleEncoding()) return 0;
  const hb::TIniDocument reread(again.ToBytes());
  Require(hb::KeepColorsFromTexts(hb::ReadKeepTexts(reread)) == colors);
  std::vector<std::string> sections = doc.ReadSections();
  std::vector<std::string> after = reread.ReadSections();
  for (const std::string& s : sections) {
    bool found = false;
    for (const std::string& a : after) found = found || a == s;
    Require(found);
  }
  return 0;
}
