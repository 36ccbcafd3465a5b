#include "chart/SchemeRow.h"

#include <QAbstractButton>
#include <algorithm>

#include "support/Controls.h"
#include "support/PictureButton.h"

namespace hb {

TSchemeRow::TSchemeRow(QObject* parent, const Controls& controls, SwatchFactory factory, SwatchColorer colorer)
    : QObject(parent), controls_(controls), factory_(std::move(factory)), colorer_(std::move(colorer)) {}

void TSchemeRow::Update() {
  ++rebuilds_;
  try {
    for (QPointer<TPictureButton>& swatch : retired_) delete swatch.data();
    retired_.clear();
    Clear();
    const THSVColor hsv = TrackBarHSV();
    for (int offset : SchemeOffsets(ChosenScheme())) {
      const TRGBBytes c = SchemeColorAt(hsv, offset);
      AddColor(QColor(c.R, c.G, c.B));
    }
    Build();
  } catch (...) {
    // The row stays as far as it got until the next rebuild.
  }
}

void TSchemeRow::Recolor() {
  const std::span<const int> offsets = SchemeOffsets(ChosenScheme());
  const bool sameRow = !SchemeSwatches.empty() && offsets.size() == SchemeSwatches.size() &&
                       SchemeColors.size() == SchemeSwatches.size() &&
                       std::all_of(SchemeSwatches.begin(), SchemeSwatches.end(),
                                   [](const QPointer<TPictureButton>& swatch) { return !swatch.isNull(); });
  if (!sameRow) return Update();
  ++rebuilds_;
  try {
    const THSVColor hsv = TrackBarHSV();
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      const TRGBBytes c = SchemeColorAt(hsv, offsets[i]);
      SchemeColors[i] = QColor(c.R, c.G, c.B);
      colorer_(SchemeSwatches[i], SchemeColors[i]);
    }
  } catch (...) {
    // As Update: the row stays as far as it got.
  }
}

void TSchemeRow::Clear() {
  for (QPointer<TPictureButton>& swatch : SchemeSwatches) {
    if (!swatch) continue;
    swatch->hide();
    swatch->disconnect();
    swatch->setEnabled(false);
    retired_.push_back(swatch);
  }
  SchemeSwatches.clear();
  SchemeColors.clear();
}

void TSchemeRow::AddColor(const QColor& color) { SchemeColors.push_back(color); }

void TSchemeRow::Build() {
  const int n = int(SchemeColors.size());
  SchemeSwatches.reserve(SchemeColors.size());
  try {
    for (int i = 0; i < n; ++i) {
      TPictureButton* swatch = factory_(controls_.view->parentWidget(), SchemeColors[std::size_t(i)]);
      SchemeSwatches.emplace_back(swatch);
      swatch->setGeometry(SchemeSwatchRect(controls_.view->geometry(), i, n));
      // Over the big swatch, not under it.
      swatch->raise();
    }
  } catch (...) {
    // The swatches built so far stay.
  }
}

THueScheme TSchemeRow::ChosenScheme() const {
  for (std::size_t i = 0; i < controls_.options.size(); ++i)
    if (controls_.options[i]->isChecked()) return THueScheme(i);
  return THueScheme::None;
}

THSVColor TSchemeRow::TrackBarHSV() const {
  return {HueFromPosition(controls_.hue->Position()), SaturationFromPosition(controls_.saturation->Position()),
          ValueFromPosition(controls_.value->Position())};
}

} // namespace hb
