#include "collections/NearestName.h"

#include <QColor>

#include "support/PictureButton.h"
#include "support/StatusBar.h"

namespace hb {

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
