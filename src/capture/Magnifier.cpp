#include "capture/Magnifier.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "capture/FrameThrottle.h"
#include "capture/PickArea.h"
#include "color/ColorConvert.h"
#include "values/ColorValue.h"

namespace hb {
namespace {

// The screen the cursor is on, in device pixels (Qt keeps a screen's corner
// in device pixels and scales its size).
QRect DeviceScreenAt(QPoint device, qreal& ratio) {
  ratio = 1.0;
  QRect found;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect g = s->geometry();
    const QRect d(g.topLeft(), QSize(qRound(g.width() * s->devicePixelRatio()),
                                     qRound(g.height() * s->devicePixelRatio())));
    if (d.contains(device) || found.isNull()) {
      found = d;
      ratio = s->devicePixelRatio();
      if (d.contains(device)) break;
    }
  }
  return found;
}

} // namespace

TMagnifier::TMagnifier(int framePeriodMs)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      frames_(new TFrameThrottle(this, framePeriodMs)) {
  setObjectName(QStringLiteral("Magnifier"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  const int side = kMagnifiedSide * kZoom + 2;
  setFixedSize(side, side + kTextHeight);
}

void TMagnifier::ShowSquare(QPoint cursor, const TPixelSquare& square, int area, std::uint32_t color) {
  // Kept as it came: only the frames turn it into a picture.
  square_.side = square.side;
  square_.pixels.assign(square.pixels.begin(), square.pixels.end());
  cursor_ = cursor;
  area_ = area;
  color_ = color;
  if (!showing_) {
    // The first sample shows at once; the burst's others wait for the frames.
    showing_ = true;
    frames_->Hold();
    Apply();
    return;
  }
  frames_->AtFrame([this] { Apply(); });
}

void TMagnifier::HideNow() {
  if (!showing_) return;
  showing_ = false;
  frames_->Release();
  hide();
}

void TMagnifier::Apply() {
  if (!showing_) return;
  const int n = square_.side;
  if (picture_.size() != QSize(n, n)) picture_ = QImage(n, n, QImage::Format_RGB32);
  for (int y = 0; y < n; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture_.scanLine(y));
    for (int x = 0; x < n; ++x) {
      const std::uint32_t c = square_.At(x, y);
      // Off the screen: a dark grey, told apart by the grid around it.
      row[x] = c == kNoPixel ? qRgb(64, 64, 64) : qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    }
  }
  qreal ratio = 1.0;
  const QRect screen = DeviceScreenAt(cursor_, ratio);
  const QSize deviceSize(qRound(width() * ratio), qRound(height() * ratio));
  device_ = MagnifierPlace(cursor_, deviceSize, screen, kMagnifiedSide);
  // Qt places windows by logical position; the screen's corner is in device pixels.
  const QPoint logical = screen.topLeft() + (device_.topLeft() - screen.topLeft()) / ratio;
  if (pos() != logical) move(logical);
  if (!isVisible()) show();
  update();
}

void TMagnifier::paintEvent(QPaintEvent*) {
  ++paints_;
  QPainter p(this);
  const int side = kMagnifiedSide * kZoom;
  // Each screen pixel a square of kZoom × kZoom (nearest neighbour), the
  // dark background left between them as the grid: solid fills only, much
  // cheaper than a scaled image and lines blended over it.
  p.fillRect(rect(), QColor(32, 32, 32));
  for (int y = 0; y < picture_.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
    for (int x = 0; x < picture_.width(); ++x)
      p.fillRect(QRect(1 + x * kZoom + 1, 1 + y * kZoom + 1, kZoom - 1, kZoom - 1), QColor(row[x]));
  }
  // The area that makes the colour, framed in black or white, whichever
  // stands out more against it.
  const int r = RedOf(color_), g = GreenOf(color_), b = BlueOf(color_);
  const bool light = r * 299 + g * 587 + b * 114 >= 128000;
  const int first = kMagnifiedSide / 2 - area_ / 2;
  const QRect frame(1 + first * kZoom - 1, 1 + first * kZoom - 1, area_ * kZoom + 1, area_ * kZoom + 1);
  p.setPen(QPen(light ? Qt::black : Qt::white, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  // The code of the colour, on the colour itself.
  const QRect text(0, side + 2, width(), kTextHeight);
  p.fillRect(text, QColor(r, g, b));
  p.setPen(light ? Qt::black : Qt::white);
  const QString code = QStringLiteral("#") + QString::fromStdString(HexColorText(r, g, b));
  const QString label = area_ > 1 ? QStringLiteral("%1  %2×%2").arg(code).arg(area_) : code;
  p.drawText(text, Qt::AlignCenter, label);
}

} // namespace hb
