#include "support/GroupBox.h"

#include <QPaintEvent>
#include <QPainter>

#include "support/Outline.h"

namespace hb {

TGroupBox::TGroupBox(QWidget* parent, const QString& caption) : QWidget(parent), caption_(caption) {}

void TGroupBox::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TGroupBox::paintEvent(QPaintEvent* event) {
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  const QRect frame(0, lineY, width() - 1, height() - lineY - 1);
  // A control inside that changes repaints only its own area here: when that
  // touches neither the frame's lines nor the caption's band, nothing would
  // show, and the caption is not even measured.
  const QRect inside = frame.adjusted(2, 2, -2, -2);
  const QRect captionBand(0, 0, width(), metrics.height());
  const QRegion& region = event->region();
  if ((caption_.isEmpty() || !region.intersects(captionBand)) && (region - QRegion(inside)).isEmpty()) return;
  QPainter painter(this);
  // Etched: a shadow line with a light line inside and below it, filled
  // rather than stroked (a quarter of the main window's drawing, stroked).
  FillOutline(painter, frame, palette().color(QPalette::Mid));
  FillOutline(painter, frame.adjusted(1, 1, 1, 1), palette().color(QPalette::Light));
  if (caption_.isEmpty()) return;
  const QRect textRect(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
  if (!region.intersects(textRect)) return;
  painter.fillRect(textRect, palette().window());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(textRect, Qt::AlignCenter, caption_);
}

QRect TGroupBox::ClientRect() const {
  // Below the caption's text height, inside a two-pixel frame.
  const int captionHeight = 12;
  return QRect(2, captionHeight + 2, width() - 4, height() - captionHeight - 4);
}

} // namespace hb
