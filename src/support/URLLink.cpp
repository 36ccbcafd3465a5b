#include "support/URLLink.h"

#include <QKeyEvent>

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/Shell.h"

namespace {

// The hint: a borderless window that stays on top, never takes the focus and
// draws one line of text at (2, 2).
class HintForm : public QWidget {
 public:
  HintForm()
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  QString text;
  QColor color;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), color);
    p.setFont(font());
    p.setPen(Qt::black);
    const QFontMetrics fm(font());
    p.drawText(2, 2 + fm.ascent(), text);
  }
};

} // namespace

TURLLink::TURLLink(QWidget* parent)
    : QLabel(parent), hintFormColor_(QToolTip::palette().color(QPalette::ToolTipBase)),
      hintFormFont_(QApplication::font()) {
  SetFontColor(Qt::blue);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setFocusPolicy(Qt::TabFocus);
  hint_ = new HintForm;
}

TURLLink::~TURLLink() { delete hint_; }

// Each setter repaints only when the value changes.
void TURLLink::SetLink(const QString& link) {
  if (link == link_) return;
  link_ = link;
  update();
}

void TURLLink::SetURLType(TURLtype type) {
  if (type == urlType_) return;
  urlType_ = type;
  update();
}

void TURLLink::SetLinkColor(const QColor& color) {
  if (color == linkColor_) return;
  linkColor_ = color;
  update();
}

void TURLLink::SetEnableShowHint(bool enable) {
  if (enable == enableShowHint_) return;
  enableShowHint_ = enable;
  update();
}

void TURLLink::SetHintFormColor(const QColor& color) {
  if (color == hintFormColor_) return;
  hintFormColor_ = color;
  update();
}

void TURLLink::SetHintOffsetX(int x) {
  if (x == hintOffsetX_) return;
  hintOffsetX_ = x;
  update();
}

void TURLLink::SetHintOffsetY(int y) {
  if (y == hintOffsetY_) return;
  hintOffsetY_ = y;
  update();
}

void TURLLink::SetHintFormFont(const QFont& font) {
  if (font == hintFormFont_) return;
  hintFormFont_ = font;
  update();
}

QColor TURLLink::FontColor() const { return palette().color(QPalette::WindowText); }

void TURLLink::SetFontColor(const QColor& color) {
  if (color == FontColor()) return;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

QString TURLLink::Target() const {
  return urlType_ == tpMAIL ? QStringLiteral("mailto:") + link_ : link_;
}

void TURLLink::enterEvent(QEnterEvent* event) {
  savedColor_ = FontColor();
  SetFontColor(linkColor_);
  repaint();
  QLabel::enterEvent(event);
}

void TURLLink::leaveEvent(QEvent* event) {
  if (savedColor_.isValid()) SetFontColor(savedColor_);
  repaint();
  HideHint();
  QLabel::leaveEvent(event);
}

void TURLLink::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  if (!enableShowHint_ || hintShowing_) return;
  auto* hint = static_cast<HintForm*>(hint_);
  hint->text = link_;
  hint->color = hintFormColor_;
  hint->setFont(hintFormFont_);
  const QFontMetrics fm(hintFormFont_);
  hint->resize(fm.horizontalAdvance(link_) + 6, fm.height() + 3);
  hint->move(event->globalPosition().toPoint() + QPoint(hintOffsetX_, hintOffsetY_));
  hint->show();
  hintShowing_ = true;
}

void TURLLink::mousePressEvent(QMouseEvent* event) {
  repaint();
  QLabel::mousePressEvent(event);
  // The desktop's answer is not examined: a link it cannot open does nothing.
  if (event->button() == Qt::LeftButton) hb::ShellOpen(Target().toStdString());
  HideHint();
}

void TURLLink::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return QLabel::keyPressEvent(event);
  hb::ShellOpen(Target().toStdString());
}

void TURLLink::focusInEvent(QFocusEvent* event) {
  if (!focusColor_.isValid()) focusColor_ = FontColor();
  SetFontColor(linkColor_);
  QLabel::focusInEvent(event);
}

void TURLLink::focusOutEvent(QFocusEvent* event) {
  if (focusColor_.isValid()) SetFontColor(focusColor_);
  focusColor_ = QColor();
  QLabel::focusOutEvent(event);
}

void TURLLink::HideHint() {
  if (!hintShowing_) return;
  hint_->hide();
  hintShowing_ = false;
}
