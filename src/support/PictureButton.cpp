#include "support/PictureButton.h"

#include <QHelpEvent>
#include <QToolTip>

#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "support/Outline.h"

TPictureButton::TPictureButton(QWidget* parent) : QAbstractButton(parent) {
  const QColor face = palette().color(QPalette::Button);
  color_ = face;
  inColor_ = face;
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover, true);
}

void TPictureButton::SetColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void TPictureButton::SetInColor(const QColor& color) {
  if (color == inColor_) return;
  inColor_ = color;
  if (hovered_) update();
}

void TPictureButton::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TPictureButton::SetPictureLeft(int left) {
  if (left == pictureLeft_) return;
  pictureLeft_ = left;
  update();
}

void TPictureButton::SetPictureTop(int top) {
  if (top == pictureTop_) return;
  pictureTop_ = top;
  update();
}

void TPictureButton::SetButtonStyle(TButtonStyle style) {
  if (style == style_) return;
  style_ = style;
  update();
}

void TPictureButton::SetShowHint(bool show) { showHint_ = show; }

QColor TPictureButton::FaceColor() const {
  return hovered_ && isEnabled() ? inColor_ : color_;
}

QSize TPictureButton::sizeHint() const { return QSize(75, 25); }

bool TPictureButton::event(QEvent* event) {
  // The hint shows only when switched on, as for every control of the program.
  if (event->type() == QEvent::ToolTip && !showHint_) return true;
  if (event->type() == QEvent::ToolTip && hintExtra_) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ShownHint(), this);
    return true;
  }
  return QAbstractButton::event(event);
}

void TPictureButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  if (inColor_ != color_) update();
  QAbstractButton::enterEvent(event);
}

void TPictureButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  if (inColor_ != color_) update();
  QAbstractButton::leaveEvent(event);
}

void TPictureButton::mousePressEvent(QMouseEvent* event) {
  emit MouseDown(event->button(), event->buttons(), event->position().toPoint());
  QAbstractButton::mousePressEvent(event);
  // Any button takes the focus and keeps the mouse until it is released.
  if (event->button() != Qt::LeftButton) event->accept();
}

void TPictureButton::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(event->buttons(), event->position().toPoint());
  QAbstractButton::mouseMoveEvent(event);
}

void TPictureButton::mouseReleaseEvent(QMouseEvent* event) {
  QAbstractButton::mouseReleaseEvent(event);
  emit MouseUp(event->button(), event->buttons(), event->position().toPoint());
}

void TPictureButton::focusInEvent(QFocusEvent* event) {
  // Tab, Backtab and the swatch grids' arrow keys, not a click. A window or
  // a popup giving the focus back keeps what it was.
  const Qt::FocusReason why = event->reason();
  if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
    keyboardFocus_ = why == Qt::TabFocusReason || why == Qt::BacktabFocusReason;
  QAbstractButton::focusInEvent(event);
}

void TPictureButton::focusOutEvent(QFocusEvent* event) {
  // A popup (a kept swatch's menu) or another window only borrows the focus.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
    keyboardFocus_ = false;
  QAbstractButton::focusOutEvent(event);
}

void TPictureButton::DrawBevel(QPainter& painter, QRect r, TButtonStyle style) const {
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor dark = palette().color(QPalette::Shadow);
  // Filled edges, not lines: swatches repaint every display frame while the
  // eyedropper samples.
  switch (style) {
    case bsFlat:
      break;
    case bsRaised:
      hb::FillOutline(painter, r, light, dark);
      hb::FillOutline(painter, r.adjusted(1, 1, -1, -1), color_.lighter(115), shadow);
      break;
    case bsLowered:
      hb::FillOutline(painter, r, shadow, light);
      hb::FillOutline(painter, r.adjusted(1, 1, -1, -1), dark, color_);
      break;
    case bsGroove:
      // An etched line: shadow then light, both ways round.
      hb::FillOutline(painter, r, shadow, light);
      hb::FillOutline(painter, r.adjusted(1, 1, -1, -1), light, shadow);
      break;
  }
}

void TPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  const QColor face = PaintedFaceColor();
  painter.fillRect(r, face);
  const bool down = isDown();
  DrawBevel(painter, r, down ? bsLowered : style_);
  const int shift = down ? 1 : 0;

  int captionLeft = 0;
  if (!picture_.isNull()) {
    QPixmap picture = picture_;
    if (!isEnabled()) {
      // A disabled button shows its picture in faded grey.
      QImage grey = picture.toImage().convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
          const int g = 128 + qGray(line[x]) / 2;
          line[x] = qRgba(g, g, g, qAlpha(line[x]) / 2);
        }
      }
      picture = QPixmap::fromImage(grey);
    }
    const QSize ps = picture.deviceIndependentSize().toSize();
    const int x = pictureLeft_ == -1 ? (width() - ps.width()) / 2 : pictureLeft_;
    const int y = pictureTop_ == -1 ? (height() - ps.height()) / 2 : pictureTop_;
    painter.drawPixmap(x + shift, y + shift, picture);
    if (pictureLeft_ != -1 && !text().isEmpty()) captionLeft = x + ps.width();
  }
  if (!text().isEmpty()) {
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRect(captionLeft + shift, shift, width() - captionLeft, height()),
                     Qt::AlignCenter, text());
  }
  if (KeyboardFocus()) {
    // Two one-pixel rings over the bevel: black, then white inside it.
    hb::FillOutline(painter, r, Qt::black);
    hb::FillOutline(painter, r.adjusted(1, 1, -1, -1), Qt::white);
  } else if (focusFrame_ && hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = r.adjusted(3, 3, -3, -3);
    option.backgroundColor = face;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}
