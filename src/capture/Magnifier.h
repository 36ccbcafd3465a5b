#pragma once
// The magnifier beside the cursor while picking: the square of pixels the
// sampler read, enlarged pixel for pixel with a grid between them, the area
// that makes the colour framed at the centre, and the colour's hex code
// under it. A frameless window above the others that takes no input and
// never lies over the square it shows, so it is never itself sampled. While
// it follows a burst it moves and repaints at most once per display frame.

#include <QImage>
#include <QWidget>

#include "values/PixelSquare.h"

namespace hb {

class TFrameThrottle;

class TMagnifier : public QWidget {
 public:
  explicit TMagnifier(int framePeriodMs);

  // What to show for the cursor at a point of the screen (device pixels):
  // the square read there, the area framed, the colour it gives.
  void ShowSquare(QPoint cursor, const TPixelSquare& square, int area, std::uint32_t color);
  // Hides it; a frame still waiting is dropped.
  void HideNow();

  // Where it stands on the screen and what it shows (tests).
  QRect DeviceRect() const { return device_; }
  std::uint32_t Color() const { return color_; }
  int Area() const { return area_; }
  int Paints() const { return paints_; }

  static constexpr int kZoom = 8;
  static constexpr int kTextHeight = 18;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Apply();

  TFrameThrottle* frames_;
  TPixelSquare square_;  // the newest sample's
  QImage picture_;       // the square shown, one image pixel per screen pixel
  std::uint32_t color_ = 0;
  int area_ = 1;
  QPoint cursor_;
  QRect device_;
  bool showing_ = false;
  int paints_ = 0;
};

} // namespace hb
