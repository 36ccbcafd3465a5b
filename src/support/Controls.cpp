#include "support/Controls.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <charconv>

namespace hb {

// ---- TTimer ----------------------------------------------------------------

TTimer::TTimer(QObject* parent, int interval) : QObject(parent), interval_(interval) {}

TTimer::~TTimer() {
  if (id_) killTimer(id_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Restart();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  Restart();
}

void TTimer::Restart() {
  if (id_) {
    killTimer(id_);
    id_ = 0;
  }
  // Short intervals need the precise timer: the eyedropper samples every millisecond.
  if (enabled_ && interval_ > 0 && onTimer_)
    id_ = startTimer(interval_, interval_ < 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
}

void TTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != id_) return;
  // Copy: the handler may replace or clear itself.
  const TNotifyEvent handler = onTimer_;
  if (handler) handler(this);
}

// ---- TTrackBar -------------------------------------------------------------

TTrackBar::TTrackBar(QWidget* parent, int min, int max, int pageStep)
    : QSlider(Qt::Horizontal, parent) {
  setRange(min, max);
  setPageStep(pageStep);
  setSingleStep(1);
  setTickPosition(QSlider::TicksBelow);
  setTickInterval(1);
  connect(this, &QSlider::valueChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
}

// ---- TSpinEdit -------------------------------------------------------------

TSpinEdit::TSpinEdit(QWidget* parent, int min, int max, int maxLength) : QSpinBox(parent) {
  setRange(min, max);
  lineEdit()->setMaxLength(maxLength);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  // Every change of the text counts: the spin box reports values set by the
  // program, the arrows and typed numbers; the text field reports the rest
  // (a typed text that is no number). A change is reported once.
  setKeyboardTracking(true);
  connect(this, &QSpinBox::textChanged, this, [this] {
    reported_ = lineEdit()->text();
    if (OnChange) OnChange(this);
  });
  connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
    if (reported_ && *reported_ == text) {
      reported_.reset();
      return;
    }
    reported_.reset();
    if (OnChange) OnChange(this);
  });
}

int TSpinEdit::Value() const {
  const QByteArray text = lineEdit()->text().trimmed().toLatin1();
  const char* first = text.constData();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  long long number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error == std::errc::result_out_of_range) {
    number = (first != last && *first == '-') ? minimum() : maximum();
  } else if (error != std::errc() || end != last || first == last) {
    return minimum();
  }
  if (number < minimum()) return minimum();
  if (number > maximum()) return maximum();
  return static_cast<int>(number);
}

void TSpinEdit::SetValue(int value) {
  setValue(value);
  const QString text = QString::number(this->value());
  if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void TSpinEdit::SetColors(const QColor& face, const QColor& text) {
  QPalette p = palette();
  p.setColor(QPalette::Base, face);
  p.setColor(QPalette::Text, text);
  setPalette(p);
  lineEdit()->setPalette(p);
}

// ---- TGroupBox -------------------------------------------------------------

TGroupBox::TGroupBox(QWidget* parent, const QString& caption) : QWidget(parent), caption_(caption) {}

void TGroupBox::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TGroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  const QRect frame(0, lineY, width() - 1, height() - lineY - 1);
  // Etched: a shadow line with a light line inside and below it.
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.adjusted(1, 1, 0, 0));
  if (!caption_.isEmpty()) {
    const int textWidth = metrics.horizontalAdvance(caption_);
    const QRect textRect(8, 0, textWidth + 4, metrics.height());
    painter.fillRect(textRect, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignCenter, caption_);
  }
}

QRect TGroupBox::ClientRect() const {
  // Below the caption's text height, inside a two-pixel frame.
  const int captionHeight = 12;
  return QRect(2, captionHeight + 2, width() - 4, height() - captionHeight - 4);
}

// ---- TForm -----------------------------------------------------------------

void TForm::FormShow(QObject*) {}

void TForm::FormCloseQuery(QObject*, bool&) {}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow(this);
}

void TForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  if (canClose)
    event->accept();
  else
    event->ignore();
}

// ---- TPanel ----------------------------------------------------------------

TPanel::TPanel(QWidget* parent, const QColor& color) : QWidget(parent) {
  if (color.isValid()) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
  }
}

// ---- TImage ----------------------------------------------------------------

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

// ---- TStatusBar ------------------------------------------------------------

TStatusBar::TStatusBar(QWidget* parent, std::vector<int> panelWidths)
    : QWidget(parent), widths_(std::move(panelWidths)), texts_(widths_.size()),
      fontColor_(Qt::black) {}

void TStatusBar::SetPanelText(int index, const QString& text) {
  if (texts_.at(index) == text) return;
  texts_.at(index) = text;
  update(PanelRect(index));
}

QRect TStatusBar::PanelRect(int index) const {
  int left = 0;
  for (int i = 0; i < index; ++i) left += widths_.at(i) + 2;
  return QRect(left, 2, widths_.at(index), height() - 2);
}

void TStatusBar::SetFontColor(const QColor& color) {
  if (fontColor_ == color) return;
  fontColor_ = color;
  update();
}

void TStatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QColor shadow = palette().color(QPalette::Mid);
  const QColor light = palette().color(QPalette::Light);
  painter.setFont(font());
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    const QRect r = PanelRect(static_cast<int>(i));
    // A sunken panel: shadow on top and left, light on bottom and right.
    painter.setPen(shadow);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(light);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(fontColor_);
    painter.drawText(r.adjusted(3, 1, -2, -1), Qt::AlignLeft | Qt::AlignVCenter, texts_[i]);
  }
}

} // namespace hb
