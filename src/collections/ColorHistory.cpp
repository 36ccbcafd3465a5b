#include "collections/ColorHistory.h"

#include <QColor>

#include "collections/SwatchGrid.h"
#include "platform/Screen.h"
#include "color/ColorValue.h"
#include "support/ProcessPending.h"
#include "support/Controls.h"
#include "support/PictureButton.h"

namespace hb {

namespace {

std::uint32_t ColorValue(const QColor& c) { return hb::ColorValue(c.red(), c.green(), c.blue()); }

QColor FromValue(std::uint32_t v) { return QColor(RedOf(v), GreenOf(v), BlueOf(v)); }

} // namespace

ColorHistory::ColorHistory(QObject* owner, QWidget* pnlHistory, TTimer* timHistory, SwatchFactory createSwatch,
                           HintSetter setHint, ColorSource currentColor)
    : QObject(owner),
      panel_(pnlHistory),
      timer_(timHistory),
      createSwatch_(std::move(createSwatch)),
      setHint_(std::move(setHint)),
      currentColor_(std::move(currentColor)) {}

void ColorHistory::timHistoryTimer() {
  timer_->SetEnabled(false);
  // Held anywhere on the screen, not only over this window: a drag (slider,
  // chart, eyedropper) records only the colour it ends on.
  if (!TheScreen().LeftButtonDown()) RecordHistory();
  // The next tick comes a full interval after this one has finished.
  timer_->SetEnabled(true);
}

void ColorHistory::RecordHistory() {
  try {
    const std::uint32_t current = ColorValue(currentColor_());
    switch (ring_.Record(current)) {
      case HistoryRing::Change::None:
        return;
      case HistoryRing::Change::Appended: {
        TPictureButton* swatch = createSwatch_(panel_, FromValue(current));
        TGridCell previous{};
        if (!buttons_.empty()) previous = {buttons_.back()->x(), buttons_.back()->y()};
        const TGridCell cell = NextGridCell(buttons_.empty() ? nullptr : &previous, panel_->width());
        swatch->move(cell.Left, cell.Top);
        buttons_.push_back(swatch);
        swatch->show();
        return;
      }
      case HistoryRing::Change::Shifted: {
        // The swatches stay; each takes the colour of the one after it.
        const auto& colors = ring_.Colors();
        for (std::size_t i = 0; i < buttons_.size() && i < colors.size(); ++i) {
          const QColor c = FromValue(colors[i]);
          buttons_[i]->SetColor(c);
          buttons_[i]->SetInColor(c);
          setHint_(buttons_[i]);
        }
        return;
      }
    }
  } catch (...) {
    // A colour that could not be recorded is simply not in the history: the
    // ring goes back to what the swatches show.
    ring_.Clear();
    for (const TPictureButton* b : buttons_) ring_.Record(ColorValue(b->Color()));
  }
}

void ColorHistory::Clear() {
  std::vector<TPictureButton*> old;
  old.swap(buttons_);
  ring_.Clear();
  for (TPictureButton* b : old) {
    ProcessPending();
    delete b;
  }
}

} // namespace hb
