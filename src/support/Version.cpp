#include "support/Version.h"

#include <cstdio>
#include "text/Translate.h"

namespace hb {

std::optional<std::string> TVersionResource::Query(std::string_view path) const {
  if (path == "\\VarFileInfo\\Translation") {
    if (Translations.empty()) return std::nullopt;
    std::string bytes;
    for (std::uint32_t t : Translations)
      for (int shift = 0; shift < 32; shift += 8) bytes.push_back(char((t >> shift) & 0xFF));
    return bytes;
  }
  for (const auto& [key, value] : Values)
    if (key == path) return value;
  return std::nullopt;
}

std::string GetVersionString(const TVersionResource* resource, int index) {
  if (!resource) return {};
  const std::optional<std::string> table = resource->Query("\\VarFileInfo\\Translation");
  if (!table || table->size() < 4) throw VersionInfoError(Tr("Version", "情報の取得に失敗しました"));
  std::uint32_t first = 0;
  for (int i = 3; i >= 0; --i) first = first << 8 | static_cast<unsigned char>((*table)[std::size_t(i)]);
  if (index < 0 || index >= int(std::size(kVersionKeys))) return {};
  char block[9];
  std::snprintf(block, sizeof block, "%04X%04X", unsigned(first & 0xFFFF), unsigned(first >> 16));
  const std::string path = "\\StringFileInfo\\" + std::string(block) + "\\" + std::string(kVersionKeys[index]);
  const std::optional<std::string> value = resource->Query(path);
  if (!value || value->empty()) return {};
  // The stored text ends at its first zero byte.
  return value->substr(0, value->find('\0'));
}

const TVersionResource& ProgramVersionResource() {
  // Japanese (0x0411), code page 932 (0x03A4): block 041103A4.
  static const TVersionResource resource{
      {0x03A40411u},
      {
          {"\\StringFileInfo\\041103A4\\Comments", ""},
          {"\\StringFileInfo\\041103A4\\CompanyName", "Huebrook Project"},
          {"\\StringFileInfo\\041103A4\\FileDescription", ""},
          {"\\StringFileInfo\\041103A4\\FileVersion", HB_FILE_VERSION},
          {"\\StringFileInfo\\041103A4\\InternalName", ""},
          {"\\StringFileInfo\\041103A4\\LegalCopyright", "Huebrook Project"},
          {"\\StringFileInfo\\041103A4\\LegalTrademarks", ""},
          {"\\StringFileInfo\\041103A4\\OriginalFilename", ""},
          {"\\StringFileInfo\\041103A4\\PrivateBuild", ""},
          {"\\StringFileInfo\\041103A4\\ProductName", "Huebrook"},
          {"\\StringFileInfo\\041103A4\\ProductVersion", HB_PRODUCT_VERSION},
          {"\\StringFileInfo\\041103A4\\SpecialBuild", ""},
      }};
  return resource;
}

} // namespace hb

std::string GetVersionString(int Index) { return hb::GetVersionString(&hb::ProgramVersionResource(), Index); }
