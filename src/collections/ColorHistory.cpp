#include "collections/ColorHistory.h"

#include <QColor>

#include "collections/SwatchGrid.h"
#include "platform/Screen.h"
#include "color/QtColor.h"
#include "color/Swatches.h"
#include "support/ProcessPending.h"
#include "support/Controls.h"
#include "support/PictureButton.h"

namespace hb {

TColorHistory::TColorHistory(QObject* owner, QWidget* panel, TTimer* timer, const TSwatches& swatches,
                             ColorSource currentColor)
    : QObject(owner), panel_(panel), timer_(timer), swatches_(swatches), currentColor_(std::move(currentColor)) {}

void TColorHistory::Tick() {
  timer_->SetEnabled(false);
  // Held anywhere on the screen, not only over this window: a drag (slider,
  // chart, eyedropper) records only the colour it ends on.
  if (!TheScreen().LeftButtonDown()) Record();
  // The next tick comes a full interval after this one has finished.
  timer_->SetEnabled(true);
}

void TColorHistory::Record() {
  try {
    const std::uint32_t current = ValueOf(currentColor_());
    switch (ring_.Record(current)) {
      case THistoryRing::Change::None:
        return;
      case THistoryRing::Change::Appended: {
        TPictureButton* swatch = swatches_.Create(panel_, QColorOfValue(current));
        TGridCell previous{};
        if (!buttons_.empty()) previous = {buttons_.back()->x(), buttons_.back()->y()};
        const TGridCell cell = NextGridCell(buttons_.empty() ? nullptr : &previous, panel_->width());
        swatch->move(cell.Left, cell.Top);
        buttons_.push_back(swatch);
        swatch->show();
        return;
      }
      case THistoryRing::Change::Shifted: {
        // The swatches stay; each takes the colour of the one after it.
        const auto& colors = ring_.Colors();
        for (std::size_t i = 0; i < buttons_.size() && i < colors.size(); ++i) {
          swatches_.Recolor(buttons_[i], QColorOfValue(colors[i]));
        }
        return;
      }
    }
  } catch (const std::exception&) {
    // A colour that could not be recorded is simply not in the history: the
    // ring goes back to what the swatches show.
    ring_.Clear();
    for (const TPictureButton* b : buttons_) ring_.Record(ValueOf(b->Color()));
  }
}

void TColorHistory::Clear() {
  std::vector<TPictureButton*> old;
  old.swap(buttons_);
  ring_.Clear();
  for (TPictureButton* b : old) {
    ProcessPending();
    delete b;
  }
}

} // namespace hb
