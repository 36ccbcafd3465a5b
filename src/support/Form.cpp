#include "support/Form.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QShowEvent>

namespace hb {

QFont WindowFont() {
  // Looked up once. A family that is not installed sends every font match
  // through fontconfig's slow fallback search (about a tenth of start-up), so
  // the first installed stand-in is named directly.
  static const QString family = [] {
    const QString wanted = QStringLiteral("ＭＳ Ｐゴシック");
    const QStringList standIns{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                               QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                               QStringLiteral("TakaoPGothic")};
    // The installed families, read once: QFontDatabase::hasFamily runs each
    // name through fontconfig's whole rule set first.
    const QStringList installed = QFontDatabase::families();
    auto has = [&](const QString& name) { return installed.contains(name, Qt::CaseInsensitive); };
    if (has(wanted)) return wanted;
    for (const QString& standIn : standIns)
      if (has(standIn)) return standIn;
    // None installed: whatever fontconfig offers for Japanese.
    QFont::insertSubstitutions(wanted, standIns);
    return wanted;
  }();
  QFont font(family);
  font.setPixelSize(12);
  return font;
}

void TForm::SetFixedFrame(QSize Size, TFrame Frame, bool WindowsFont) {
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
  if (WindowsFont) setFont(WindowFont());
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
