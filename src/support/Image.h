#pragma once

#include <QImage>
#include <QWidget>

namespace hb {

// An image control: shows its picture at natural size from the top-left
// corner and reports mouse presses, moves and releases of any button.
class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent);
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  // The drawing surface, created at the control's size when there is none.
  QImage& Canvas();
  // Call after drawing on Canvas() so that the control shows it.
  void Changed() { update(); }

 signals:
  void MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos);
  void MouseMove(Qt::MouseButtons buttons, QPoint pos);
  void MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

} // namespace hb
