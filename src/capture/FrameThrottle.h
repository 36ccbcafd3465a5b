#pragma once
// Paints a window at most once per display frame while a sampling burst
// runs. A burst samples every millisecond, and each sample still sets every
// colour control at once, so whatever reads the current colour sees the
// newest sample; only the painting of what changed, which costs many times
// more than setting the values, waits for the next frame. Work that only
// shows the colour (the hue-scheme row) waits for the same frame. When the
// burst ends, what waits is done and painted at once, so the picture left on
// screen is the last sample's.

#include <QObject>
#include <QPointer>
#include <functional>

#include "support/Timer.h"

class QWidget;

namespace hb {

class TFrameThrottle : public QObject {
 public:
  TFrameThrottle(QObject* parent, int framePeriodMs);

  // The window whose painting waits for the frames.
  void SetWindow(QWidget* window);

  // The burst starts (or goes on): the window's controls keep taking their
  // values, but the window paints only at the frames. Holding twice is
  // holding once.
  void Hold();
  // The burst ends: what waits is done and painted now, and the window
  // paints as it pleases again.
  void Release();
  bool Holding() const { return holding_; }

  // Runs work at once when nothing is held; otherwise at the next frame, or
  // at the release. A later request before then replaces the earlier one:
  // both would show the same, newer colour.
  void AtFrame(std::function<void()> work);

  // One display frame (the frame timer's tick): the work that waits, then one
  // painting of whatever changed since the last frame.
  void Frame();

  // Paces the frames while a burst holds the window.
  TTimer& FrameTimer() { return frameTimer_; }
  // How many times the held window was painted at a frame.
  int Paints() const { return paints_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  TTimer frameTimer_;
  std::function<void()> work_;
  bool holding_ = false;
  // The window asked to be painted while held.
  bool paintDue_ = false;
  // The frame's own request, let through.
  bool passing_ = false;
  int paints_ = 0;
};

} // namespace hb
