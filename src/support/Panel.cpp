#include "support/Panel.h"

namespace hb {

TPanel::TPanel(QWidget* parent, const QColor& color) : QWidget(parent) {
  if (color.isValid()) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
  }
}

} // namespace hb
