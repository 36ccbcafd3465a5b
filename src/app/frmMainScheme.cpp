// The hue-scheme swatches of the main window: the option buttons and the
// one-shot timer that rebuilds the row after every change of colour or
// scheme, from the track bars' HSV as the current colour shows it.

#include <QButtonGroup>
#include <QPushButton>

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
#include "capture/FrameThrottle.h"
#include "chart/SchemeRow.h"
#include "color/CurrentColor.h"
#include "color/QtColor.h"
#include "color/SwatchKeys.h"

void TfrmMain::WireScheme() {
  SchemeRow = new hb::TSchemeRow(this,
                                 {cmdColorView,
                                  {btnHSVOption_None, btnHSVOption_Ruisetu, btnHSVOption_Ruiji, btnHSVOption_Chuusa,
                                   btnHSVOption_Taisyo, btnHSVOption_Hosyoku}},
                                 *Swatches);
  connect(HSVOptionGroup, &QButtonGroup::buttonClicked, this,
          [this](QAbstractButton* button) { btnHSVOptionS_Click(button); });
  timOptionPanel->SetOnTimer([this](QObject* sender) { timOptionPanelTimer(sender); });
}

void TfrmMain::timOptionPanelTimer(QObject*) {
  // One-shot: the rebuild runs here, never inside the handler that asked for
  // it, so a swatch is never freed under its own click.
  timOptionPanel->SetEnabled(false);
  // During a sampling burst the row follows the colour once per display
  // frame, in the swatches it has; nobody can click one during a drag. The
  // nearest name is looked up at the same pace.
  if (CaptureBurst->Frames().Holding())
    return CaptureBurst->AtFrame([this] {
      SchemeRow->Recolor(CurrentColor->TrackBarHSV());
      ShowNearestName();
    });
  UpdateSchemeSwatches();
  ShowNearestName();
}

// Also for the button already down: the row is built again.
void TfrmMain::btnHSVOptionS_Click(QObject*) { timOptionPanel->SetEnabled(true); }

// A keyboard user on a scheme swatch stays at its place in the new row.
void TfrmMain::UpdateSchemeSwatches() {
  SwatchKeys->KeepFocus(schemeGrid_, [this] { SchemeRow->Update(CurrentColor->TrackBarHSV()); });
}

QColor TfrmMain::SchemeColorAt(hb::THSVColor HSV, int Offset) const {
  return hb::QColorOf(hb::SchemeColorAt(HSV, Offset));
}
