#include "support/Caption.h"

#include <QFontMetrics>
#include <QLabel>

namespace hb {

QLabel* MakeCaption(QWidget* parent, const QString& text, const QColor& color, int left, int top, bool bold) {
  auto* label = new QLabel(text, parent);
  if (bold) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, color);
  label->setPalette(p);
  label->adjustSize();
  label->move(left, top);
  return label;
}

QFont FontOfLineHeight(QFont font, int lineHeight) {
  // A family's line is taller than its pixel size by a share of its own, so
  // the size is found by measuring rather than worked out.
  int best = 1;
  for (int size = 1; size <= lineHeight; ++size) {
    font.setPixelSize(size);
    const int height = QFontMetrics(font).height();
    if (height == lineHeight) return font;
    if (height < lineHeight) best = size;
  }
  font.setPixelSize(best);
  return font;
}

} // namespace hb
