#include "support/TrackBar.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionSlider>
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

void TTrackBar::paintEvent(QPaintEvent*) {
  // A tick at every position is hundreds of lines, which cost several times
  // the rest of the slider; they change only with the range, size or
  // palette, so they are drawn once and copied after. A sampling burst
  // repaints the ten track bars every display frame.
  QStyleOptionSlider option;
  initStyleOption(&option);
  QPainter painter(this);
  if (tickPosition() != NoTicks) {
    const TickLook look{size(),
                        devicePixelRatioF(),
                        minimum(),
                        maximum(),
                        tickInterval(),
                        singleStep(),
                        pageStep(),
                        int(tickPosition()),
                        int(orientation()),
                        int(layoutDirection()),
                        invertedAppearance(),
                        option.palette.color(QPalette::Window).rgba()};
    if (ticks_.isNull() || !(look == tickLook_)) {
      tickLook_ = look;
      // Bars of one look share their ticks: the main window's ten bars have four.
      const QString key = QStringLiteral("hb-ticks-%1x%2@%3:%4-%5/%6/%7/%8:%9%10%11%12:%13")
                              .arg(look.size.width())
                              .arg(look.size.height())
                              .arg(look.pixelRatio)
                              .arg(look.minimum)
                              .arg(look.maximum)
                              .arg(look.tickInterval)
                              .arg(look.singleStep)
                              .arg(look.pageStep)
                              .arg(look.tickPosition)
                              .arg(look.orientation)
                              .arg(look.direction)
                              .arg(int(look.upsideDown))
                              .arg(look.window, 0, 16);
      if (!QPixmapCache::find(key, &ticks_)) {
        ticks_ = QPixmap(size() * look.pixelRatio);
        ticks_.setDevicePixelRatio(look.pixelRatio);
        ticks_.fill(Qt::transparent);
        QPainter ticksPainter(&ticks_);
        QStyleOptionSlider ticksOption = option;
        ticksOption.subControls = QStyle::SC_SliderTickmarks;
        style()->drawComplexControl(QStyle::CC_Slider, &ticksOption, &ticksPainter, this);
        ticksPainter.end();
        QPixmapCache::insert(key, ticks_);
      }
    }
    painter.drawPixmap(0, 0, ticks_);
  }
  option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void TTrackBar::wheelEvent(QWheelEvent* event) {
  inWheel_ = true;
  QSlider::wheelEvent(event);
  inWheel_ = false;
}

} // namespace hb
