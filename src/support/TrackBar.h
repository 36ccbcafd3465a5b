#pragma once

#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <optional>
#include <utility>

#include "support/NotifyEvent.h"

namespace hb {

// A horizontal track bar with ticks below at every position.
class TTrackBar : public QSlider {
  Q_OBJECT
 public:
  TTrackBar(QWidget* parent, int min, int max, int pageStep);
  int Position() const { return value(); }
  void SetPosition(int position) { setValue(position); }
  // Moves the bar without OnChange: the program shows a value, nobody changed it.
  void ShowPosition(int position) {
    const QSignalBlocker quiet(this);
    setValue(position);
  }
  TNotifyEvent OnChange;

  // While OnChange runs for a single step (an arrow or page key, a wheel
  // notch, a click in the groove): the position the step started from.
  // Nothing for drags and for positions set by the program.
  std::optional<int> StepFrom() const { return stepFrom_; }

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The ticks, drawn by the style once for the look they depend on.
  struct TickLook {
    QSize size;
    qreal pixelRatio = 0;
    int minimum = 0, maximum = 0, tickInterval = 0, singleStep = 0, pageStep = 0;
    int tickPosition = 0, orientation = 0, direction = 0;
    bool upsideDown = false;
    QRgb window = 0;
    bool operator==(const TickLook&) const = default;
  };
  TickLook tickLook_;
  QPixmap ticks_;

  std::optional<std::pair<int, int>> pendingStep_;  // from, to
  std::optional<int> stepFrom_;
  bool inWheel_ = false;
};

} // namespace hb
