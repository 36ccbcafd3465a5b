#pragma once

#include <QWidget>

namespace hb {

// A group box: an etched frame with its caption set into the top edge.
// Children are placed relative to its own top-left corner; its client area
// (for aligned children) starts below the caption.
class TGroupBox : public QWidget {
  Q_OBJECT
 public:
  TGroupBox(QWidget* parent, const QString& caption);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // The area left for aligned children: the box without its frame and caption.
  QRect ClientRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

} // namespace hb
