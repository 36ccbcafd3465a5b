#pragma once
// The program's version information: the twelve version keys in string blocks
// named by a translation (language and code page), and the look-up that the
// version dialog uses.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hb {

// The look-up found no translation table.
class VersionInfoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A version resource: its translation table (language in the low 16 bits,
// code page in the high 16 bits) and its values by query path, such as
// "\StringFileInfo\041103A4\ProductName".
struct TVersionResource {
  std::vector<std::uint32_t> Translations;
  std::vector<std::pair<std::string, std::string>> Values;

  // The value at a query path; "\VarFileInfo\Translation" gives the table's
  // bytes. Nothing when the path names no value.
  std::optional<std::string> Query(std::string_view path) const;
};

// The twelve keys in index order: Comments, CompanyName, ..., SpecialBuild.
inline constexpr std::string_view kVersionKeys[12] = {
    "Comments",        "CompanyName",      "FileDescription", "FileVersion",
    "InternalName",    "LegalCopyright",   "LegalTrademarks", "OriginalFilename",
    "PrivateBuild",    "ProductName",      "ProductVersion",  "SpecialBuild"};

// One value of the resource (key index 0 to 11) in its first translation.
// Empty when there is no resource (nullptr), when the value is missing or the
// index names no key. Throws VersionInfoError "情報の取得に失敗しました" when
// the resource has no translation table.
std::string GetVersionString(const TVersionResource* resource, int index);

// The version information compiled into this program.
const TVersionResource& ProgramVersionResource();

} // namespace hb

// The program's own version value for a key index (see hb::GetVersionString).
std::string GetVersionString(int Index);
