#include "support/Caption.h"

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

} // namespace hb
