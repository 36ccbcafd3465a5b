#pragma once
// The palette plug-in format: an INI file beside the program, one section per
// colour (the section name is the colour's name) with the keys R, G and B.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "color/NameIndex.h"

// One named colour of a palette, its components as the file gives them (a
// writer puts 0 to 255; a swatch shows the low 8 bits).
struct TItemData {
  std::string Name;
  std::int32_t R = 0;
  std::int32_t G = 0;
  std::int32_t B = 0;
};

// One palette: its name (the file's name without extension) and its colours
// in file order.
struct TPalletData {
  std::string Name;
  std::vector<TItemData> Items;
  // The file was over the size limit and was not read.
  bool TooLarge = false;
};

namespace hb {

// A palette file larger than this holds no palette anyone could use from the
// side panel; it is not read (and reads as a palette without colours).
inline constexpr std::uint64_t kMaxPaletteFileBytes = 8u << 20;

// A component's value: decimal, or hexadecimal after "$", "0x" or "0X"; any
// other text (128.5, abc, an empty value) is 0.
std::int32_t PaletteValue(const std::string& Text);

// Every colour of the file, in file order. OnSection, when given, is called
// with each section's name before that colour is read. A missing, unreadable
// or oversized file, or one that is not INI, has no colours.
std::vector<TItemData> ReadPaletteFile(const std::string& Path,
                                      std::function<void(const std::string& SectionName)> OnSection = {});

// Appends the palette of the plug-in file Path + FileName to List, telling
// Report what it is doing ("ファイル【…】処理中..." for the file, then
// "プラグイン【…】追加中..." for each colour). A failure is not passed on:
// a palette whose colours fail to read stays listed, without colours.
void AppendPalette(std::vector<TPalletData>& List, const std::string& FileName, const std::string& Path,
                  const std::function<void(const std::string& Status)>& Report);

// What a palette view tells of a palette it cannot show whole: its file was
// too large to read, or it holds more colours than the view shows (shown).
// Empty for a palette shown whole.
std::string PaletteViewNotice(const TPalletData& Palette, std::size_t Shown);

// Whether a file name ends in ".gpl" (any case): a GIMP palette, read by
// AppendPalette as such and listed under its Name: line, or its file name.
bool IsGplFileName(const std::string& FileName);

// The palette's name for a plug-in file name: everything before its last
// "." (my.colors.hb gives my.colors).
std::string PaletteNameOf(const std::string& FileName);

// The named colours of the palettes, in palette and file order. A colour
// whose name is only its own hexadecimal code (the web-safe palette, a
// nameless colour of a GIMP palette) has no name to tell.
std::vector<TNamedColor> NamedColorsOf(const std::vector<TPalletData>& palettes);

// Palettes found in several folders, searched in order: a name that an
// earlier folder gave is not taken again from a later one. Two files of one
// folder with one name (a.hb, a.HB) both stay, as in a single folder.
class TPaletteFolders {
 public:
  // Whether the file Path + FileName is to be loaded.
  bool Accept(const std::string& FileName, const std::string& Path);

 private:
  std::map<std::string, std::string> firstFolder_;
};

// The palettes a start-up search finds, each file read as it is found (see
// AppendPalette for Report), one name from the first folder that gives it.
class TFoundPalettes {
 public:
  using ReportFn = std::function<void(const std::string& Status)>;
  explicit TFoundPalettes(ReportFn Report);
  // One plug-in file found by the search.
  void Add(const std::string& FileName, const std::string& Path);

  std::vector<TPalletData> List;

 private:
  TPaletteFolders folders_;
  ReportFn report_;
};

} // namespace hb
