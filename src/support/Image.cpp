#include "support/Image.h"

#include <QMouseEvent>
#include <QPainter>

namespace hb {

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

QImage& TImage::Canvas() {
  if (picture_.isNull()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  return picture_;
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  emit MouseDown(event->button(), event->buttons(), event->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(event->buttons(), event->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseUp(event->button(), event->buttons(), event->position().toPoint());
}

} // namespace hb
