#pragma once
// The hue x saturation chart at full value: hue x degrees in column x (0 to
// 360), saturation b / N in band b of three rows (N = (height - 1) div 3),
// white at the top and fully saturated in the last band.

class QImage;

namespace hb {
class TImage;
}

class THSVColorChart {
 public:
  // Paints the chart into the image control's picture, creating a picture of
  // the control's size when it has none.
  static void DrawChart(hb::TImage* Image);

  // The same pixels into any RGB32 image: the 361 columns and the bands of an
  // image of the given height, clipped to the image.
  static void DrawChart(QImage& image, int height);
};
