#include "capture/FrameThrottle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace hb {

TFrameThrottle::TFrameThrottle(QObject* parent, int framePeriodMs)
    : QObject(parent), frameTimer_(this, framePeriodMs) {
  frameTimer_.SetOnTimer([this](QObject*) { Frame(); });
}

void TFrameThrottle::SetWindow(QWidget* window) {
  if (window_) window_->removeEventFilter(this);
  window_ = window;
  if (window_) window_->installEventFilter(this);
}

void TFrameThrottle::Hold() {
  if (holding_) return;
  holding_ = true;
  frameTimer_.SetEnabled(true);
}

void TFrameThrottle::Release() {
  if (!holding_) return;
  frameTimer_.SetEnabled(false);
  holding_ = false;
  // The frame that would have come: the last sample is what stays on screen.
  Frame();
}

void TFrameThrottle::AtFrame(std::function<void()> work) {
  if (!holding_) return work();
  work_ = std::move(work);
}

void TFrameThrottle::Frame() {
  // Taken out first: the work may ask for itself again.
  if (std::function<void()> work = std::exchange(work_, nullptr)) work();
  if (!paintDue_ || !window_) return;
  paintDue_ = false;
  ++paints_;
  // The request held back, now: Qt paints every region marked since, in one pass.
  QEvent request(QEvent::UpdateRequest);
  passing_ = true;
  QCoreApplication::sendEvent(window_, &request);
  passing_ = false;
}

bool TFrameThrottle::eventFilter(QObject* watched, QEvent* event) {
  // Qt gathers a window's repaints into one posted request; while held, the
  // request waits for the frame and the marked regions keep gathering.
  if (holding_ && !passing_ && watched == window_ && event->type() == QEvent::UpdateRequest) {
    paintDue_ = true;
    return true;
  }
  return QObject::eventFilter(watched, event);
}

} // namespace hb
