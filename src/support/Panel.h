#pragma once

#include <QColor>
#include <QWidget>

namespace hb {

// A plain panel of one colour.
class TPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent, const QColor& color = QColor());
};

} // namespace hb
