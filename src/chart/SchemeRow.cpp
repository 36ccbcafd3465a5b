#include "chart/SchemeRow.h"

#include <QAbstractButton>
#include <algorithm>

#include "color/QtColor.h"
#include "color/Swatches.h"
#include "support/PictureButton.h"

namespace hb {

TSchemeRow::TSchemeRow(QObject* parent, const Controls& controls, const TSwatches& swatches)
    : QObject(parent), controls_(controls), swatches_(swatches) {}

void TSchemeRow::Update(THSVColor hsv) {
  ++rebuilds_;
  try {
    for (QPointer<TPictureButton>& swatch : retired_) delete swatch.data();
    retired_.clear();
    Clear();
    for (int offset : SchemeOffsets(ChosenScheme())) {
      AddColor(QColorOf(SchemeColorAt(hsv, offset)));
    }
    Build();
  } catch (const std::exception&) {
    // The row stays as far as it got until the next rebuild.
  }
}

void TSchemeRow::Recolor(THSVColor hsv) {
  const std::span<const int> offsets = SchemeOffsets(ChosenScheme());
  const bool sameRow = !SchemeSwatches.empty() && offsets.size() == SchemeSwatches.size() &&
                       SchemeColors.size() == SchemeSwatches.size() &&
                       std::all_of(SchemeSwatches.begin(), SchemeSwatches.end(),
                                   [](const QPointer<TPictureButton>& swatch) { return !swatch.isNull(); });
  if (!sameRow) return Update(hsv);
  ++rebuilds_;
  try {
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      SchemeColors[i] = QColorOf(SchemeColorAt(hsv, offsets[i]));
      swatches_.Recolor(SchemeSwatches[i], SchemeColors[i]);
    }
  } catch (const std::exception&) {
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
      TPictureButton* swatch = swatches_.Create(controls_.view->parentWidget(), SchemeColors[std::size_t(i)]);
      SchemeSwatches.emplace_back(swatch);
      swatch->setGeometry(SchemeSwatchRect(controls_.view->geometry(), i, n));
      // Over the big swatch, not under it.
      swatch->raise();
    }
  } catch (const std::exception&) {
    // The swatches built so far stay.
  }
}

THueScheme TSchemeRow::ChosenScheme() const {
  for (std::size_t i = 0; i < controls_.options.size(); ++i)
    if (controls_.options[i]->isChecked()) return THueScheme(i);
  return THueScheme::None;
}

} // namespace hb
