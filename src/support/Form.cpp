#include "support/Form.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace hb {

QFont WindowFont() {
  static const bool substituted = [] {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                QStringLiteral("TakaoPGothic")});
    return true;
  }();
  (void)substituted;
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPixelSize(12);
  return font;
}

void TForm::SetFixedFrame(QSize Size, TFrame Frame) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  switch (Frame) {
    case TFrame::Minimizable:
      flags |= Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
      break;
    case TFrame::Dialog:
      flags |= Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      break;
    case TFrame::Bare:
      flags |= Qt::Dialog;
      break;
  }
  setWindowFlags(flags);
  setFixedSize(Size);
  setFont(WindowFont());
}

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

} // namespace hb
