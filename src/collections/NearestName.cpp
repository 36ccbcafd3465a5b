#include "collections/NearestName.h"

#include <QColor>

#include "support/PictureButton.h"
#include "support/StatusBar.h"

namespace hb {
namespace {

bool IsOwnHexCode(const std::string& name, TRGBBytes c) {
  std::string_view s = name;
  if (!s.empty() && s.front() == '#') s.remove_prefix(1);
  if (s.size() != 6) return false;
  static const char* const digits = "0123456789abcdef";
  const int values[3] = {c.R, c.G, c.B};
  for (int i = 0; i < 6; ++i) {
    const char want = digits[(values[i / 2] >> (i % 2 ? 0 : 4)) & 0xF];
    const char got = char(s[std::size_t(i)] >= 'A' && s[std::size_t(i)] <= 'Z' ? s[std::size_t(i)] - 'A' + 'a'
                                                                              : s[std::size_t(i)]);
    if (got != want) return false;
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

TNearestName::TNearestName(QObject* parent, const Controls& controls) : QObject(parent), c_(controls) {
  // Worked out when the hint shows: the name found last, on a line of its own.
  c_.view->SetHintExtra([this] { return text_.isEmpty() ? QString() : QLatin1Char('\n') + text_; });
}

void TNearestName::SetPalettes(const std::vector<TPalletData>& palettes) {
  index_ = TNameIndex(NamedColorsOf(palettes));
}

void TNearestName::Show(const QColor& color) {
  const QRgb rgb = color.rgb();
  const TRGBBytes c{std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))};
  const std::optional<TNearestColor> nearest = index_.Nearest(c);
  text_ = nearest ? QString::fromStdString(NearestNameText(index_.At(nearest->Index), c, nearest->DeltaE)) : QString();
  c_.status->SetPanelText(3, text_);
}

} // namespace hb
