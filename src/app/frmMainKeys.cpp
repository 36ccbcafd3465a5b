// The main window's keyboard: the swatch grids (keep, history, palette views
// and the scheme row over the big swatch), each one tab stop moved along by
// the arrow keys (color/SwatchKeys.h), and the tab order of the controls.

#include <QComboBox>
#include <QLabel>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>

#include "app/frmMain.h"
#include "chart/SchemeRow.h"
#include "collections/ColorHistory.h"
#include "collections/KeepList.h"
#include "collections/SidePanel.h"
#include "color/SwatchKeys.h"
#include "color/Swatches.h"

void TfrmMain::WireKeys() {
  SwatchKeys = new hb::TSwatchKeys(this);
  keepGrid_ = SwatchKeys->AddGrid({[] { return QCoreApplication::translate("Accessibility", "キープ"); },
                                   [this] { return keepList_->Buttons(); }, scbKeepWork, nullptr,
                                   [this](TPictureButton* swatch) { keepList_->MenuKey(swatch); }, {}});
  SwatchKeys->AddGrid({[] { return QCoreApplication::translate("Accessibility", "履歴"); },
                       [this] { return history_->Buttons(); }, scbHistoryWork, nullptr, {}, {}});
  SwatchKeys->AddGrid({[this] { return cmbPalletSelect->currentText(); },
                       [this] { return SidePanel->PalletButtons; }, scbPalletWork, nullptr, {},
                       // The name the label beside the swatch shows.
                       [this](int index) { return SidePanel->PalletLabels[std::size_t(index)]->text(); }});
  schemeGrid_ = SwatchKeys->AddGrid({[] { return QCoreApplication::translate("Accessibility", "配色"); },
                                     [this] {
                                       std::vector<TPictureButton*> row;
                                       for (const QPointer<TPictureButton>& swatch : SchemeRow->SchemeSwatches)
                                         if (swatch) row.push_back(swatch);
                                       return row;
                                     },
                                     nullptr, cmdColorView, {}, {}});

  // A toolbar keeps its buttons out of the tab chain; here they lead it.
  std::vector<QWidget*> order;
  for (QAction* action : {TB_OutPut, TB_PlugInEditor, TBHelp, TBItem3, TB_End})
    if (QWidget* button = TBToolbar2->widgetForAction(action)) {
      button->setFocusPolicy(Qt::TabFocus);
      order.push_back(button);
    }
  // The big swatch (the scheme row follows it), what sets the colour below
  // it, the side panel top down, the eyedropper, then the colour groups row
  // by row and the scheme options. Of the three views only the one on show
  // is reached.
  order.insert(order.end(), {cmdColorView, txtHex, cmdSetHex, cmdReset, cmbPalletSelect, scbKeepWork,
                             scbHistoryWork, scbPalletWork, btnKeepAdd, btnKeepClear, btnColorCapture,
                             btn_StaticCapture, btn_DynamicCapture, cmdGetColorFromDisplay_Dynamic,
                             TrackBar_Red, SpnRed, TrackBar_Green, SpnGreen, TrackBar_Blue, SpnBlue,
                             TrackBar_C, SpnCyan, TrackBar_M, SpnMagenta, TrackBar_Y, SpnYellow,
                             TrackBar_K, SpnBlack, TrackBar_H, SpnH, TrackBar_S, SpnS, TrackBar_V, SpnV,
                             btnHSVOption_None, btnHSVOption_Ruisetu, btnHSVOption_Ruiji,
                             btnHSVOption_Chuusa, btnHSVOption_Taisyo, btnHSVOption_Hosyoku});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  // The window opens with the focus where it always did, on the big swatch
  // (no frame), not on the toolbar that now leads the chain.
  cmdColorView->setFocus(Qt::OtherFocusReason);

  // The history view lies over the keep view, whose buttons stay shown
  // under it: Tab must not reach buttons nobody can see.
  connect(cmbPalletSelect, &QComboBox::currentIndexChanged, this, [this](int index) {
    for (QPushButton* button : {btnKeepAdd, btnKeepClear})
      button->setFocusPolicy(index == 1 ? Qt::NoFocus : Qt::StrongFocus);
  });
}
