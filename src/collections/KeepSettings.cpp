#include "collections/KeepSettings.h"

#include <algorithm>

#include "collections/KeepColorText.h"
#include "settings/IniFile.h"
#include "text/CharText.h"

namespace hb {

namespace {

constexpr std::string_view kSection = "Keep";
constexpr std::string_view kCount = "Count";

template <class Profile>
std::vector<std::string> ReadTexts(const Profile& profile) {
  const int count = KeepCountToRead(profile.ReadInteger(kSection, kCount, 0));
  std::vector<std::string> texts;
  texts.reserve(std::size_t(count));
  // Characters after the sixth are never read: keep a long value's memory out of the list.
  for (int i = 0; i < count; ++i)
    texts.push_back(CharLeft(profile.ReadString(kSection, std::to_string(i), ""), 6));
  return texts;
}

} // namespace

int KeepCountToRead(std::int32_t stored) { return std::clamp<std::int32_t>(stored, 0, kKeepCountLimit); }

std::vector<std::string> ReadKeepTexts(const TIniFile& file) { return ReadTexts(file); }
std::vector<std::string> ReadKeepTexts(const TIniDocument& document) { return ReadTexts(document); }

std::vector<std::uint32_t> KeepColorsFromTexts(const std::vector<std::string>& texts) {
  std::vector<std::uint32_t> colors;
  colors.reserve(texts.size());
  for (const std::string& text : texts)
    if (const auto color = KeepColorFromText(text)) colors.push_back(*color);
  return colors;
}

void WriteKeepList(TIniFile& file, const std::vector<std::uint32_t>& colors) {
  TIniFile::Batch batch(file);
  file.WriteInteger(kSection, kCount, std::int32_t(colors.size()));
  for (std::size_t i = 0; i < colors.size(); ++i)
    file.WriteString(kSection, std::to_string(i), KeepColorText(colors[i]));
  batch.Commit();
}

} // namespace hb
