#include "collections/PalletFile.h"

#include <filesystem>
#include <system_error>

#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "support/StringCut.h"

namespace hb {

std::int32_t PalletValue(const std::string& Text) { return ParseIniInteger(Text).value_or(0); }

std::vector<TItemData> ReadPalletFile(const std::string& Path,
                                      std::function<void(const std::string& SectionName)> OnSection) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(Path, error);
  if (!error && size > kMaxPalletFileBytes) return {};

  const IniFile file(Path);
  // Every section is a colour, however many there are.
  const std::vector<std::string> sections = file.ReadSections();
  std::vector<TItemData> items(sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const std::string& name = sections[i];
    if (OnSection) OnSection(name);
    TItemData& item = items[i];
    item.Name = name;
    item.R = PalletValue(file.ReadString(name, "R", ""));
    item.G = PalletValue(file.ReadString(name, "G", ""));
    item.B = PalletValue(file.ReadString(name, "B", ""));
  }
  return items;
}

std::string PalletNameOf(const std::string& FileName) {
  return StringCut(FileName, ".", cpBefore, false);
}

} // namespace hb
