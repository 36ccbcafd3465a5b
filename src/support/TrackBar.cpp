#include "support/TrackBar.h"

#include <QWheelEvent>

namespace hb {

TTrackBar::TTrackBar(QWidget* parent, int min, int max, int pageStep)
    : QSlider(Qt::Horizontal, parent) {
  setRange(min, max);
  setPageStep(pageStep);
  setSingleStep(1);
  setTickPosition(QSlider::TicksBelow);
  setTickInterval(1);
  // The slider announces each action before it moves; a drag arrives as
  // SliderMove with the handle held, a wheel notch as SliderMove without.
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
    const bool step = action == SliderSingleStepAdd || action == SliderSingleStepSub ||
                      action == SliderPageStepAdd || action == SliderPageStepSub ||
                      (action == SliderMove && inWheel_ && !isSliderDown());
    pendingStep_.reset();
    if (step) pendingStep_ = std::pair(value(), sliderPosition());
  });
  connect(this, &QSlider::valueChanged, this, [this](int position) {
    // A step that could not move (at the end of the range) leaves a pending
    // target equal to the position, which no later change can match.
    std::optional<int> from;
    if (pendingStep_ && pendingStep_->second == position) from = pendingStep_->first;
    pendingStep_.reset();
    stepFrom_ = from;
    if (OnChange) OnChange(this);
    stepFrom_.reset();
  });
}

void TTrackBar::wheelEvent(QWheelEvent* event) {
  inWheel_ = true;
  QSlider::wheelEvent(event);
  inWheel_ = false;
}

} // namespace hb
