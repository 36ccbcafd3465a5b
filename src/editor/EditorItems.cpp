#include "editor/EditorItems.h"

#include <algorithm>
#include <unordered_map>

#include "collections/GimpPalette.h"
#include "color/ColorConvert.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "text/CharText.h"
#include "text/Translate.h"

namespace hb {

namespace {
constexpr std::string_view kNewEntryPrefix = "新規プラグイン#";
constexpr int kNewEntryNumbers = 100;

// n when text is exactly the prefix and n in decimal (no sign, no leading
// zero) with 1 <= n <= 100; 0 otherwise.
int NewEntryNumberOf(std::string_view text) {
  if (text.substr(0, kNewEntryPrefix.size()) != kNewEntryPrefix) return 0;
  const std::string_view digits = text.substr(kNewEntryPrefix.size());
  if (digits.empty() || digits.size() > 3 || digits[0] == '0') return 0;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n <= kNewEntryNumbers ? n : 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The palette's name a file name gives: Pastels.hb gives Pastels.
std::string PaletteNameOfPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return PaletteNameOf(slash == std::string::npos ? path : path.substr(slash + 1));
}
} // namespace

std::string NewEntryName(const std::vector<tColors>& items) {
  bool taken[kNewEntryNumbers + 1] = {};
  for (const tColors& item : items) taken[NewEntryNumberOf(item.Name)] = true;
  int n = 1;
  while (n <= kNewEntryNumbers && taken[n]) ++n;
  return std::string(kNewEntryPrefix) + std::to_string(n);
}

tColors KeepEntry(std::uint32_t color) {
  // Blue first, as the keep list writes a colour: BBGGRR.
  const std::string bgr = HexColorText(int((color >> 16) & 0xFF), int((color >> 8) & 0xFF), int(color & 0xFF));
  const std::string blue = CharLeft(bgr, 2);
  const std::string green = CharLeft(CharRight(bgr, 4), 2);
  const std::string red = CharRight(bgr, 2);
  return tColors{red + green + blue, HexToInt(red), HexToInt(green), HexToInt(blue)};
}

bool NameRoundTrips(std::string_view name) {
  // The palette file's own writer and reader decide, in a new file (CP932,
  // the narrower encoding), so that no rule of thumb can drift from them.
  try {
    TIniDocument written;
    written.WriteString(name, "R", "0");
    if (!written.SettleEncoding()) return false;
    const std::vector<std::string> read = TIniDocument(written.ToBytes()).ReadSections();
    return read.size() == 1 && read[0] == name;
  } catch (const std::exception&) {
    return false;
  }
}

std::vector<std::string> NameProblems(std::string_view name) {
  if (NameRoundTrips(name)) return {};
  // Said in the words the user reads.
  std::vector<std::string> problems;
  if (name.find_first_of("\r\n") != std::string_view::npos) problems.emplace_back(hb::Tr("EditorItems", "改行"));
  if (!name.empty() && (IsBlank(name.front()) || IsBlank(name.back())))
    problems.emplace_back(hb::Tr("EditorItems", "前後の空白"));
  if (problems.empty()) problems.emplace_back(hb::Tr("EditorItems", "ファイルに書けない文字"));
  return problems;
}

std::vector<std::string> RepeatedNames(const std::vector<tColors>& items) {
  // Key form -> how many entries carry it, and the first entry's name.
  struct Seen {
    std::size_t count = 0;
    std::size_t first = 0;
  };
  std::unordered_map<std::string, Seen> seen;
  seen.reserve(items.size());
  std::vector<std::size_t> order;  // first entries of repeated names
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto [it, added] = seen.try_emplace(IniNameKey(items[i].Name), Seen{0, i});
    if (++it->second.count == 2) order.push_back(it->second.first);
  }
  std::vector<std::string> names;
  names.reserve(order.size());
  std::sort(order.begin(), order.end());
  for (std::size_t i : order) names.push_back(items[i].Name);
  return names;
}

void SavePaletteEntries(const std::string& path, const std::vector<tColors>& items,
                       const std::function<void()>& perEntry) {
  TIniFile file(path);
  TIniFile::Batch batch(file);
  // The new content replaces the old as a whole, in one rename: a crash or a
  // failed write at any point leaves the old file as it was.
  file.Clear();
  for (const tColors& item : items) {
    file.WriteInteger(item.Name, "R", item.R);
    file.WriteInteger(item.Name, "G", item.G);
    file.WriteInteger(item.Name, "B", item.B);
    if (perEntry) perEntry();
  }
  batch.Commit();
}

TEditorPalette ReadEditorPalette(const std::string& path, const std::function<void()>& perEntry) {
  TEditorPalette palette;
  // The content decides: a GIMP palette saved under another name still reads
  // as one, and a file named .gpl that is none is read as any other file.
  if (std::optional<TGplPalette> gpl = ReadGplFile(path)) {
    palette.Name = gpl->Name;
    palette.Items.reserve(gpl->Colors.size());
    for (TGplColor& c : gpl->Colors) {
      palette.Items.push_back(tColors{std::move(c.Name), c.R, c.G, c.B});
      if (perEntry) perEntry();
    }
  } else {
    palette.Items = ReadPaletteFile(path, [&perEntry](const std::string&) {
      if (perEntry) perEntry();
    });
  }
  if (palette.Name.empty()) palette.Name = PaletteNameOfPath(path);
  return palette;
}

void ExportGplEntries(const std::string& path, const std::string& name, const std::vector<tColors>& items) {
  TGplPalette palette;
  palette.Name = name.empty() ? PaletteNameOfPath(path) : name;
  palette.Columns = 16;
  palette.Colors.reserve(items.size());
  for (const tColors& item : items)
    palette.Colors.push_back(TGplColor{item.Name, std::uint8_t(item.R & 0xFF), std::uint8_t(item.G & 0xFF),
                                       std::uint8_t(item.B & 0xFF)});
  WriteGplFile(path, palette);
}

} // namespace hb
