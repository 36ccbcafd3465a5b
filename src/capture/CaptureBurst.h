#pragma once
// The eyedropper's sampling bursts: the sampler ticks every millisecond until
// the stop timer, switched on with the burst, ends it 100 ms later and puts
// the sampler back to its idle pace of 30 ms. Each move with the left button
// held renews the burst without restarting a running stop timer, so a drag
// samples in windows of 100 ms and sampling stops soon after the mouse rests.
// The eyedropper button and the HSV chart both drive it. While a burst runs,
// the window paints once per display frame (TFrameThrottle), and once more
// at its end, and the thread wakes from its sleeps on time (punctual wake-ups).

#include <QObject>
#include <functional>

class QWidget;

namespace hb {

class TFrameThrottle;
class TTimer;

// Owned by the window through Qt's parent; no signals of its own.
class TCaptureBurst : public QObject {
 public:
  // The timers stay the window's; the burst only switches them. Repaints
  // during a burst are paced at framePeriodMs.
  TCaptureBurst(QObject* parent, TTimer& sampler, TTimer& stop, int framePeriodMs);

  // The window whose painting waits for the frames during a burst.
  void PaceRepaintsOf(QWidget* window);

  // Starts a burst, or renews the one running.
  void Start();
  // A mouse move: renews the burst when the left button is held.
  void Move(Qt::MouseButtons buttons);
  // The stop timer's tick.
  void End();

  // Work that only shows the current colour: at once outside a burst, at the
  // next frame inside one.
  void AtFrame(std::function<void()> work);

  TFrameThrottle& Frames() { return *frames_; }

  static constexpr int kBurstInterval = 1;
  static constexpr int kIdleInterval = 30;

 private:
  TTimer& sampler_;
  TTimer& stop_;
  TFrameThrottle* frames_;
};

} // namespace hb
