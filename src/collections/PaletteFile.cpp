#include "collections/PaletteFile.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "collections/GimpPalette.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "text/StringCut.h"
#include "text/Translate.h"

namespace hb {

static_assert(kMaxGplFileBytes == kMaxPaletteFileBytes, "one size limit for both palette formats");

std::int32_t PaletteValue(const std::string& Text) { return ParseIniInteger(Text).value_or(0); }

std::vector<TItemData> ReadPaletteFile(const std::string& Path,
                                      std::function<void(const std::string& SectionName)> OnSection) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(Path, error);
  if (!error && size > kMaxPaletteFileBytes) return {};

  const TIniFile file(Path);
  // Every section is a colour, however many there are.
  const std::vector<std::string> sections = file.ReadSections();
  std::vector<TItemData> items(sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const std::string& name = sections[i];
    if (OnSection) OnSection(name);
    TItemData& item = items[i];
    item.Name = name;
    item.R = PaletteValue(file.ReadString(name, "R", ""));
    item.G = PaletteValue(file.ReadString(name, "G", ""));
    item.B = PaletteValue(file.ReadString(name, "B", ""));
  }
  return items;
}

void AppendPalette(std::vector<TPalletData>& List, const std::string& FileName, const std::string& Path,
                  const std::function<void(const std::string& Status)>& Report) {
  auto report = [&](const std::string& status) {
    if (Report) Report(status);
  };
  try {
    report(Arg(Tr("PaletteFile", "ファイル【%1】処理中..."), FileName));
    List.push_back({PaletteNameOf(FileName), {}});
    // Both readers refuse the same size; the view says why a palette is empty.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(Path + FileName, error);
    List.back().TooLarge = !error && size > kMaxPaletteFileBytes;
    if (IsGplFileName(FileName)) {
      // A GIMP palette is listed by its Name: line when it has one.
      if (const auto gpl = ReadGplFile(Path + FileName)) {
        if (!gpl->Name.empty()) List.back().Name = gpl->Name;
        for (const TGplColor& c : gpl->Colors) List.back().Items.push_back({c.Name, c.R, c.G, c.B});
      }
      return;
    }
    // Translated once per file, not once per colour.
    const std::string adding = Tr("PaletteFile", "プラグイン【%1】追加中...");
    List.back().Items = ReadPaletteFile(Path + FileName, [&](const std::string& section) {
      report(Arg(adding, section));
    });
  } catch (const std::exception&) {
    // A palette that cannot be read is listed without colours; start-up goes on.
  }
}

std::string PaletteViewNotice(const TPalletData& Palette, std::size_t Shown) {
  if (Palette.TooLarge) return Tr("PaletteFile", "8MBを超えるため読み込めません");
  if (Palette.Items.size() <= Shown) return {};
  return Args(Tr("PaletteFile", "先頭%1色を表示(全%2色)"), {std::to_string(Shown), std::to_string(Palette.Items.size())});
}

bool IsGplFileName(const std::string& FileName) {
  const std::size_t dot = FileName.rfind('.');
  if (dot == std::string::npos || FileName.size() - dot != 4) return false;
  std::string ext = FileName.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(c | 0x20);
  return ext == "gpl";
}

std::string PaletteNameOf(const std::string& FileName) {
  return StringCut(FileName, ".", cpBefore, false);
}

bool TPaletteFolders::Accept(const std::string& FileName, const std::string& Path) {
  const auto [it, added] = firstFolder_.emplace(PaletteNameOf(FileName), Path);
  return added || it->second == Path;
}

TFoundPalettes::TFoundPalettes(ReportFn Report) : report_(std::move(Report)) {}

void TFoundPalettes::Add(const std::string& FileName, const std::string& Path) {
  if (folders_.Accept(FileName, Path)) AppendPalette(List, FileName, Path, report_);
}

namespace {

// "FF8000", "#ff8000": the colour's code, any case, with or without "#".
bool IsOwnHexCode(const std::string& name, TRGBBytes c) {
  std::string_view s = name;
  if (!s.empty() && s.front() == '#') s.remove_prefix(1);
  if (s.size() != 6) return false;
  const std::uint8_t components[3] = {c.R, c.G, c.B};
  for (std::size_t i = 0; i < 6; ++i) {
    const int digit = (components[i / 2] >> (i % 2 ? 0 : 4)) & 0xF;
    const char lower = s[i] >= 'A' && s[i] <= 'Z' ? char(s[i] - 'A' + 'a') : s[i];
    if (lower != "0123456789abcdef"[digit]) return false;
  }
  return true;
}

} // namespace

std::vector<TNamedColor> NamedColorsOf(const std::vector<TPalletData>& palettes) {
  std::vector<TNamedColor> named;
  for (const TPalletData& palette : palettes)
    for (const TItemData& item : palette.Items) {
      // A swatch shows the low 8 bits of each component; the name goes with that colour.
      const TRGBBytes c{std::uint8_t(item.R & 0xFF), std::uint8_t(item.G & 0xFF), std::uint8_t(item.B & 0xFF)};
      if (item.Name.empty() || IsOwnHexCode(item.Name, c)) continue;
      named.push_back({item.Name, c});
    }
  return named;
}

} // namespace hb
