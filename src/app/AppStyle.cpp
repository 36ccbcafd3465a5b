#include "app/AppStyle.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QToolTip>
#include <QWidget>

namespace hb {

namespace {

int g_hintPauseMs = 700;

class HintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return g_hintPauseMs;
    if (hint == SH_ToolTip_FallAsleepDelay) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  // The spin edits are only 41 pixels wide: narrow arrow buttons leave room
  // for three digits.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl sub, const QWidget* widget) const override {
    if (control == CC_SpinBox && option->rect.width() < 60) {
      const QRect r = option->rect;
      const int buttonWidth = 13;
      const int frame = 2;
      const int half = (r.height() - 2 * frame) / 2;
      switch (sub) {
        case SC_SpinBoxUp:
          return QRect(r.right() - frame - buttonWidth + 1, r.top() + frame, buttonWidth, half);
        case SC_SpinBoxDown:
          return QRect(r.right() - frame - buttonWidth + 1, r.top() + frame + half, buttonWidth,
                       r.height() - 2 * frame - half);
        case SC_SpinBoxEditField:
          return QRect(r.left() + frame, r.top() + frame, r.width() - 2 * frame - buttonWidth,
                       r.height() - 2 * frame);
        default:
          break;
      }
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
  }
};

bool g_styleInstalled = false;

// Shows every hint for the configured time instead of Qt's length-based one.
class HintDuration : public QObject {
 public:
  explicit HintDuration(int displayMs) : displayMs_(displayMs) {}
  void SetDisplayMs(int ms) { displayMs_ = ms; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->toolTip().isEmpty()) return false;
    if (widget->toolTipDuration() != displayMs_) widget->setToolTipDuration(displayMs_);
    return false;
  }

 private:
  int displayMs_;
};

} // namespace

void SetHintTiming(int pauseMs, int displayMs) {
  if (!qApp) return;
  static HintDuration* duration = nullptr;
  if (!duration) {
    duration = new HintDuration(displayMs);
    duration->setParent(qApp);
    qApp->installEventFilter(duration);
  }
  duration->SetDisplayMs(displayMs);
  g_hintPauseMs = pauseMs;
  InstallAppStyle();
}

void InstallAppStyle() {
  if (g_styleInstalled || !qApp) return;
  g_styleInstalled = true;
  QApplication::setStyle(new HintStyle);
}

QString FlatSkin::StyleSheet() {
  auto rgb = [](const QColor& c) { return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()); };
  return QStringLiteral(
             "QToolBar#TBToolbar2 { background: %1; border: none; spacing: 1px; padding: 1px; }"
             "QToolBar#TBToolbar2 QToolButton { background: transparent; border: 1px solid transparent;"
             " padding: 1px 2px; }"
             "QToolBar#TBToolbar2 QToolButton:hover { border: 1px solid palette(highlight);"
             " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %3); }"
             "QToolBar#TBToolbar2 QToolButton:pressed, QToolBar#TBToolbar2 QToolButton:open"
             " { border: 1px solid palette(highlight); background: %4; }"
             "QToolBar#TBToolbar2 QToolButton::menu-indicator { image: none; width: 0px; }"
             "QMenu { background: transparent; border: 1px solid %5; padding: 1px; }"
             "QMenu::item { background: transparent; padding: 3px 18px 3px 28px; border: 1px solid transparent; }"
             "QMenu::item:selected { background: %4; border: 1px solid palette(highlight); }"
             "QMenu::separator { height: 1px; background: %5; margin: 2px 2px 2px 28px; }")
      .arg(rgb(kToolbar), rgb(kButtonFrom), rgb(kButtonTo), rgb(kSelected), rgb(kBorder));
}

// Menus are windows of their own: the toolbar's style sheet does not reach them.
TFlatMenu::TFlatMenu(QWidget* parent) : QMenu(parent) { setStyleSheet(FlatSkin::StyleSheet()); }

TFlatMenu::TFlatMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
  setStyleSheet(FlatSkin::StyleSheet());
}

void TFlatMenu::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(rect(), FlatSkin::kMenu);
    QLinearGradient column(0, 0, 24, 0);
    column.setColorAt(0, FlatSkin::kMenuFrom);
    column.setColorAt(1, FlatSkin::kMenuTo);
    painter.fillRect(QRect(1, 1, 24, height() - 2), column);
  }
  QMenu::paintEvent(event);
}

} // namespace hb
