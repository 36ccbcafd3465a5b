// The hue-scheme swatches of the main window: the option buttons and the
// one-shot timer that rebuilds the row after every change of colour or scheme.

#include <QPushButton>

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
#include "capture/FrameThrottle.h"
#include "chart/SchemeRow.h"

void TfrmMain::WireScheme() {
  const hb::TSchemeRow::Controls controls{
      cmdColorView, TrackBar_H, TrackBar_S, TrackBar_V,
      {btnHSVOption_None, btnHSVOption_Ruisetu, btnHSVOption_Ruiji, btnHSVOption_Chuusa, btnHSVOption_Taisyo,
       btnHSVOption_Hosyoku}};
  SchemeRow = new hb::TSchemeRow(
      this, controls,
      [this](QWidget* parent, const QColor& color) { return CreateSwatch(parent, color, std::string()); },
      [this](TPictureButton* swatch, const QColor& color) { ColorSwatch(swatch, color, std::string()); });
}

void TfrmMain::timOptionPanelTimer(QObject*) {
  // One-shot: the rebuild runs here, never inside the handler that asked for
  // it, so a swatch is never freed under its own click.
  timOptionPanel->SetEnabled(false);
  // During a sampling burst the row follows the colour once per display
  // frame, in the swatches it has; nobody can click one during a drag.
  if (CaptureBurst->Frames().Holding()) return CaptureBurst->AtFrame([this] { SchemeRow->Recolor(); });
  UpdateSchemeSwatches();
}

// Also for the button already down: the row is built again.
void TfrmMain::btnHSVOptionS_Click(QObject*) { timOptionPanel->SetEnabled(true); }

void TfrmMain::UpdateSchemeSwatches() { SchemeRow->Update(); }

void TfrmMain::ClearSchemeSwatches() { SchemeRow->Clear(); }

QColor TfrmMain::SchemeColorAt(hb::THSVColor HSV, int Offset) const {
  const hb::TRGBBytes c = hb::SchemeColorAt(HSV, Offset);
  return QColor(c.R, c.G, c.B);
}

void TfrmMain::AddSchemeColor(const QColor& Color) { SchemeRow->AddColor(Color); }

void TfrmMain::BuildSchemeSwatches() { SchemeRow->Build(); }
