#include "chart/HSVColorChart.h"

#include <QImage>
#include <algorithm>

#include "color/ColorConvert.h"
#include "support/Controls.h"

void THSVColorChart::DrawChart(hb::TImage* Image) {
  DrawChart(Image->Canvas(), Image->height());
  Image->Changed();
}

void THSVColorChart::DrawChart(QImage& image, int height) {
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
    image = image.convertToFormat(QImage::Format_RGB32);
  const int n = (height - 1) / 3;  // truncates toward zero
  const int columns = std::min(361, image.width());
  const int rows = image.height();
  // Each 1 x 3 strip gets one colour, written straight into the bitmap: the
  // same pixels as drawing the strips one rectangle at a time, in a fraction
  // of the time.
  for (int b = 0; b <= n; ++b) {
    const int top = 3 * b;
    if (top >= rows) break;
    const int bottom = std::min(top + 3, rows);
    const double s = b == 0 ? 0.0 : static_cast<double>(static_cast<long double>(b) / n);
    // The strip's rows, looked up once: each scanLine() call checks whether
    // the image must be detached.
    QRgb* strip[3] = {};
    for (int y = top; y < bottom; ++y) strip[y - top] = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < columns; ++x) {
      const hb::TRGBBytes c = hb::TColorConvert::HSVToRGB(x, s, 1.0);
      const QRgb pixel = qRgb(c.R, c.G, c.B);
      for (int y = top; y < bottom; ++y) strip[y - top][x] = pixel;
    }
  }
}
