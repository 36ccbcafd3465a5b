#include "support/StatusBar.h"

#include <QPaintEvent>
#include <QPainter>

namespace hb {

TStatusBar::TStatusBar(QWidget* parent, std::vector<int> panelWidths)
    : QWidget(parent), widths_(std::move(panelWidths)), texts_(widths_.size()),
      fontColor_(Qt::black) {}

void TStatusBar::SetPanelText(int index, const QString& text) {
  if (texts_.at(index) == text) return;
  texts_.at(index) = text;
  update(PanelRect(index));
}

QRect TStatusBar::PanelRect(int index) const {
  int left = 0;
  for (int i = 0; i < index; ++i) left += widths_.at(i) + 2;
  return QRect(left, 2, widths_.at(index), height() - 2);
}

void TStatusBar::SetFontColor(const QColor& color) {
  if (fontColor_ == color) return;
  fontColor_ = color;
  update();
}

void TStatusBar::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QColor shadow = palette().color(QPalette::Mid);
  const QColor light = palette().color(QPalette::Light);
  painter.setFont(font());
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    const QRect r = PanelRect(static_cast<int>(i));
    // A new text repaints only its panel; the others would be clipped away
    // after laying out their texts for nothing.
    if (!event->region().intersects(r)) continue;
    // A sunken panel: shadow on top and left, light on bottom and right.
    painter.setPen(shadow);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(light);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(fontColor_);
    painter.drawText(r.adjusted(3, 1, -2, -1), Qt::AlignLeft | Qt::AlignVCenter, texts_[i]);
  }
}

} // namespace hb
