#include "support/Caption.h"

#include <algorithm>

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
  // the size is found by measuring rather than worked out. Lines grow with
  // the size: the smallest size whose line reaches lineHeight is found by
  // halving (each measurement loads a font), and taken when its line is
  // exactly that high; otherwise the size below it.
  auto height = [&font](int size) {
    font.setPixelSize(size);
    return QFontMetrics(font).height();
  };
  int low = 1;
  int high = lineHeight + 1;  // no size above lineHeight is needed
  while (low < high) {
    const int middle = (low + high) / 2;
    if (height(middle) < lineHeight)
      low = middle + 1;
    else
      high = middle;
  }
  if (low > lineHeight || height(low) != lineHeight) low = std::max(1, low - 1);
  font.setPixelSize(low);
  return font;
}

} // namespace hb
