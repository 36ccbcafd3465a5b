#pragma once
// The picture button: a panel-like button that fills itself with a face colour
// (another colour, InColor, while the pointer is over it), draws a bevel of its
// ButtonStyle and an optional picture and caption. It is the big current-colour
// swatch, every small swatch, the eyedropper and the reset button.

#include <QAbstractButton>
#include <functional>
#include <QColor>
#include <QPixmap>

class TPictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  enum TButtonStyle { bsFlat, bsRaised, bsLowered, bsGroove };

  explicit TPictureButton(QWidget* parent = nullptr);

  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  QColor InColor() const { return inColor_; }
  void SetInColor(const QColor& color);

  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);
  // Left (and top) of the picture inside the button; -1 centres it.
  int PictureLeft() const { return pictureLeft_; }
  void SetPictureLeft(int left);
  int PictureTop() const { return pictureTop_; }
  void SetPictureTop(int top);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }

  TButtonStyle ButtonStyle() const { return style_; }
  void SetButtonStyle(TButtonStyle style);

  // Whether a dotted frame shows that the button has the focus. Focus that
  // came from the keyboard always shows, as a frame black outside and white
  // inside, which stands out on any face colour.
  void SetFocusFrame(bool show) { focusFrame_ = show; }
  // Whether the button is its window's focus from the keyboard (the window
  // need not be active: a popup over it leaves the frame on).
  bool KeyboardFocus() const { return keyboardFocus_ && window()->focusWidget() == this; }

  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint) { setToolTip(hint); }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  // Text worked out when the hint shows and added after it, for what
  // changes while the hint stays (the contrast with the current colour).
  void SetHintExtra(std::function<QString()> extra) { hintExtra_ = std::move(extra); }
  // The hint as it would show now, extra included.
  QString ShownHint() const { return hintExtra_ ? toolTip() + hintExtra_() : toolTip(); }

  // The colour now painted: InColor under the pointer, Color otherwise.
  QColor FaceColor() const;
  // How a face colour is painted (a colour-vision simulation); the colours,
  // the hint and everything read from the button stay the true ones.
  void SetPaintedColor(std::function<QColor(const QColor&)> painted) { painted_ = std::move(painted); }
  QColor PaintedFaceColor() const { return painted_ ? painted_(FaceColor()) : FaceColor(); }

  QSize sizeHint() const override;

 signals:
  // Presses, moves and releases of any mouse button, in button coordinates.
  void MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos);
  void MouseMove(Qt::MouseButtons buttons, QPoint pos);
  void MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void DrawBevel(class QPainter& painter, QRect r, TButtonStyle style) const;

  QColor color_;
  QColor inColor_;
  QPixmap picture_;
  int pictureLeft_ = -1;
  int pictureTop_ = -1;
  TButtonStyle style_ = bsRaised;
  bool hovered_ = false;
  bool focusFrame_ = true;
  bool keyboardFocus_ = false;
  bool showHint_ = false;
  std::function<QString()> hintExtra_;
  std::function<QColor(const QColor&)> painted_;
};
