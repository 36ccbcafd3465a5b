// What assistive technology hears of the main window's controls: a name for
// every control whose caption does not say what it does (or that has none),
// and a description where the name alone is not enough. Swatches are named
// by their grid (color/SwatchKeys.h), the big swatch described by its colour.

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "app/frmMain.h"
#include "color/ColorDescription.h"

void TfrmMain::NameForAccessibility() {
  ColorDescription = new hb::TColorDescription(this, cmdColorView);
  // Shown only when a wide font pushes commands off the toolbar: it lists them.
  if (auto* more = TBToolbar2->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    more->setAccessibleName(QCoreApplication::translate("Accessibility", "ほかのコマンド"));

  struct Named {
    QWidget* control;
    QString name;
    QString description;
  };
  const QString optionHint =
      QCoreApplication::translate("Accessibility", "24色相環の配色を大きな色見本の下半分に表示します");
  const Named named[] = {
      {cmdColorView, QCoreApplication::translate("Accessibility", "現在の色"), {}},
      {cmbPalletSelect, QCoreApplication::translate("Accessibility", "表示する色の一覧"),
       QCoreApplication::translate("Accessibility", "キープ、履歴、パレットのどれを表示するか選びます")},
      {scbKeepWork, QCoreApplication::translate("Accessibility", "キープした色"), {}},
      {scbHistoryWork, QCoreApplication::translate("Accessibility", "色の履歴"), {}},
      {scbPalletWork, QCoreApplication::translate("Accessibility", "パレットの色"), {}},
      {btnKeepAdd, QCoreApplication::translate("Accessibility", "キープに追加"),
       QCoreApplication::translate("Accessibility", "現在の色をキープに加えます")},
      {btnKeepClear, QCoreApplication::translate("Accessibility", "キープをクリア"),
       QCoreApplication::translate("Accessibility", "キープした色をすべて削除します")},
      {btnColorCapture, QCoreApplication::translate("Accessibility", "スポイト"), {}},  // its hint describes it
      {txtHex, QCoreApplication::translate("Accessibility", "16進数"),
       QCoreApplication::translate("Accessibility", "色を6桁の16進数で入力します（例: FF8000）")},
      {cmdSetHex, QCoreApplication::translate("Accessibility", "16進数を読込み"),
       QCoreApplication::translate("Accessibility", "入力した16進数を現在の色にします")},
      {cmdReset, QCoreApplication::translate("Accessibility", "リセット"),
       QCoreApplication::translate("Accessibility", "現在の色を白に戻します")},
      {TrackBar_Red, QCoreApplication::translate("Accessibility", "赤"), {}},
      {SpnRed, QCoreApplication::translate("Accessibility", "赤の値"), {}},
      {TrackBar_Green, QCoreApplication::translate("Accessibility", "緑"), {}},
      {SpnGreen, QCoreApplication::translate("Accessibility", "緑の値"), {}},
      {TrackBar_Blue, QCoreApplication::translate("Accessibility", "青"), {}},
      {SpnBlue, QCoreApplication::translate("Accessibility", "青の値"), {}},
      {TrackBar_C, QCoreApplication::translate("Accessibility", "シアン"), {}},
      {SpnCyan, QCoreApplication::translate("Accessibility", "シアンの値"), {}},
      {TrackBar_M, QCoreApplication::translate("Accessibility", "マゼンタ"), {}},
      {SpnMagenta, QCoreApplication::translate("Accessibility", "マゼンタの値"), {}},
      {TrackBar_Y, QCoreApplication::translate("Accessibility", "イエロー"), {}},
      {SpnYellow, QCoreApplication::translate("Accessibility", "イエローの値"), {}},
      {TrackBar_K, QCoreApplication::translate("Accessibility", "ブラック"), {}},
      {SpnBlack, QCoreApplication::translate("Accessibility", "ブラックの値"), {}},
      {TrackBar_H, QCoreApplication::translate("Accessibility", "色相"), {}},
      {SpnH, QCoreApplication::translate("Accessibility", "色相の値（度）"), {}},
      {TrackBar_S, QCoreApplication::translate("Accessibility", "彩度"), {}},
      {SpnS, QCoreApplication::translate("Accessibility", "彩度の値（%）"), {}},
      {TrackBar_V, QCoreApplication::translate("Accessibility", "明度"), {}},
      {SpnV, QCoreApplication::translate("Accessibility", "明度の値（%）"), {}},
      {imgHSV, QCoreApplication::translate("Accessibility", "HSVチャート"),
       QCoreApplication::translate("Accessibility", "クリックまたはドラッグした点の色を現在の色にします")},
      {btnHSVOption_None, {}, optionHint},
      {btnHSVOption_Ruisetu, {}, optionHint},
      {btnHSVOption_Ruiji, {}, optionHint},
      {btnHSVOption_Chuusa, {}, optionHint},
      {btnHSVOption_Taisyo, {}, optionHint},
      {btnHSVOption_Hosyoku, {}, optionHint},
  };
  for (const Named& n : named) {
    // An empty name leaves the caption as the name.
    if (!n.name.isEmpty()) n.control->setAccessibleName(n.name);
    if (!n.description.isEmpty()) n.control->setAccessibleDescription(n.description);
  }
}
