#pragma once
// Standard controls shared by the program's windows, with the behaviour the
// windows rely on: change events that can be detached and attached again,
// timers whose Enabled and Interval only restart them when they change,
// a status bar with fixed panels and an image that keeps its own picture.

#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace hb {

// An event handler slot that can be emptied (detached) and assigned again.
using TNotifyEvent = std::function<void(QObject* Sender)>;

// A window timer. Setting Enabled or Interval to the value it holds does
// nothing; any change stops the timer and starts it again when it is enabled
// with a non-zero interval and a handler. Ticks arrive through the event loop,
// never in the middle of another handler.
class TTimer : public QObject {
  Q_OBJECT
 public:
  explicit TTimer(QObject* parent, int interval = 1000);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  void SetOnTimer(TNotifyEvent handler);
  // Whether the underlying timer is running (enabled, interval and handler).
  bool Running() const { return id_ != 0; }

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void Restart();

  TNotifyEvent onTimer_;
  bool enabled_ = false;
  int interval_;
  int id_ = 0;
};

// A horizontal track bar with ticks below at every position.
class TTrackBar : public QSlider {
  Q_OBJECT
 public:
  TTrackBar(QWidget* parent, int min, int max, int pageStep);
  int Position() const { return value(); }
  void SetPosition(int position) { setValue(position); }
  TNotifyEvent OnChange;
};

// A spin edit whose change event fires at every keystroke. Its value is read
// from the text: text that is not a number reads as the minimum, and the
// number is limited to the range.
class TSpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  TSpinEdit(QWidget* parent, int min, int max, int maxLength);
  int Value() const;
  // Limits value to the range and writes it as decimal text, also when the
  // text had been edited into something else.
  void SetValue(int value);
  void SetColors(const QColor& face, const QColor& text);
  // The text field, where the user types.
  QLineEdit* Edit() const { return lineEdit(); }
  TNotifyEvent OnChange;

 private:
  std::optional<QString> reported_;  // text the spin box itself just reported
};

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

// A window whose showing and closing run its handlers: FormShow as it is
// about to be shown (not when it is restored from an icon), FormCloseQuery at
// every request to close it, which it may refuse.
class TForm : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void FormShow(QObject* Sender);
  virtual void FormCloseQuery(QObject* Sender, bool& CanClose);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

// A plain panel of one colour.
class TPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent, const QColor& color = QColor());
};

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

// A status bar of fixed-width panels, drawn in its own font and colour. A
// control can be placed in a panel (the progress bar of panel 1).
class TStatusBar : public QWidget {
  Q_OBJECT
 public:
  TStatusBar(QWidget* parent, std::vector<int> panelWidths);
  QString PanelText(int index) const { return texts_.at(index); }
  void SetPanelText(int index, const QString& text);
  QRect PanelRect(int index) const;
  void SetFontColor(const QColor& color);
  QColor FontColor() const { return fontColor_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<int> widths_;
  std::vector<QString> texts_;
  QColor fontColor_;
};

} // namespace hb
